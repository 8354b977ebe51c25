#Wrenkit Created
text
#Wrenkit End Dialog
lost
#Wrenkit End Dialog
kept
#Wrenkit Begin Constants 
%A = 1
