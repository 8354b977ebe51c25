Begin VB.Form F
 BorderStyle = 0
 ClientWidth = 1440
 ClientHeight = 1440
End