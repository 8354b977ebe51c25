VERSION 5.00
Begin VB.Form F
   ClientLeft = 99999999999999999999
   ClientTop = -99999999999999999999
   ClientWidth = 1E+300
   ClientHeight = -1E+300
   Begin VB.CommandButton B
      Left = 1E308
      Top = -1E308
      Width = 4294967296
      Index = 99999999999
      TabIndex = -99999999999
   End
End
