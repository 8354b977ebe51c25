VERSION 5.00
Begin VB.Form frmMain 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Say ""Hi"""
   ClientHeight    =   1950
   ClientLeft      =   45
   ClientTop       =   330
   ClientWidth     =   2880
   ScaleMode       =   3  'Pixel
   BeginProperty Font 
      Name            =   "Tahoma"
      Size            =   9.75
   EndProperty
   Begin VB.Frame fraOpts 
      Height          =   1440
      Left            =   720
      TabIndex        =   2
      Top             =   360
      Width           =   1440
      Begin VB.OptionButton optA 
         Caption         =   "A"
         Index           =   0
         Left            =   -74880
      End
      Begin VB.PictureBox picIn 
         ScaleMode       =   0  'User
         ScaleWidth      =   10
         Picture         =   "frmMain.frx":0442
         Begin VB.Line linIn 
            X1              =   1
            X2              =   9
         End
      End
   End
   Begin VB.CommandButton cmdOK 
      BackColor       =   &H000000FF&
      ForeColor       =   -2147483630
      Tab(0).Control(3).Enabled=   0   'False
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         name            =   "Courier New"
         weight          =   700
      EndProperty
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuOpen 
         Caption         =   "&Open"
         Index           =   0
         Shortcut        =   ^+{F12}
      End
      Begin VB.Menu mnuSep 
         Caption         =   "-"
      End
      Begin VB.Menu mnuHidden 
         Shortcut        =   {BKSP}
         Visible         =   0   'False
      End
   End
End
Private Sub Form_Load()
End Sub
