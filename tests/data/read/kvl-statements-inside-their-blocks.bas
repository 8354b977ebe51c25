#Wrenkit Created
#Wrenkit Begin Includes 
    Menu New PopUp To hPopUp1
    Dialog New hParent, "D", 1, 2, 3, 4, To hDlg
#Wrenkit End Includes
#Wrenkit Begin Constants 
%IDR_MENU1 = 102
#Wrenkit End Constants
#Wrenkit Begin Menu %IDR_MENU1->
    Menu New Bar To hMenu
    Menu Add String, hMenu, "&Go", %IDM_GO, 0
    Control Add Button, hDlg, %IDC_B, "B", 1, 2, 3, 4
#Wrenkit End Menu
