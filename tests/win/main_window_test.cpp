// The main window as a user meets it: class, title, menu, accelerators, Exit.
#include "app/main_window.h"
#include "resources/resource_ids.h"
#include "tests/win/support/win_test_support.h"

#include <gtest/gtest.h>

namespace {

bool gbLoopTimedOut = false;

void CALLBACK EndStuckLoop(HWND, UINT, UINT_PTR, DWORD) {
    gbLoopTimedOut = true;
    PostQuitMessage(99);
}

HWND CreateTestMainWindow() {
    HINSTANCE hInst = GetModuleHandleA(nullptr);
    EXPECT_NE(RegisterMainClass(hInst), 0);
    HWND hWnd = CreateMainWindow(hInst);
    EXPECT_NE(hWnd, nullptr);
    return hWnd;
}

} // namespace

TEST(MainWindow, HasItsClassTitleMenuAndAccelerators) {
    HWND hWnd = CreateTestMainWindow();
    ASSERT_TRUE(hWnd);
    EXPECT_EQ(WindowClassName(hWnd), "KvDlgEdit");
    EXPECT_EQ(WindowText(hWnd), "Wrenkit");
    EXPECT_EQ(FindWindowA("KvDlgEdit", nullptr), hWnd);

    HMENU hMenu = GetMenu(hWnd);
    ASSERT_TRUE(hMenu);
    const char* asTop[] = {"&File", "&Edit", "&View", "&Tools", "&Help"};
    ASSERT_EQ(GetMenuItemCount(hMenu), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(MenuItemTextByPos(hMenu, i), asTop[i]);
    }
    EXPECT_EQ(MenuItemText(hMenu, IDM_NEWDIALOG), "&New Dialog\tCtrl+N");
    EXPECT_EQ(MenuItemText(hMenu, IDM_EXIT), "E&xit\tAlt+F4");
    EXPECT_EQ(MenuItemText(hMenu, IDM_CLIP_KVL_CODE), "&Basic Integration Code Only");
    EXPECT_EQ(MenuItemText(hMenu, IDM_VIEW_SDKBASIC), "SDK - &Basic Integration Code for RC...");
    EXPECT_EQ(MenuItemText(hMenu, IDM_ABOUT), "&About Wrenkit...");
    // Save to Clipboard - RC has All, a separator and the three sections.
    HMENU hFile = GetSubMenu(hMenu, 0);
    HMENU hRc = GetSubMenu(hFile, 11);
    ASSERT_TRUE(hRc);
    EXPECT_EQ(MenuItemTextByPos(hFile, 11), "Save to Clipboard - &RC");
    EXPECT_EQ(GetMenuItemCount(hRc), 5);

    ASSERT_TRUE(ghAccelMain);
    ACCEL atAccel[64];
    const int lCount = CopyAcceleratorTableA(ghAccelMain, atAccel, 64);
    EXPECT_EQ(lCount, 28);
    bool bAltF4 = false;
    for (int i = 0; i < lCount; ++i) {
        if (atAccel[i].key == VK_F4 && (atAccel[i].fVirt & FALT)) {
            bAltF4 = atAccel[i].cmd == IDM_EXIT;
        }
    }
    EXPECT_TRUE(bAltF4);
    DestroyWindow(hWnd);
    PumpMessages(20);
}

TEST(MainWindow, ExitCommandEndsTheMessageLoop) {
    HWND hWnd = CreateTestMainWindow();
    ASSERT_TRUE(hWnd);
    ShowWindow(hWnd, SW_SHOW);
    gbLoopTimedOut = false;
    UINT_PTR lTimer = SetTimer(nullptr, 0, 10000, EndStuckLoop);
    PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
    const int lResult = RunMessageLoop();
    KillTimer(nullptr, lTimer);
    EXPECT_FALSE(gbLoopTimedOut);
    EXPECT_EQ(lResult, 0);
    EXPECT_FALSE(IsWindow(hWnd));
}

TEST(MainWindow, Screenshot) {
    HWND hWnd = CreateTestMainWindow();
    ASSERT_TRUE(hWnd);
    SetWindowPos(hWnd, nullptr, 0, 0, 800, 560, SWP_NOZORDER);
    ShowWindow(hWnd, SW_SHOW);
    UpdateWindow(hWnd);
    PumpMessages(300);
    const std::string sPath = SaveWindowScreenshot(hWnd, "main_window");
    EXPECT_FALSE(sPath.empty());
    DestroyWindow(hWnd);
    PumpMessages(20);
}
