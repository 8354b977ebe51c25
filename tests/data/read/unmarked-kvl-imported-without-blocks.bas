%IDC_OK2 = 1001
Function KvMain()
    Dialog New 0, "Imported", , , 100, 50, To hDlg
    Control Add Button, hDlg, %IDC_OK2, "OK", 5, 5, 40, 14
    Control Add Button, hDlg, %IDC_NEW, "New", 50, 5, 40, 14
    Menu New Bar To hMenu
    Menu Add String, hMenu, "&Go", %IDM_GO, 0
    Menu New Bar To hMenu2
    Menu Add String, hMenu2, "&Stop", %IDM_STOP, 0
    AssignAccel tAccel(1), Asc("G"), %IDM_GO, %FVIRTKEY
    hFont1 = WrenkitMakeFont("Tahoma", 10, 400, 0, 0, 0, 0)
    Dialog Send hDlg, %WM_SETFONT, hFont1, 0
End Function
