Begin VB.Form F
 BorderStyle = 2
End
