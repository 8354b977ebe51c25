#Wrenkit Created
#Wrenkit Begin Constants 
%IDD_D = 101
#Wrenkit End Constants
#Wrenkit Begin Dialog %IDD_D->->
    Local hDlg As Dword

    Dialog New hParent, "Say ""Hi""", 70, 71, 201, 121, To hDlg
#Wrenkit End Dialog
