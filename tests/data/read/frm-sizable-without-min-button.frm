Begin VB.Form F
 ClientWidth = 1440
 ClientHeight = 1440
 MinButton = 0
 ShowInTaskbar = 0
 ClipControls = 0
End