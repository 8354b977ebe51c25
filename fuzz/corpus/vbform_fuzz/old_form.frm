VERSION 4.00
Begin VB.MDIForm Main
   ClientLeft = -1305
   BeginProperty Font
      name = "MS Sans Serif"
      size = 7.8
   EndProperty
   Begin ComctlLib.ListView lv
      BeginProperty ColumnHeaders
         BeginProperty Column1
         EndProperty
      EndProperty
   End
End
