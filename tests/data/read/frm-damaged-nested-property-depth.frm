VERSION 5.00
Begin VB.Form F
   Caption = "Form"
   BeginProperty Panels {ABC}
      BeginProperty Panel1 {DEF}
         Caption = "Panel"
      EndProperty
      EndProperty
      EndProperty
   EndProperty
   Caption = "Form after too many ends"
   BeginProperty Outer
      BeginProperty Inner
         Caption = "Inner"
      EndProperty
      Caption = "Outer"
   EndProperty
   Begin VB.Label L1
      BeginProperty Font
         Name = "Arial"
         Size = 9.75
      EndProperty
      EndProperty
      Caption = "Label after a stray end"
   End
End
