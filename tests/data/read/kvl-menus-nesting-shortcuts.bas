#Wrenkit Created
#Wrenkit Begin Constants 
%IDR_MENU1 = 102
%IDM_OPEN = 1003
%IDM_EXIT = 1004
%IDM_DEEP = 1005
%IDM_TOP = 1006
%IDR_ACCELERATOR1 = 103
%IDM_HELP = 1007
#Wrenkit End Constants
#Wrenkit Begin Menu %IDR_MENU1->
    Local hMenu As Dword

    Menu New Bar To hMenu
    Menu New PopUp To hPopUp1
    Menu Add PopUp, hMenu, "&File", hPopUp1, %MF_ENABLED
        Menu Add String, hPopUp1, "&Open" + $Tab + "Ctrl+O", %IDM_OPEN, _
            %MF_CHECKED Or %MF_GRAYED
        Menu Add String, hPopUp1, "-", 0, 0
        Menu New PopUp To hPopUp2
        Menu Add PopUp, hPopUp1, "&More", hPopUp2, %MF_DISABLED
            Menu Add String, hPopUp2, "Deep" + $TAB + "x", %IDM_DEEP, %MF_MENUBREAK
        Menu Add String, hPopUp1, "E&xit", %IDM_EXIT, %MF_MENUBARBREAK
    Menu Add String, hMenu, "&Top", %IDM_TOP, %MF_ENABLED
    Menu Add String, hMenu, "&Help" + $tab + "F1", %IDM_HELP, %MF_ENABLED

    Menu Attach hMenu, hDlg

#Wrenkit End Menu
#Wrenkit Begin Accel %IDR_ACCELERATOR1->
    AssignAccel tAccel(1), Asc("O"), %IDM_OPEN, %FVIRTKEY Or %FCONTROL Or _
        %FNOINVERT
    AssignAccel tAccel(2), %VK_F1, %IDM_HELP, %FVIRTKEY Or %FSHIFT Or %FALT Or %FNOINVERT
#Wrenkit End Accel
