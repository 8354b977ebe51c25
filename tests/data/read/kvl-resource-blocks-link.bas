#Wrenkit Created
#Wrenkit Begin Constants 
%IDD_D = 101
%IDR_M = 102
%IDR_A = 103
#Wrenkit End Constants
#Wrenkit Begin Dialog %IDD_D->%IDR_M->%IDR_A
#Wrenkit End Dialog
#Wrenkit Begin Menu %IDR_M->
#Wrenkit End Menu
#Wrenkit Begin Accel %IDR_A->%IDD_D
#Wrenkit End Accel
#Wrenkit Begin Dialog %IDD_E->%IDR_M->%IDR_A
#Wrenkit End Dialog
#Wrenkit Begin Menu %IDR_N->%IDR_A
#Wrenkit End Menu
