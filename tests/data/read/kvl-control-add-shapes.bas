#Wrenkit Created
#Wrenkit Begin Constants 
%IDD_D = 101
%IDC_L = 1001
%IDC_C = 1002
%IDC_LV = 1003
%IDC_SB = 1004
%IDC_X = 1005
%IDC_Q = 1006
#Wrenkit End Constants
#Wrenkit Begin Dialog %IDD_D->->
    Local hDlg As Dword

    Dialog New hParent, "D", 0, 0, 200, 100, To hDlg
    Control Add Label, hDlg, %IDC_L, "Name: ""x""", 5, 6, 50, 10
    Control Add ComboBox, hDlg, %IDC_C, , 5, 20, 100, 40
    Control Add "SysListView32", hDlg, %IDC_LV, "SysListView32_1", _
        5, 60, 100, 50, %WS_CHILD Or %WS_VISIBLE Or %WS_BORDER Or %WS_TABSTOP _
        Or %LVS_REPORT Or %LVS_SHOWSELALWAYS, %WS_EX_LEFT Or _
        %WS_EX_RIGHTSCROLLBAR

    Control Add ScrollBar, hDlg, %IDC_SB, "", 1, 2, 10, 100, %WS_CHILD Or %WS_VISIBLE Or %SBS_VERT
    Control Add "MyGrid", hDlg, %IDC_X, "Grid", 1, 2, 3, 4, %WS_CHILD Or &H20, 
    Control Add "Button", hDlg, %IDC_Q, "Q", 1, 2, 3, 4, %WS_CHILD Or %BS_AUTOCHECKBOX
    Control Add Label, hDlg, -1, "static", 1, 2, 3, 4
    Control Add Unknown, hDlg, -1, "x", 1, 2, 3, 4
    Control Add "MyGrid", hDlg, %IDC_EMPTY, "", 1, 2, 3, 4, 
#Wrenkit End Dialog
