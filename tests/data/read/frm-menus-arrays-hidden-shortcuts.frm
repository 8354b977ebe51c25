VERSION 5.00
Begin VB.Form frmMenu
   ClientHeight = 1440
   ClientWidth = 1440
   Begin VB.Menu mnuFile
      Caption = "&File"
      Begin VB.Menu mnuFileOpen
         Caption = "&Open..."
         Shortcut = ^O
      End
      Begin VB.Menu mnuSep1
         Caption = "-"
      End
      Begin VB.Menu mnuRecent
         Caption = "Recent"
         Begin VB.Menu mnuRecentFile
            Caption = "One"
            Checked = -1 'True
            Index = 0
            Shortcut = +{F5}
         End
         Begin VB.Menu mnuRecentFile
            Caption = "Two"
            Enabled = 0 'False
            Index = 1
            Shortcut = %{BKSP}
         End
         Begin VB.Menu mnuDeep
            Caption = "Deep"
            Begin VB.Menu mnuDeepest
               Caption = "Deepest"
               Shortcut = ^{F12}
            End
         End
      End
      Begin VB.Menu mnuHidden
         Caption = "Secret"
         Checked = -1 'True
         Shortcut = {DEL}
         Visible = 0 'False
      End
   End
   Begin VB.Menu mnuHelp
      Caption = "|Shows help|&Help"
      Shortcut = {F1}
   End
End
