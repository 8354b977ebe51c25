Begin VB.Form F
 BorderStyle = 4
End
