' written before the marker
#Wrenkit Created
' mine   

#Wrenkit Begin Includes 
#Include "X.INC"
#Wrenkit End Includes
Sub Mine()   	
End Sub
#Wrenkit Declarations
' after declarations
#Wrenkit Begin Constants 
%A = 1
#Wrenkit End Constants
no final line end   