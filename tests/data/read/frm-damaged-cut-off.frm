Begin VB.Form F
 Caption = "Cut"
 Begin VB.Label L
  Caption = "Half"
 Begin VB.Menu M
  Caption = "&Menu"
  Begin VB.Menu N
   Shortcut = ^N
