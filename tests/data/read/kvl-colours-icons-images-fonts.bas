#Wrenkit Created
#Wrenkit Begin Constants 
%IDD_D = 101
%IDR_IMGFILE1 = 102
%IDR_ICON = 103
%IDC_IMG = 1001
%IDC_L = 1002
%IDC_B = 1003
#Wrenkit End Constants
#Wrenkit Begin Dialog %IDD_D->->
    Local hDlg As Dword

    Local hFont1 As Dword
    Local hFont2 As Dword


    Dialog New hParent, "D", 0, 0, 200, 100, To hDlg
    Dialog Set Icon hDlg, "#" + Format$(%IDR_ICON)
    Dialog Set Color hDlg, -1, %Yellow
    Control Add Image, hDlg, %IDC_IMG, "#" + Format$(%IDR_IMGFILE1), 5, 30, 30, 30
    Control Add Label, hDlg, %IDC_L, "L", 1, 2, 3, 4
    Control Set Color hDlg, %IDC_L, RGB(0, 128, 64), &H123456
    Control Add Button, hDlg, %IDC_B, "B", 1, 2, 3, 4

    hFont1 = WrenkitMakeFont("Tahoma", 10, 700, %FALSE, %TRUE, %FALSE, %ANSI_CHARSET)
    hFont2 = WrenkitMakeFont("Courier New", 9, %FW_REGULAR, 1, 0, 0, 2)

    Dialog Send hDlg, %WM_SETFONT, hFont1, 0
    Control Send hDlg, %IDC_L, %WM_SETFONT, hFont2, 0
    Control Send hDlg, %IDC_B, %WM_SETFONT, hFont9, 0
#Wrenkit End Dialog
