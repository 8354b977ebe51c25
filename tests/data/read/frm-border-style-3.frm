Begin VB.Form F
 BorderStyle = 3
End
