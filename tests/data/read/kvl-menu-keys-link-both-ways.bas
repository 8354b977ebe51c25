#Wrenkit Created
#Wrenkit Begin Constants 
%IDR_MENU1 = 102
%IDM_OPEN = 1003
%IDR_ACCELERATOR1 = 103
#Wrenkit End Constants
#Wrenkit Begin Menu %IDR_MENU1->
    Menu New Bar To hMenu
    Menu Add String, hMenu, "&Open", %IDM_OPEN, 0
#Wrenkit End Menu
#Wrenkit Begin Accel %IDR_ACCELERATOR1->
    AssignAccel tAccel(1), Asc("O"), %IDM_OPEN, %FVIRTKEY
#Wrenkit End Accel
