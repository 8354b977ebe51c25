#Wrenkit Created
#Wrenkit Copy
#Wrenkit Begin Constants 
%A = 1
#Wrenkit End Constants
