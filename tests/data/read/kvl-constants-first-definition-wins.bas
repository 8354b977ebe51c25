#Wrenkit Created
#Wrenkit Begin Constants 
%IDC_HEX  = &H3E9%
%IDC_LONG = 1001&
%IDC_BYTE=&HFF???
%IDC_NEG  = -7 ' a comment
%IDC_HEX  = 5
    %IDC_INDENTED = 3
x = 1 : %IDC_NOTFIRST = 4
%IDC_NOVALUE
#Wrenkit End Constants
#Wrenkit Begin AssignAccel 
Function AssignAccel() As Long
%IDC_INFUNCTION = 9
#Wrenkit End AssignAccel
