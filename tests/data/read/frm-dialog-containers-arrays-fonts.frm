VERSION 5.00
Begin VB.Form frmMain
   BorderStyle = 3  'Fixed Dialog
   Caption = "Say ""Hi"""
   ClientHeight = 1950
   ClientLeft = 45
   ClientTop = 330
   ClientWidth = 2880
   ControlBox = 0   'False
   Icon = "frmMain.frx":0000
   BeginProperty Font
      Name = "Tahoma"
   EndProperty
   Begin VB.Frame fraOpts
      Caption = "frmMain.frx":0000
      Height = 1440
      Left = 720
      TabIndex = 2
      Top = 360
      Begin VB.OptionButton optA
         Caption = "A"
         Height = 255
         Index = 0
         Left = 120
         TabIndex = 3
         Top = 240
         Width = 1200
      End
      Begin VB.OptionButton optA
         Caption = "B"
         Index = 1
         TabIndex = 4
      End
      Begin VB.PictureBox picIn
         Left = 120
         TabIndex = 5
         Top = 600
         Begin VB.Label lblDeep
            Left = 60
            TabIndex = 6
            Top = 60
         End
      End
   End
   Begin VB.CommandButton cmdOK
      BackColor = &H000000FF&
      ForeColor = 16711680
      TabIndex = 0
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851}
         name = "Courier New"
         weight = 700
         size = 10
         italic = -1  'True
      EndProperty
   End
   Begin VB.TextBox txtName
      BackColor = &H80000005&
      ForeColor = -2147483640
      Tab(0).Control(3).Enabled=   0   'False
      TabIndex = 1
      Text = "Grüß" 'other code page
   End
   Begin VB.Line linSep
      X1 = 2880
      X2 = 0
      Y1 = 1800
      Y2 = 1800
   End
   Begin MSComDlg.CommonDialog dlgOpen
      Left = 2280
   End
End
Private Sub cmdOK_Click()
End
End Sub
Begin VB.Form frmOther
