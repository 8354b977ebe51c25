#Wrenkit Created
#Wrenkit Begin Constants 
%IDD_D = 101
#Wrenkit End Constants
#Wrenkit Begin Dialog %IDD_D->->
    Local hDlg As Dword

    Dialog New hParent, "O", -1, 0, lW, 120, %WS_POPUP Or %WS_CAPTION _
        Or %ds_modalframe, %WS_EX_TOOLWINDOW, To hDlg
#Wrenkit End Dialog
