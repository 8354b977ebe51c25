Begin VB.Form F
 BorderStyle = 5
End
