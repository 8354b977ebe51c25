Begin VB.Form %%%
   ClientWidth = 1e308
   ClientHeight = -1e308
   ClientLeft = nan
   BorderStyle = 1e300
   ScaleMode = -1e300
   Begin VB.TextBox T
      Left = 99999999999999999999
      Width = 99999999999999999999
      Top = -99999999999999999999
      Index = 1e300
      TabIndex = -1e300
      BackColor = 1e300
      BorderStyle = -1e300
   End
   Begin VB.Menu M
      Index = -1e300
      Shortcut = {F99999999999}
   End
End
