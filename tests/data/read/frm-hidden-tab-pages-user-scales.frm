Begin VB.Form frmTabs
   ScaleMode = 3 'Pixel
   Begin TabDlg.SSTab tabMain
      Left = 1440
      Tab(1).Control(0)=   "txtHidden"
      Begin VB.TextBox txtHidden
         Left = -73560
      End
   End
   Begin VB.PictureBox picScale
      BorderStyle = 0 'None
      Height = 1440
      Width = 1440
      ScaleHeight = 100
      ScaleMode = 0 'User
      ScaleWidth = 10
      ScaleLeft = -5
      Begin VB.Line linIn
         X1 = -5
         X2 = 5
         Y1 = 50
      End
   End
   Begin VB.Line linPixels
      X2 = 96
   End
End