#Wrenkit Created
#Wrenkit Begin Constants 
%IDD_D = 101
#Wrenkit End Constants
#Wrenkit Begin Dialog %IDD_D->->
    Local hDlg As Dword

    Dialog New hParent, "O", 5, 5, 10, 10, , %WS_EX_TOOLWINDOW, To hDlg
#Wrenkit End Dialog
