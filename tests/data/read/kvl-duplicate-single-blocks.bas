#Wrenkit Created
#Wrenkit Begin Constants 
%A = 1
#Wrenkit End Constants
between
#WRENKIT BEGIN CONSTANTS 
%B = 2
%A = 5
#Wrenkit End Constants
after
#Wrenkit Declarations
#Wrenkit Declarations
