Begin VB.Form F
 Begin VB.Form G
  Begin VB.Label L
  End
 End
 Begin VB.Label K
 End
End
