'--------------------------------------------------------------------------------
'   ** Constants **
'--------------------------------------------------------------------------------
#Wrenkit Begin Constants 
%IDR_MENU1  = 101
%IDM_OPEN   = 102
%IDD_MAIN   = 102
%IDC_GO     = 103
#Wrenkit End Constants
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
'   ** CallBacks **
'--------------------------------------------------------------------------------
Function ShowMENU1Proc(ByVal hDlg As Long, ByVal wMsg As Long, ByVal wParam As _
    Long, ByVal lParam As Long) As Long

    Select Case wMsg
        Case %WM_COMMAND
            Select Case LoWrd(wParam)
                Case %IDM_OPEN
                    MsgBox "%IDM_OPEN=" + Format$(%IDM_OPEN), %MB_SYSTEMMODAL

            End Select
    End Select

    Function = DefWindowProc(hDlg, wMsg, wParam, lParam)

End Function
'--------------------------------------------------------------------------------

'--------------------------------------------------------------------------------
Function ShowMAINProc(ByVal hDlg As Long, ByVal wMsg As Long, ByVal wParam As _
    Long, ByVal lParam As Long) As Long

    Select Case wMsg
        Case %WM_COMMAND
            Select Case LoWrd(wParam)
                Case %IDC_GO
                    If HiWrd(wParam) = %BN_CLICKED Or HiWrd(wParam) = 1 Then
                        MsgBox "%IDC_GO=" + Format$(%IDC_GO), %MB_SYSTEMMODAL
                    End If

            End Select
    End Select

    Function = DefWindowProc(hDlg, wMsg, wParam, lParam)

End Function
'--------------------------------------------------------------------------------

