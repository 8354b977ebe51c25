// The main window as a user meets it: class, title, menu, accelerators,
// toolbar, status bar, layout, help texts and Exit.
#include "tests/win/shell_fixture.h"

#include "app/main_bars.h"

namespace {

bool gbLoopTimedOut = false;

void CALLBACK EndStuckLoop(HWND, UINT, UINT_PTR, DWORD) {
    gbLoopTimedOut = true;
    PostQuitMessage(99);
}

RECT ChildRect(HWND hChild) {
    RECT tRect{};
    GetWindowRect(hChild, &tRect);
    MapWindowPoints(nullptr, GetParent(hChild), reinterpret_cast<POINT*>(&tRect), 2);
    return tRect;
}

int Height(HWND hWnd) {
    RECT tRect{};
    GetWindowRect(hWnd, &tRect);
    return tRect.bottom - tRect.top;
}

using MainWindow = ShellTest;

} // namespace

TEST_F(MainWindow, HasItsClassTitleMenuAndAccelerators) {
    HWND hWnd = CreateShown();
    ASSERT_TRUE(hWnd);
    EXPECT_EQ(WindowClassName(hWnd), "KvDlgEdit");
    EXPECT_EQ(WindowText(hWnd), "Wrenkit");
    EXPECT_EQ(FindWindowA("KvDlgEdit", nullptr), hWnd);

    HMENU hMenu = GetMenu(hWnd);
    // The hidden commands are gone without their settings keys.
    EXPECT_EQ(MenuItemText(hMenu, IDM_VIEW_TESTVALUES), "");
    EXPECT_EQ(MenuItemText(hMenu, IDM_VIEW_SDKRC), "");
    EXPECT_EQ(MenuItemText(hMenu, IDM_VIEW_SDKBASIC), "");

    ASSERT_TRUE(ghAccelMain);
    ACCEL atAccel[64];
    const int lCount = CopyAcceleratorTableA(ghAccelMain, atAccel, 64);
    EXPECT_EQ(lCount, 31);
    bool bAltF4 = false;
    for (int i = 0; i < lCount; ++i) {
        if (atAccel[i].key == VK_F4 && (atAccel[i].fVirt & FALT)) {
            bAltF4 = atAccel[i].cmd == IDM_EXIT;
        }
    }
    EXPECT_TRUE(bAltF4);
}

TEST_F(MainWindow, HiddenCommandsStayWithTheirSettingsKeys) {
    SettingsWriteText("Settings", "TavikTest", "1");
    SettingsWriteText("Settings", "RC_SDK", "1");
    HWND hWnd = CreateShown();
    ASSERT_TRUE(hWnd);
    EXPECT_EQ(MenuItemText(GetMenu(hWnd), IDM_VIEW_TESTVALUES), "&Tavik's Test Values");
    EXPECT_EQ(MenuItemText(GetMenu(hWnd), IDM_VIEW_SDKBASIC),
              "SDK - &Basic Integration Code for RC...");
}

TEST_F(MainWindow, ExitCommandEndsTheMessageLoopAndSavesThePosition) {
    HWND hWnd = CreateShown(700, 500);
    ASSERT_TRUE(hWnd);
    SetWindowPos(hWnd, nullptr, 30, 40, 700, 500, SWP_NOZORDER);
    gbLoopTimedOut = false;
    UINT_PTR lTimer = SetTimer(nullptr, 0, 10000, EndStuckLoop);
    PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
    const int lResult = RunMessageLoop();
    KillTimer(nullptr, lTimer);
    EXPECT_FALSE(gbLoopTimedOut);
    EXPECT_EQ(lResult, 0);
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(SettingsGetText("Settings", "MainDlgMax"), "0");
    EXPECT_EQ(SettingsGetText("Settings", "MainDlgPos"), "30,40,730,540");
}

TEST_F(MainWindow, LargeToolbarWithLabels) {
    gtOptions.lToolbarSize = 1;
    gtOptions.lToolbarText = 1;
    HWND hWnd = CreateShown();
    ASSERT_TRUE(hWnd);
    EXPECT_EQ(GetDlgCtrlID(ghToolbar), 202);
    EXPECT_EQ(SendMessageA(ghToolbar, TB_BUTTONCOUNT, 0, 0), 22);
    char szLabel[64] = "";
    SendMessageA(ghToolbar, TB_GETBUTTONTEXTA, IDM_IDEDITOR, reinterpret_cast<LPARAM>(szLabel));
    EXPECT_STREQ(szLabel, "ID Edit");
    SendMessageA(ghToolbar, TB_GETBUTTONTEXTA, IDM_SELECTDIALOG, reinterpret_cast<LPARAM>(szLabel));
    EXPECT_STREQ(szLabel, "SelDlg");
    const LRESULT lSize = SendMessageA(ghToolbar, TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GT(LOWORD(lSize), 24);
    EXPECT_GT(HIWORD(lSize), 24 + 8); // image and a line of text
    EXPECT_FALSE(SaveWindowScreenshot(hWnd, "main_window_large_toolbar").empty());
}

TEST_F(MainWindow, StatusBarPartsIconsAndPositionTexts) {
    HWND hWnd = CreateShown();
    ASSERT_TRUE(ghStatus);
    EXPECT_EQ(GetDlgCtrlID(ghStatus), 102);
    int alRight[8] = {};
    ASSERT_EQ(SendMessageA(ghStatus, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(alRight)), 4);
    RECT tClient{};
    GetClientRect(hWnd, &tClient);
    EXPECT_EQ(alRight[0], tClient.right - 200);
    EXPECT_EQ(alRight[1], tClient.right - 110);
    EXPECT_EQ(alRight[2], tClient.right - 20);
    EXPECT_TRUE(SendMessageA(ghStatus, SB_GETICON, 1, 0));
    EXPECT_TRUE(SendMessageA(ghStatus, SB_GETICON, 2, 0));

    ShowPosSize(RECT{10, 20, 40, 60});
    char szText[64] = "";
    SendMessageA(ghStatus, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(szText));
    EXPECT_STREQ(szText, "10, 20");
    SendMessageA(ghStatus, SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(szText));
    EXPECT_STREQ(szText, "30 x 40");
    ClearPosSize();
    SendMessageA(ghStatus, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(szText));
    EXPECT_STREQ(szText, "");
}

TEST_F(MainWindow, WorkspaceFollowsTheSizeAndTheSizeHasAMinimum) {
    HWND hWnd = CreateShown(800, 560);
    PumpMessages(200);
    EXPECT_FALSE(SaveWindowScreenshot(hWnd, "main_window").empty());
    ASSERT_TRUE(ghWorkspace);
    EXPECT_EQ(WindowClassName(ghWorkspace), "Static");
    for (int cx : {800, 500}) {
        SetWindowPos(hWnd, nullptr, 0, 0, cx, 400, SWP_NOZORDER | SWP_NOMOVE);
        PumpMessages(20);
        RECT tClient{};
        GetClientRect(hWnd, &tClient);
        const RECT tWork = ChildRect(ghWorkspace);
        EXPECT_EQ(tWork.left, 0);
        EXPECT_EQ(tWork.top, Height(ghToolbar) - 4);
        EXPECT_EQ(tWork.right, tClient.right);
        EXPECT_EQ(tWork.bottom, tClient.bottom - Height(ghStatus));
        int alRight[4] = {};
        SendMessageA(ghStatus, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(alRight));
        EXPECT_EQ(alRight[0], tClient.right - 200);
    }
    MINMAXINFO tInfo{};
    SendMessageA(hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&tInfo));
    EXPECT_EQ(tInfo.ptMinTrackSize.x, 240);
    EXPECT_EQ(tInfo.ptMinTrackSize.y,
              2 * (Height(ghToolbar) + Height(ghStatus) + GetSystemMetrics(SM_CYCAPTION) +
                   GetSystemMetrics(SM_CYMENU)));
}

TEST_F(MainWindow, TitleAndHelpTexts) {
    HWND hWnd = CreateShown();
    SetTitle(hWnd, "C:\\Work\\Dialogs.bas");
    EXPECT_EQ(WindowText(hWnd), "Wrenkit - [C:\\Work\\Dialogs.bas]");
    SetTitle(hWnd, "");
    EXPECT_EQ(WindowText(hWnd), "Wrenkit");

    EXPECT_EQ(HelpText(IDM_OPEN, 1), "Opens a KVL source file");
    EXPECT_EQ(HelpText(IDM_OPEN, 2), "Open");
    EXPECT_EQ(HelpText(IDM_OPEN, 0), "Opens a KVL source file\nOpen");
    EXPECT_EQ(HelpText(12345, 1), "");
    EXPECT_EQ(HelpText(12345, 2), "");
    // Every command of the menu and every tool has both halves.
    for (int lId = IDM_NEWDIALOG; lId <= IDM_ABOUT; ++lId) {
        if (!MenuItemText(GetMenu(hWnd), static_cast<UINT>(lId)).empty()) {
            EXPECT_FALSE(HelpText(lId, 1).empty()) << lId;
            EXPECT_FALSE(HelpText(lId, 2).empty()) << lId;
        }
    }
    for (int lId = 2001; lId <= 2030; ++lId) {
        EXPECT_FALSE(HelpText(lId, 2).empty()) << lId;
    }
}

TEST_F(MainWindow, StatusHelpFromMenusAndTooltipsWhileActive) {
    HWND hWnd = CreateShown();
    SendMessageA(hWnd, WM_MENUSELECT, MAKEWPARAM(IDM_SAVE, MF_HILITE),
                 reinterpret_cast<LPARAM>(GetMenu(hWnd)));
    EXPECT_EQ(WindowText(ghStatus), "Saves the current file");
    SendMessageA(hWnd, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(WindowText(ghStatus), "");

    NMTTDISPINFOA tTip{};
    tTip.hdr.hwndFrom = ghToolbar;
    tTip.hdr.idFrom = IDM_PASTE;
    tTip.hdr.code = TTN_NEEDTEXTA;
    glAppActive = 1;
    SendMessageA(hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tTip));
    ASSERT_TRUE(tTip.lpszText);
    EXPECT_STREQ(tTip.lpszText, "Paste");
    // An inactive program shows no tooltips.
    glAppActive = 0;
    tTip.lpszText = nullptr;
    SendMessageA(hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tTip));
    EXPECT_EQ(tTip.lpszText, nullptr);
}
