#Wrenkit Created
#Wrenkit Begin Constants 
%IDR_CONTEXT = 102
%IDM_CUT = 1001
%IDM_PASTE = 1002
#Wrenkit End Constants
#Wrenkit Begin Menu %IDR_CONTEXT->
    Local hMenu As Dword
    Local hPopUp1 As Dword

    Menu New PopUp To hMenu
    Menu New PopUp To hPopUp1
    Menu Add PopUp, hMenu, "Edit", hPopUp1, %MF_ENABLED
        Menu Add String, hPopUp1, "Cu&t", %IDM_CUT, %MF_ENABLED
        Menu Add String, hPopUp1, "&Paste", %IDM_PASTE, %MF_GRAYED

#Wrenkit End Menu
