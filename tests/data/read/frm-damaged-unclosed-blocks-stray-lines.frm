VERSION 5.00
Begin VB.Form F
   BeginProperty Panels {ABC}
      BeginProperty Panel1
         Caption = "Not mine"
   Begin VB.Label L1
      Caption = "Kept"
      BeginProperty Font
         Name = "Arial"
   End
   EndProperty
   EndProperty
   Caption="Form caption"
   garbage without an equals sign
   = 5
   Begin
      Caption = "empty begin"
   End
   Begin VB.Label L2      Caption = "Old Mac line ends"   EndEnd
