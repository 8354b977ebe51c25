// The Options dialog, its prefix editor and the About box, driven as a user
// would: what OK writes to the settings file, what Cancel leaves alone.
#include "tests/win/modal_watch.h"

#include "app/about_box.h"
#include "app/options_dialog.h"
#include "props/props_ids.h"
#include "styles/control_kinds.h"

namespace {

using OptionsDialog = ShellTest;

// A page of the Options dialog: 0 General, 1 ID Name Prefixes.
HWND Page(HWND hDlg, int lIndex) {
    const int lMark = lIndex == 0 ? IDC_OPT_SHOWGRID : IDC_PREFIX_LIST;
    for (HWND h = GetWindow(hDlg, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (WindowClassName(h) == "#32770" && GetDlgItem(h, lMark)) {
            return h;
        }
    }
    return nullptr;
}

std::string ComboText(HWND hPage, int lId) {
    char szText[32] = "";
    GetDlgItemTextA(hPage, lId, szText, sizeof(szText));
    return szText;
}

RECT DialogChildRect(HWND hDlg, HWND hChild) {
    RECT tRect{};
    GetWindowRect(hChild, &tRect);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&tRect), 2);
    return tRect;
}

void SelectTab(HWND hDlg, int lTab) {
    HWND hTab = GetDlgItem(hDlg, IDC_OPT_TAB);
    SendMessageA(hTab, TCM_SETCURSEL, static_cast<WPARAM>(lTab), 0);
    NMHDR tHdr{hTab, IDC_OPT_TAB, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(hDlg, WM_NOTIFY, IDC_OPT_TAB, reinterpret_cast<LPARAM>(&tHdr));
}

} // namespace

TEST_F(OptionsDialog, OkWritesEveryOptionAndTellsOnceAboutTheToolbar) {
    ASSERT_TRUE(CreateShown());
    bool bFilled = false;
    bool bFocus = false;
    bool bTextEnabled = false;
    WatchFor("Options", [&](HWND hDlg) {
        HWND hGeneral = Page(hDlg, 0);
        bFilled = IsDlgButtonChecked(hGeneral, IDC_OPT_SHOWGRID) == BST_CHECKED &&
                  ComboText(hGeneral, IDC_OPT_GRIDX) == "5" &&
                  ComboText(hGeneral, IDC_OPT_TABRC) == "4" &&
                  WindowText(GetDlgItem(hGeneral, IDC_OPT_WRAPPOS)) == "80" &&
                  IsDlgButtonChecked(hGeneral, IDC_OPT_TBSMALL) == BST_CHECKED &&
                  !IsWindowEnabled(GetDlgItem(hGeneral, IDC_OPT_TBTEXT));
        bFocus = GetFocus() == GetDlgItem(hGeneral, IDC_OPT_SHOWGRID);
        SendDlgItemMessageA(hGeneral, IDC_OPT_GRIDX, CB_SETCURSEL, 7, 0);
        SendDlgItemMessageA(hGeneral, IDC_OPT_TABKVL, CB_SETCURSEL, 1, 0);
        ClickButton(hGeneral, IDC_OPT_SNAP);
        ClickButton(hGeneral, IDC_OPT_PASTECOPIED);
        ClickButton(hGeneral, IDC_OPT_TBLARGE);
        bTextEnabled = IsWindowEnabled(GetDlgItem(hGeneral, IDC_OPT_TBTEXT));
        ClickButton(hGeneral, IDC_OPT_TBTEXT);
        ClickButton(hGeneral, IDC_OPT_HDRCOMMENT);
        PressButton(hDlg, IDOK);
    });
    Answer("Wrenkit", IDOK);
    Command(IDM_OPTIONS);
    PumpMessages(200); // a second message would show up here
    EXPECT_TRUE(bFilled);
    EXPECT_TRUE(bFocus);
    EXPECT_TRUE(bTextEnabled);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText,
              "Changes to the Toolbar will take effect the next time you start Wrenkit.");

    EXPECT_EQ(SettingsGetText("Options", "GridX"), "8");
    EXPECT_EQ(SettingsGetText("Options", "GridY"), "5");
    EXPECT_EQ(SettingsGetText("Options", "SnapToGrid"), "0");
    EXPECT_EQ(SettingsGetText("Options", "TabSizeKVL"), "2");
    EXPECT_EQ(SettingsGetText("Options", "PasteLoc"), "1");
    EXPECT_EQ(SettingsGetText("Options", "ToolbarSize"), "1");
    EXPECT_EQ(SettingsGetText("Options", "ToolbarText"), "1");
    EXPECT_EQ(SettingsGetText("Options", "HdrComment"), "0");
    EXPECT_EQ(SettingsGetText("Options", "WrapPos"), "80");
    EXPECT_EQ(SettingsGetText("Options", "GripperColor1"), "&H80000002");
    EXPECT_EQ(SettingsGetText("Prefixes", "0"), "%IDD_");
    EXPECT_EQ(gtOptions.lGridX, 8);
    EXPECT_EQ(gtOptions.byPasteLoc, 1);
    EXPECT_NE(gtOptions.hGripperBrush1, 0u);
    // The toolbar keeps its size until the next start.
    EXPECT_LT(LOWORD(SendMessageA(ghToolbar, TB_GETBUTTONSIZE, 0, 0)), 30);
}

TEST_F(OptionsDialog, CancelWritesNothingAndTheWrapPositionIsCorrected) {
    ASSERT_TRUE(CreateShown());
    std::string sWrapLow;
    std::string sWrapHigh;
    WatchFor("Options", [&](HWND hDlg) {
        HWND hGeneral = Page(hDlg, 0);
        HWND hWrap = GetDlgItem(hGeneral, IDC_OPT_WRAPPOS);
        SetFocus(hWrap);
        SetWindowTextA(hWrap, "30");
        SetFocus(GetDlgItem(hGeneral, IDC_OPT_SHOWGRID));
        sWrapLow = WindowText(hWrap);
        SetFocus(hWrap);
        SetWindowTextA(hWrap, "500");
        SetFocus(GetDlgItem(hGeneral, IDC_OPT_SHOWGRID));
        sWrapHigh = WindowText(hWrap);
        SendDlgItemMessageA(hGeneral, IDC_OPT_GRIDX, CB_SETCURSEL, 9, 0);
        ClickButton(hGeneral, IDC_OPT_TBLARGE);
        PressButton(hDlg, IDCANCEL);
    });
    Command(IDM_OPTIONS);
    EXPECT_EQ(sWrapLow, "60");
    EXPECT_EQ(sWrapHigh, "240");
    EXPECT_EQ(SettingsGetText("Options", "GridX"), "");
    EXPECT_EQ(SettingsGetText("Options", "ToolbarSize"), "");
    EXPECT_EQ(gtOptions.lGridX, 5);
    EXPECT_EQ(gtOptions.lToolbarSize, 0);
}

TEST_F(OptionsDialog, AGripperColourIsAColourOnlyAfterOk) {
    ASSERT_TRUE(CreateShown());
    const uintptr_t hBrushBefore = gtOptions.hGripperBrush1;
    for (int lButton : {IDCANCEL, IDOK}) {
        WatchFor("Options", [&](HWND hDlg) {
            HWND hGeneral = Page(hDlg, 0);
            // The colour popup: the third swatch of its palette.
            WatchFor("Colors", [&, hDlg](HWND hColors) {
                PostMessageA(hColors, WM_COMMAND, MAKEWPARAM(IDC_COLOR_FIRST + 2, STN_CLICKED), 0);
                WatchFor("Options", [&](HWND hOptions) { PressButton(hOptions, lButton); });
            });
            PostMessageA(hGeneral, WM_COMMAND, MAKEWPARAM(IDC_OPT_COLOR1BTN, BN_CLICKED), 0);
        });
        Command(IDM_OPTIONS);
        PumpMessages(50);
        if (lButton == IDCANCEL) {
            EXPECT_EQ(SettingsGetText("Options", "GripperColor1"), "");
            EXPECT_EQ(gtOptions.lGripperColor1, wkSysColorFlag | COLOR_ACTIVECAPTION);
            EXPECT_EQ(gtOptions.hGripperBrush1, hBrushBefore);
        } else {
            EXPECT_EQ(SettingsGetText("Options", "GripperColor1"), "&HFF0000");
            EXPECT_EQ(gtOptions.lGripperColor1, RGB(0, 0, 255));
            LOGBRUSH tBrush{};
            ASSERT_TRUE(GetObjectA(reinterpret_cast<HBRUSH>(gtOptions.hGripperBrush1),
                                   sizeof(tBrush), &tBrush));
            EXPECT_EQ(tBrush.lbColor, RGB(0, 0, 255));
        }
    }
}

TEST_F(OptionsDialog, PrefixesAreListedEditedAndNormalised) {
    ASSERT_TRUE(CreateShown());
    std::vector<std::string> asRow;
    WatchFor("Options", [&](HWND hDlg) {
        SelectTab(hDlg, 1);
        HWND hPrefixes = Page(hDlg, 1);
        HWND hList = GetDlgItem(hPrefixes, IDC_PREFIX_LIST);
        EXPECT_TRUE(IsWindowVisible(hPrefixes));
        EXPECT_FALSE(IsWindowVisible(Page(hDlg, 0)));
        EXPECT_EQ(SendMessageA(hList, LVM_GETITEMCOUNT, 0, 0), 32);
        for (int lRow : {0, 1, 2, 3, 31}) {
            asRow.push_back(ListViewText(hList, lRow, 0) + " " + ListViewText(hList, lRow, 1));
        }
        LVITEMA tSel{};
        tSel.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        tSel.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(hList, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&tSel));
        WatchFor("Edit ID Name Prefix", [hDlg](HWND hEdit) {
            SetDlgItemTextA(hEdit, IDC_PREFIX_TEXT, "my dlg");
            PressButton(hEdit, IDOK);
            WatchFor("Options", [](HWND hOptions) { PressButton(hOptions, IDOK); });
        });
        PostMessageA(hPrefixes, WM_COMMAND, MAKEWPARAM(IDC_PREFIX_CHANGE, BN_CLICKED), 0);
    });
    Command(IDM_OPTIONS);
    ASSERT_EQ(asRow.size(), 5u);
    EXPECT_EQ(asRow[0], "%IDR_ Other Resource");
    EXPECT_EQ(asRow[1], "%IDM_ Menu Item");
    EXPECT_EQ(asRow[2], "%IDD_ Dialog");
    EXPECT_EQ(asRow[3], "%IDC_ Control - " + CtlTypeToolName(1));
    EXPECT_EQ(asRow[4], "%IDC_ Control - " + CtlTypeToolName(29));
    EXPECT_EQ(gasIDPrefix[0], "%my_dlg");
    EXPECT_EQ(SettingsGetText("Prefixes", "0"), "%my_dlg");
    EXPECT_EQ(SettingsGetText("Prefixes", "-2"), "%IDR_");
}

TEST_F(OptionsDialog, LayoutFollowsTheDialogUnits) {
    HWND hWnd = CreateShown();
    RECT tExpected{4, 4, 4 + 254, 4 + 208};
    RECT tTab{};
    RECT tPage{};
    RECT tArea{};
    WatchFor("Options", [&](HWND hDlg) {
        MapDialogRect(hDlg, &tExpected);
        tTab = DialogChildRect(hDlg, GetDlgItem(hDlg, IDC_OPT_TAB));
        tPage = DialogChildRect(hDlg, Page(hDlg, 0));
        tArea = tTab;
        SendDlgItemMessageA(hDlg, IDC_OPT_TAB, TCM_ADJUSTRECT, FALSE,
                            reinterpret_cast<LPARAM>(&tArea));
        PressButton(hDlg, IDCANCEL);
    });
    Command(IDM_OPTIONS);
    EXPECT_TRUE(EqualRect(&tTab, &tExpected));
    EXPECT_EQ(tPage.left, tArea.left);
    EXPECT_EQ(tPage.top, tArea.top);
    EXPECT_LE(tPage.right, tTab.right);
    EXPECT_LE(tPage.bottom, tTab.bottom);
    EXPECT_TRUE(IsWindowEnabled(hWnd));
}

TEST_F(OptionsDialog, AboutBoxReadsTheProgramsVersionResource) {
    ASSERT_TRUE(CreateShown());
    EXPECT_EQ(ProgramVersionString("ProductName"), "Wrenkit");
    EXPECT_EQ(ProgramVersionString("NoSuchValue"), "");
    std::string sVersion;
    std::string sProduct;
    WatchFor("About Wrenkit", [&](HWND hDlg) {
        sProduct = WindowText(GetDlgItem(hDlg, IDC_ABOUT_PRODUCT));
        sVersion = WindowText(GetDlgItem(hDlg, IDC_ABOUT_VERSION));
        PressButton(hDlg, IDOK);
    });
    Command(IDM_ABOUT);
    EXPECT_EQ(sProduct, "Wrenkit");
    EXPECT_EQ(sVersion, "Version " + ProgramVersionString("ProductVersion"));
    EXPECT_NE(sVersion, "Version ");
}

TEST_F(OptionsDialog, ThePlaceholderPictureIconAndAnimationLoad) {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    HBITMAP hBmp = LoadBitmapA(hInst, MAKEINTRESOURCEA(IDB_PLACEHOLDER));
    ASSERT_TRUE(hBmp);
    DeleteObject(hBmp);
    for (int lId : {IDI_MAIN, IDI_DIALOG, IDI_STATUSPOS, IDI_STATUSSIZE}) {
        EXPECT_TRUE(LoadIconA(hInst, MAKEINTRESOURCEA(lId))) << lId;
    }
    HWND hAnim = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_POPUP | ACS_TRANSPARENT, 0, 0, 64, 64,
                                 nullptr, nullptr, hInst, nullptr);
    ASSERT_TRUE(hAnim);
    EXPECT_TRUE(SendMessageA(hAnim, ACM_OPENA, reinterpret_cast<WPARAM>(hInst),
                             reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_ANIMATION))));
    DestroyWindow(hAnim);
}
