Begin VB.Form F
 BorderStyle = 1
End
