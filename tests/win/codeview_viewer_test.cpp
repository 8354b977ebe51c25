// The code viewer under Wine: placement over the main window, the IDE settings
// from KVWIN.INI, the accelerators, the context menu and its commands, help,
// and a screenshot of generated KVL code.
#include "codeview/code_viewer.h"
#include "codeview/codeview_ids.h"
#include "codeview/edm32edit.h"
#include "tests/support/recording_seam.h"
#include "tests/win/codeview_support.h"
#include "tests/win/modal_watch.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>

namespace {

// Shows the viewer and runs fnInside in its modal loop once it is up; then
// the viewer is closed. With pbLeftOpen the viewer is left to what fnInside
// posted (a key that closes it), and *pbLeftOpen tells whether it stayed.
bool RunViewer(HWND hOwner, const std::string& sTitle, const std::string& sText, int lMode,
               const std::function<void(HWND, HWND)>& fnInside, bool* pbLeftOpen = nullptr) {
    bool bRan = false;
    auto Close = [pbLeftOpen](HWND hViewer) {
        if (pbLeftOpen) {
            *pbLeftOpen = true;
        }
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_CLOSE, 0);
    };
    if (pbLeftOpen) {
        *pbLeftOpen = false;
    }
    WatchFor(
        sTitle,
        [&](HWND hViewer) {
            bRan = true;
            fnInside(hViewer, GetDlgItem(hViewer, IDC_CODEVIEWER_EDIT));
            if (pbLeftOpen) {
                WatchFor(sTitle, Close, true); // found only if what was posted left it open
            } else if (IsWindow(hViewer)) {
                SendMessageA(hViewer, WM_COMMAND, IDM_CV_CLOSE, 0);
            }
        },
        true);
    const bool bShown = ShowCodeViewer(hOwner, sTitle, sText, lMode);
    ModalWatches().clear();
    EXPECT_TRUE(bRan);
    return bShown;
}

struct tHookLog {
    std::vector<std::string> asLaunch;
    int lSaves = 0;
    bool bChanged = false;
    bool bSaveOk = true;
    std::vector<std::string> asHelp;
};

class CodeViewer : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CreateTestParent(tOwner, 700, 500));
        PumpMessages(20);
        gtCodeViewerHooks.pfnLaunchIde = [this](HWND, const std::string& s) {
            tLog.asLaunch.push_back(s);
        };
        gtCodeViewerHooks.pfnIsChanged = [this] { return tLog.bChanged; };
        gtCodeViewerHooks.pfnSave = [this](HWND) {
            ++tLog.lSaves;
            return tLog.bSaveOk;
        };
        gtCodeViewerHooks.pfnCurrentFile = [] { return std::string("C:\\work\\my.app\\main.bas"); };
        gtCodeViewerHooks.pfnShowHelp = [this](HWND, const std::string& sFile,
                                               const std::string& sKey) {
            tLog.asHelp.push_back(sFile + "|" + sKey);
        };
    }
    void TearDown() override {
        gtCodeViewerHooks = tCodeViewerHooks();
        DeleteFileA(IdeSettingsPath().c_str());
        DestroyWindow(tOwner.hWnd);
        PumpMessages(10);
    }
    tTestParent tOwner;
    tHookLog tLog;
};

TEST_F(CodeViewer, CoversTheOwnersClientAreaModallyWithTheControlFocused) {
    RECT tClient;
    GetClientRect(tOwner.hWnd, &tClient);
    MapWindowPoints(tOwner.hWnd, nullptr, reinterpret_cast<POINT*>(&tClient), 2);
    const bool bShown =
        RunViewer(tOwner.hWnd, gszViewKvlTitle, SampleKvl(), 2, [&](HWND hViewer, HWND hEdit) {
            EXPECT_EQ(WindowText(hViewer), "View KVL Code");
            RECT tRect;
            GetWindowRect(hViewer, &tRect);
            EXPECT_TRUE(EqualRect(&tRect, &tClient));
            EXPECT_FALSE(IsWindowEnabled(tOwner.hWnd));
            EXPECT_EQ(GetFocus(), hEdit);
            EXPECT_EQ(WindowClassName(hEdit), "EDM32EDIT");
            const LONG lStyle = GetWindowLongA(hEdit, GWL_STYLE);
            EXPECT_TRUE((lStyle & (WS_VSCROLL | WS_HSCROLL | WS_TABSTOP)) ==
                        (WS_VSCROLL | WS_HSCROLL | WS_TABSTOP));
            const LONG lExStyle = GetWindowLongA(hViewer, GWL_EXSTYLE);
            EXPECT_TRUE(lExStyle & WS_EX_CONTEXTHELP);
            EXPECT_TRUE(lExStyle & WS_EX_CLIENTEDGE);
            EXPECT_TRUE(GetWindowLongA(hViewer, GWL_STYLE) & WS_THICKFRAME);
            EXPECT_EQ(SendMessageA(hEdit, wkEmGetViewOnly, 0, 0), 1);
            EXPECT_EQ(EditText(hEdit), SampleKvl());
            // The control follows the viewer's size.
            SetWindowPos(hViewer, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
            RECT tInner;
            RECT tEditRect;
            GetClientRect(hViewer, &tInner);
            GetWindowRect(hEdit, &tEditRect);
            EXPECT_EQ(tEditRect.right - tEditRect.left, tInner.right);
            EXPECT_EQ(tEditRect.bottom - tEditRect.top, tInner.bottom);
            SendMessageA(hEdit, EM_SETSEL, 30, 60); // a selection shows the Mark colours
            UpdateWindow(hViewer);
            PumpMessages(200);
            EXPECT_FALSE(SaveWindowScreenshot(hViewer, "codeview_kvl").empty());
        });
    EXPECT_TRUE(bShown);
    EXPECT_TRUE(IsWindowEnabled(tOwner.hWnd));
    EXPECT_FALSE(FindWindowA("KvCodeViewer", nullptr));
}

TEST_F(CodeViewer, KeysGoThroughTheViewersLoop) {
    // F1 shows the topic, F7 activates the IDE, Esc closes (IDCANCEL).
    bool bLeftOpen = true;
    RunViewer(
        tOwner.hWnd, gszViewRcTitle, "STRINGTABLE\r\nBEGIN\r\nEND\r\n", 4,
        [&](HWND, HWND hEdit) {
            EXPECT_EQ(SendMessageA(hEdit, wkEmGetMode, 0, 0), 4);
            PostMessageA(hEdit, WM_KEYDOWN, VK_F1, 0);
            PostMessageA(hEdit, WM_KEYDOWN, VK_F7, 0);
            PostMessageA(hEdit, WM_KEYDOWN, VK_ESCAPE, 0);
        },
        &bLeftOpen);
    EXPECT_FALSE(bLeftOpen);
    ASSERT_EQ(tLog.asHelp.size(), 1u);
    EXPECT_EQ(tLog.asHelp[0], ViewerProgramFolder() + "Wrenkit.HLP|Viewing the code");
    ASSERT_EQ(tLog.asLaunch.size(), 1u);
    EXPECT_EQ(tLog.asLaunch[0], ""); // activate without a file
}

TEST_F(CodeViewer, ContextMenuResourceAndCommands) {
    tMenuHandle tMenuRes(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_CODEVIEWER)));
    ASSERT_TRUE(tMenuRes);
    HMENU hPopup = GetSubMenu(tMenuRes.Get(), 0);
    EXPECT_EQ(GetMenuItemCount(hPopup), 7);

    HACCEL hAccel = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_CODEVIEWER));
    ASSERT_TRUE(hAccel);
    ACCEL atAccel[8];
    ASSERT_EQ(CopyAcceleratorTableA(hAccel, atAccel, 8), 2);
    EXPECT_EQ(atAccel[1].key, VK_F7);
    EXPECT_EQ(atAccel[1].cmd, IDM_CV_OPENINIDE);
    EXPECT_TRUE(atAccel[1].fVirt & FCONTROL);

    RunViewer(tOwner.hWnd, gszViewNewKvlTitle, "Dim a\r\nDim b", 2, [&](HWND hViewer, HWND hEdit) {
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_SELECTALL, 0);
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_COPY, 0);
        EXPECT_EQ(ClipboardText(), "Dim a\r\nDim b");
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_ACTIVATEIDE, 0);
        // A right click opens the menu at the mouse; Esc-like EndMenu closes it unchosen.
        static bool sbMenuSeen;
        sbMenuSeen = false;
        SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR lId, DWORD) {
            KillTimer(nullptr, lId);
            sbMenuSeen = FindWindowA("#32768", nullptr) != nullptr;
            EndMenu();
        });
        SendMessageA(hEdit, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
        EXPECT_TRUE(sbMenuSeen);
        EXPECT_TRUE(IsWindow(hViewer)); // nothing chosen, nothing done
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_CLOSE, 0);
        EXPECT_FALSE(IsWindow(hViewer));
    });
    ASSERT_EQ(tLog.asLaunch.size(), 1u);
    EXPECT_EQ(tLog.asLaunch[0], ""); // activate without a file
}

TEST_F(CodeViewer, OpenFileInIdeAsksToSaveAndPicksTheFileByMode) {
    RecordingSeam tSeam;
    tLog.bChanged = true;
    tSeam.ExpectAsk("Save current changes?", wkAnsCancel);
    RunViewer(tOwner.hWnd, gszViewKvlTitle, "x", 2,
              [&](HWND hViewer, HWND) { SendMessageA(hViewer, WM_COMMAND, IDM_CV_OPENINIDE, 0); });
    EXPECT_TRUE(tLog.asLaunch.empty()); // Cancel: nothing at all
    EXPECT_EQ(tLog.lSaves, 0);

    tSeam.ExpectAsk("Save current changes?", wkAnsYes);
    tSeam.ExpectAsk("Save current changes?", wkAnsNo);
    RunViewer(tOwner.hWnd, gszViewRcTitle, "x", 4, [&](HWND hViewer, HWND) {
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_OPENINIDE, 0);
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_OPENINIDE, 0);
    });
    EXPECT_EQ(tLog.lSaves, 1);
    ASSERT_EQ(tLog.asLaunch.size(), 2u);
    EXPECT_EQ(tLog.asLaunch[0], "C:\\work\\my.app\\main.rc");

    // A failed save stops before the IDE; an unchanged project asks nothing.
    tLog.asLaunch.clear();
    tLog.bSaveOk = false;
    tSeam.ExpectAsk("Save current changes?", wkAnsYes);
    RunViewer(tOwner.hWnd, gszViewKvlTitle, "x", 2, [&](HWND hViewer, HWND) {
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_OPENINIDE, 0);
        tLog.bChanged = false;
        SendMessageA(hViewer, WM_COMMAND, IDM_CV_OPENINIDE, 0);
    });
    ASSERT_EQ(tLog.asLaunch.size(), 1u);
    EXPECT_EQ(tLog.asLaunch[0], "C:\\work\\my.app\\main.bas");
    tSeam.VerifyAllAsked();
    EXPECT_EQ(IdeFileForMode("C:\\a.b\\noext", 4), "C:\\a.b\\noext.rc");
    EXPECT_EQ(IdeFileForMode("C:\\a\\x.bas", 1), "");
    EXPECT_EQ(IdeFileForMode("", 2), "");
}

TEST_F(CodeViewer, KvwinIniSettingsReachTheControlAndWithoutItDefaultsStay) {
    tTestParent tParent;
    CreateTestParent(tParent);
    HWND hEdit = CreateCodeEdit(tParent.hWnd, 1);
    auto Getter = [&](unsigned lSetter) {
        return static_cast<DWORD>(SendMessageA(hEdit, lSetter + wkEmGetterOffset, 0, 0));
    };
    HFONT hOwn = reinterpret_cast<HFONT>(SendMessageA(hEdit, WM_GETFONT, 0, 0));
    EXPECT_FALSE(ApplyIdeEditorSettings(hEdit, TempFolder() + "wkcv_none\\KVWIN.INI"));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(hEdit, WM_GETFONT, 0, 0)), hOwn);
    EXPECT_EQ(Getter(wkEmSetKeywordCase), 1u);
    EXPECT_EQ(Getter(wkEmSetBasFore), 0xFF0000u);

    // The values' rules have portable tests; here the font and a colour arrive.
    const std::string sIni = TempFolder() + "wkcv_KVWIN.INI";
    ASSERT_TRUE(WriteFileText(sIni, "[Editor]\r\nFontName=Lucida Console\r\nFontSize=12\r\n"
                                    "KeyWordCase=2\r\n[Color]\r\nTextFore=00ff00\r\n"));
    {
        const tGdiFont tFont = ApplyIdeEditorSettings(hEdit, sIni);
        ASSERT_TRUE(tFont);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(hEdit, WM_GETFONT, 0, 0)), tFont.Get());
        LOGFONTA tLog{};
        GetObjectA(tFont.Get(), sizeof(tLog), &tLog);
        EXPECT_STREQ(tLog.lfFaceName, "Lucida Console");
        tWindowDC tDC(hEdit);
        EXPECT_EQ(tLog.lfHeight, -MulDiv(12, GetDeviceCaps(tDC.Get(), LOGPIXELSY), 72));
        EXPECT_EQ(Getter(wkEmSetTextFore), 0x00FF00u);
        EXPECT_EQ(Getter(wkEmSetKeywordCase), 0u);
        SendMessageA(hEdit, WM_SETFONT, 0, 0); // the font goes before the control lets go
    }
    ASSERT_TRUE(WriteFileText(sIni, "[Editor]\r\nColorSyntax=0\r\n"));
    const tGdiFont tFont = ApplyIdeEditorSettings(hEdit, sIni);
    EXPECT_EQ(Getter(wkEmSetColorSyntax), 0u);
    SendMessageA(hEdit, WM_SETFONT, 0, 0);
    DeleteFileA(sIni.c_str());
    DestroyWindow(tParent.hWnd);
}

TEST_F(CodeViewer, ReadsKvwinIniBesideTheProgram) {
    ASSERT_TRUE(WriteFileText(IdeSettingsPath(),
                              "[Editor]\r\nKeyWordCase=1\r\n[Color]\r\nStrFore=ABCDEF\r\n"));
    RunViewer(tOwner.hWnd, gszViewKvlTitle, "x", 2, [&](HWND, HWND hEdit) {
        EXPECT_EQ(SendMessageA(hEdit, wkEmSetStrFore + wkEmGetterOffset, 0, 0), 0xABCDEF);
        EXPECT_EQ(SendMessageA(hEdit, wkEmSetKeywordCase + wkEmGetterOffset, 0, 0), 1);
    });
}

} // namespace
