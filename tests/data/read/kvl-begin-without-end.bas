#Wrenkit Created
#Wrenkit Begin Constants 
%IDD_D = 101
#Wrenkit End Constants
#Wrenkit Begin Dialog %IDD_D->->
    Dialog New hParent, "D", 1, 2, 30, 40, To hDlg
Function Mine()
End Function
#Wrenkit Begin Menu %IDR_M->
    Menu New Bar To hMenu
#Wrenkit End Menu
user text
