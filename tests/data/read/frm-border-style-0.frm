Begin VB.Form F
 BorderStyle = 0
End
