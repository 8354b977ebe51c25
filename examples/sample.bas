#Wrenkit Created
'--------------------------------------------------------------------------------
' The first line in this file is a Wrenkit metastatement.    
' It should ALWAYS be the first line of the file. Other      
' Wrenkit metastatements are placed at the beginning and     
' ending of blocks of code that should be edited using       
' Wrenkit only. Do not edit or delete these                  
' metastatements or Wrenkit will not be able to reread       
' the file correctly. See the Wrenkit documentation for      
' more information.                                          
' Beginning blocks begin like this: #Wrenkit Begin ...       
' Ending blocks begin like this:    #Wrenkit End ...         
' Other Wrenkit metastatements such as:                      
'     #Wrenkit Declarations                                  
' are used to tell Wrenkit where to insert additional        
' code. Feel free to make changes anywhere else in the file. 
'--------------------------------------------------------------------------------

#Compile Exe
#Dim All

'--------------------------------------------------------------------------------
'   ** Includes **
'--------------------------------------------------------------------------------
#Wrenkit Begin Includes 
#If Not %Def(%KVWINAPI)
    #Include "KVWINAPI.INC"
#EndIf
#Wrenkit End Includes
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
'   ** Constants **
'--------------------------------------------------------------------------------
#Wrenkit Begin Constants 
%IDD_DIALOG1        = 101
%IDC_TEXTBOX1       = 1001
%IDC_BUTTON1        = 1002
%IDR_MENU1          = 102
%IDM_FILE_OPEN      = 1003
%IDM_FILE_EXIT      = 1004
%IDR_ACCELERATOR1   = 103
#Wrenkit End Constants
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
'   ** Declarations **
'--------------------------------------------------------------------------------
Declare Function AttachMENU1(ByVal hDlg As Dword) As Dword
Declare Function AssignAccel(tAccel As ACCELAPI, ByVal wKey As Word, ByVal wCmd _
    As Word, ByVal byFVirt As Byte) As Long
Declare Function AttachACCELERATOR1(ByVal hDlg As Dword) As Dword
Declare CallBack Function ShowDIALOG1Proc()
Declare Function ShowDIALOG1(ByVal hParent As Dword) As Long
#Wrenkit Declarations
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
Function KvMain()
    ShowDIALOG1 %HWND_DESKTOP
End Function
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
'   ** Menus **
'--------------------------------------------------------------------------------
Function AttachMENU1(ByVal hDlg As Dword) As Dword
#Wrenkit Begin Menu %IDR_MENU1->%IDD_DIALOG1
    Local hMenu As Dword
    Local hPopUp1 As Dword

    Menu New Bar To hMenu
    Menu New PopUp To hPopUp1
    Menu Add PopUp, hMenu, "&File", hPopUp1, %MF_ENABLED
        Menu Add String, hPopUp1, "&Open" + $Tab + "Ctrl+O", %IDM_FILE_OPEN, _
            %MF_ENABLED
        Menu Add String, hPopUp1, "-", 0, 0
        Menu Add String, hPopUp1, "E&xit", %IDM_FILE_EXIT, %MF_ENABLED

    Menu Attach hMenu, hDlg

#Wrenkit End Menu
    Function = hMenu
End Function
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
'   ** Accelerators **
'--------------------------------------------------------------------------------
#Wrenkit Begin AssignAccel 
Function AssignAccel(tAccel As ACCELAPI, ByVal wKey As Word, ByVal wCmd As Word, _
    ByVal byFVirt As Byte) As Long
    tAccel.fVirt = byFVirt
    tAccel.key = wKey
    tAccel.cmd = wCmd
End Function
#Wrenkit End AssignAccel
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
Function AttachACCELERATOR1(ByVal hDlg As Dword) As Dword
#Wrenkit Begin Accel %IDR_ACCELERATOR1->%IDD_DIALOG1
    Local hAccel As Dword
    Local tAccel() As ACCELAPI
    Dim tAccel(1 To 1)

    AssignAccel tAccel(1), Asc("O"), %IDM_FILE_OPEN, %FVIRTKEY Or %FCONTROL Or _
        %FNOINVERT

    Accel Attach hDlg, tAccel() To hAccel

#Wrenkit End Accel
    Function = hAccel
End Function
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
'   ** CallBacks **
'--------------------------------------------------------------------------------
CallBack Function ShowDIALOG1Proc()
    Select Case CbMsg
        Case %WM_COMMAND
            Select Case CbCtl
                Case %IDC_TEXTBOX1
                Case %IDC_BUTTON1
                    If CbCtlMsg = %BN_CLICKED Or CbCtlMsg = 1 Then
                        MsgBox "%IDC_BUTTON1=" + Format$(%IDC_BUTTON1), _
                            %MB_SYSTEMMODAL
                    End If
                Case %IDM_FILE_OPEN
                    MsgBox "%IDM_FILE_OPEN=" + Format$(%IDM_FILE_OPEN), _
                        %MB_SYSTEMMODAL
                Case %IDM_FILE_EXIT
                    MsgBox "%IDM_FILE_EXIT=" + Format$(%IDM_FILE_EXIT), _
                        %MB_SYSTEMMODAL

            End Select
    End Select

End Function
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
'   ** Dialogs **
'--------------------------------------------------------------------------------
Function ShowDIALOG1(ByVal hParent As Dword) As Long
    Local lRslt As Long
#Wrenkit Begin Dialog %IDD_DIALOG1->%IDR_MENU1->%IDR_ACCELERATOR1
    Local hDlg As Dword

    Dialog New hParent, "Dialog1", 70, 70, 201, 121, To hDlg
    Control Add TextBox, hDlg, %IDC_TEXTBOX1, "TextBox1", 5, 5, 100, 13
    Control Add Button, hDlg, %IDC_BUTTON1, "Button1", 145, 100, 50, 15

    AttachMENU1 hDlg

    AttachACCELERATOR1 hDlg

#Wrenkit End Dialog

    Dialog Show Modal hDlg, Call ShowDIALOG1Proc To lRslt

    Function = lRslt
End Function
'--------------------------------------------------------------------------------

