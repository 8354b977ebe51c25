VERSION 5.00
Begin VB.Form frmMain 
   Caption         =   "Main"
   ClientHeight    =   1800
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   2880
   Begin VB.Frame fraBox 
      Caption         =   "Box"
      Height          =   900
      Left            =   120
      TabIndex        =   1
      Top             =   120
      Width           =   2640
      Begin VB.CheckBox chkOn 
         Caption         =   "On"
         Height          =   255
         Left            =   120
         TabIndex        =   2
         Top             =   360
         Width           =   1200
      End
   End
   Begin VB.CommandButton cmdOk 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   1680
      TabIndex        =   0
      Top             =   1200
      Width           =   1095
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuExit 
         Caption         =   "E&xit"
         Shortcut        =   ^Q
      End
   End
End
