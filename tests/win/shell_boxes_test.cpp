// The program as a user meets it with several windows open: every box is
// owned by the window the user works in and leaves the others as they were;
// drops, Save As names, the results box, help without its file and the keys
// of the code viewer and the Options dialog. Real input where it matters.
#include "tests/win/user_input.h"

#include "app/file_commands.h"
#include "app/file_dialog_ids.h"
#include "app/files/import_results.h"
#include "app/help.h"
#include "codeview/edm32edit.h"
#include "tests/win/files_support.h"

#include <commdlg.h>
#include <dlgs.h>

namespace {

using Boxes = ShellTest;

// The name field of a common file dialog.
HWND FileNameField(HWND hDlg) {
    HWND hName = GetDlgItem(hDlg, edt1);
    return hName ? hName : GetDlgItem(hDlg, cmb13);
}

// Visible windows of this thread with the text (a title, or a status text).
int CountVisible(const std::string& sText) {
    std::pair<const std::string*, int> tCount{&sText, 0};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* p = reinterpret_cast<std::pair<const std::string*, int>*>(lParam);
            p->second += IsWindowVisible(hWnd) && WindowText(hWnd) == *p->first ? 1 : 0;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tCount));
    return tCount.second;
}

// Lines a static control needs for its text at its present width.
int StaticLines(HWND hStatic) {
    HDC hDC = GetDC(hStatic);
    HGDIOBJ hOld =
        SelectObject(hDC, reinterpret_cast<HGDIOBJ>(SendMessageA(hStatic, WM_GETFONT, 0, 0)));
    TEXTMETRICA tMetric{};
    GetTextMetricsA(hDC, &tMetric);
    RECT tRect{};
    GetClientRect(hStatic, &tRect);
    const std::string sText = WindowText(hStatic);
    DrawTextA(hDC, sText.c_str(), -1, &tRect, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(hDC, hOld);
    ReleaseDC(hStatic, hDC);
    return (tRect.bottom - tRect.top) / std::max<int>(1, tMetric.tmHeight);
}

} // namespace

TEST_F(Boxes, CodeViewerOwnsItsBoxAndStartsSelectionsWhereTheUserLooks) {
    HWND hMain = CreateShown();
    HWND hViewer = nullptr;
    HWND hEdit = nullptr;
    WatchFor(
        "View KVL Code",
        [&](HWND h) {
            hViewer = h;
            hEdit = GetDlgItem(h, 1001);
            SetForegroundWindow(h);
            SendKeys({VK_F7}); // no IDE beside the program
        },
        true);
    Answer("Wrenkit", IDOK, [&](HWND hBox) {
        ExpectBox(hBox, "File is not found: ", hViewer);
        // Back in the viewer: it takes input again, the main window still waits.
        WatchFor(
            "View KVL Code",
            [&](HWND h) {
                EXPECT_TRUE(IsWindowEnabled(h));
                EXPECT_FALSE(IsWindowEnabled(hMain));
                SendKeys({VK_NEXT});
                SendKeys({VK_SHIFT, VK_DOWN});
                WatchFor(
                    "View KVL Code",
                    [&](HWND h2) {
                        // The selection runs from the first line in view, not
                        // from the top of the text the user scrolled away from.
                        const LRESULT lTop = SendMessageA(hEdit, wkEmGetTopLine, 0, 0);
                        EXPECT_GT(lTop, 0);
                        EXPECT_EQ(SendMessageA(hEdit, wkEmGetAnchorLine, 0, 0), lTop);
                        EXPECT_EQ(SendMessageA(hEdit, wkEmGetCaretLine, 0, 0), lTop + 1);
                        PostMessageA(h2, WM_CLOSE, 0, 0);
                    },
                    true);
            },
            true);
    });
    // A text longer than the window, so that Page Down scrolls.
    for (int i = 1; i <= 80; ++i) {
        AddID("%IDC_LINE" + std::to_string(i), std::to_string(2000 + i), 0);
    }
    Command(IDM_VIEW_KVL);
    EXPECT_EQ(SeenBoxes().size(), 1u);
    EXPECT_FALSE(IsWindow(hViewer));
    EXPECT_TRUE(IsWindowEnabled(hMain));
}

TEST_F(Boxes, OptionsTurnsPagesWithCtrlTabAndOwnsHelpAndToolbarBoxes) {
    HWND hMain = CreateShown();
    HWND hOptions = nullptr;
    HWND hTab = nullptr;
    auto fnPage = [&] { return SendMessageA(hTab, TCM_GETCURSEL, 0, 0); };
    WatchFor("Options", [&](HWND h) {
        hOptions = h;
        hTab = GetDlgItem(h, IDC_OPT_TAB);
        SetForegroundWindow(h);
        SendKeys({VK_CONTROL, VK_TAB});
        WatchFor("Options", [&](HWND) {
            EXPECT_EQ(fnPage(), 1);
            EXPECT_FALSE(FindVisibleControl(hOptions, IDC_OPT_TBLARGE));
            SendKeys({VK_CONTROL, VK_SHIFT, VK_TAB});
            WatchFor("Options", [&](HWND) {
                EXPECT_EQ(fnPage(), 0);
                ClickWindow(GetDlgItem(hOptions, IDHELP));
            });
        });
    });
    Answer("Wrenkit", IDOK, [&](HWND hBox) {
        ExpectBox(hBox, "File is not found: " + ProgramHelpFile(), hOptions);
        WatchFor("Options", [&](HWND h) {
            EXPECT_TRUE(IsWindowEnabled(h));
            EXPECT_FALSE(IsWindowEnabled(hMain));
            ClickWindow(FindVisibleControl(h, IDC_OPT_TBLARGE));
            WatchFor("Options", [&](HWND h2) {
                EXPECT_EQ(IsDlgButtonChecked(GetParent(FindVisibleControl(h2, IDC_OPT_TBLARGE)),
                                             IDC_OPT_TBLARGE),
                          BST_CHECKED);
                PressButton(h2, IDOK);
            });
        });
        Answer("Wrenkit", IDOK, [&](HWND hBox2) {
            ExpectBox(hBox2, "Changes to the Toolbar will take effect", hOptions);
        });
    });
    Command(IDM_OPTIONS);
    EXPECT_EQ(SeenBoxes().size(), 2u);
    EXPECT_EQ(gtOptions.lToolbarSize, 1);
    EXPECT_TRUE(IsWindowEnabled(hMain));
}

TEST_F(Boxes, ImportFromClipboardWithoutAFormatStaysTheOnlyModalWindow) {
    HWND hMain = CreateShown();
    ASSERT_EQ(PutTextOnClipboard("nothing that decides a format"), 1);
    HWND hImport = nullptr;
    WatchFor("Import from Clipboard", [&](HWND h) {
        hImport = h;
        SetForegroundWindow(h);
        ClickWindow(GetDlgItem(h, IDOK));
    });
    Answer("Wrenkit", IDOK, [&](HWND hBox) {
        ExpectBox(hBox, "You must select a File Format.", hImport);
        WatchFor("Import from Clipboard", [&](HWND h) {
            // The main window, and with it a second import, stays out of reach.
            EXPECT_TRUE(IsWindowEnabled(h));
            EXPECT_FALSE(IsWindowEnabled(hMain));
            EXPECT_EQ(CountVisible("Import from Clipboard"), 1);
            PressButton(h, IDCANCEL);
        });
    });
    Command(IDM_IMPORTCLIP);
    EXPECT_EQ(SeenBoxes().size(), 1u);
    EXPECT_TRUE(IsWindowEnabled(hMain));
}

TEST_F(Boxes, ADroppedScriptEnablesItsCommandsAndCtrlS) {
    HWND hMain = CreateShown();
    const std::string sFolder = MakeTempFolder("wk drop rc");
    WriteFileText(sFolder + "app.rc", "#define IDC_OK 1\r\n#define IDS_HELLO 2\r\nSTRINGTABLE\r\n"
                                      "BEGIN\r\n  IDS_HELLO \"Hello\"\r\nEND\r\n");
    gtOptions.lImportResults = 0;
    SendMessageA(hMain, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({sFolder + "app.rc"})), 0);
    // At once, before any other command or message could update them.
    ASSERT_GT(glStrCnt, 0);
    EXPECT_EQ(glChanged, 1);
    for (UINT lId : {IDM_SAVE, IDM_SAVEAS, IDM_CLOSE, IDM_CLIP_RC_ALL, IDM_CLIP_KVL_ALL}) {
        EXPECT_TRUE(MenuEnabled(lId)) << lId;
    }
    // Ctrl+S saves the untitled import: it asks for a name.
    bool bNamed = false;
    WatchFor("Save File As", [&](HWND h) {
        bNamed = true;
        PressButton(h, IDCANCEL);
    });
    SetForegroundWindow(hMain);
    SendKeys({VK_CONTROL, 'S'});
    PumpLikeTheProgram(1500);
    EXPECT_TRUE(bNamed);
    ModalWatches().clear();
    glChanged = 0;
}

TEST_F(Boxes, SaveAsRefusesAScriptNameAndGivesBareNamesBas) {
    HWND hMain = CreateShown();
    const std::string sFolder = MakeTempFolder("wk save names");
    AddID("%IDC_NAMED", "1001", 0);
    glChanged = 1;
    WatchFor("Save File As", [&](HWND h) {
        SetWindowTextA(FileNameField(h), (sFolder + "proj.rc").c_str());
        PressButton(h, IDOK);
    });
    WatchFor("Wrenkit", [&](HWND hBox) {
        ExpectBox(hBox, sFolder + "proj.rc", hMain);
        EXPECT_NE(MessageBoxText(hBox).find(gszNotKvlName), std::string::npos);
        PressButton(hBox, IDOK);
        WatchFor("Save File As", [&](HWND h) {
            // Asked again, with the KVL name offered.
            const std::string sOffered = WindowText(FileNameField(h));
            EXPECT_TRUE(sOffered.size() >= 8 && sOffered.substr(sOffered.size() - 8) == "proj.bas")
                << sOffered;
            SetWindowTextA(FileNameField(h), (sFolder + "plain").c_str());
            PressButton(h, IDOK);
        });
    });
    Command(IDM_SAVEAS);
    EXPECT_TRUE(ModalWatches().empty());
    ModalWatches().clear();
    EXPECT_EQ(CurrentFile(), sFolder + "plain.bas");
    EXPECT_TRUE(Exists(sFolder + "plain.bas"));
    EXPECT_FALSE(Exists(sFolder + "plain"));
    EXPECT_FALSE(Exists(sFolder + "proj.rc"));
    EXPECT_NE(MenuItemText(GetMenu(hMain), IDM_RECENT_FIRST).find("plain.bas"), std::string::npos);
}

TEST_F(Boxes, ResultsBoxGivesSixDigitCountsTheirOwnLines) {
    HWND hMain = CreateShown();
    bool bShown = false;
    WatchFor("Open/Import Results", [&](HWND h) {
        bShown = true;
        HWND hLabels = GetDlgItem(h, IDC_RESULTS_LABELS);
        HWND hNumbers = GetDlgItem(h, IDC_RESULTS_NUMBERS);
        EXPECT_EQ(StaticLines(hLabels), 7);
        EXPECT_EQ(StaticLines(hNumbers), 7);
        RECT tLabels{};
        RECT tNumbers{};
        RECT tOk{};
        RECT tClient{};
        GetWindowRect(hLabels, &tLabels);
        GetWindowRect(hNumbers, &tNumbers);
        GetWindowRect(GetDlgItem(h, IDOK), &tOk);
        EXPECT_GE(tNumbers.left, tLabels.right);
        EXPECT_GE(tOk.top, tNumbers.bottom);
        GetClientRect(h, &tClient);
        MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&tClient), 2);
        EXPECT_LE(tNumbers.right, tClient.right);
        EXPECT_LE(tOk.bottom, tClient.bottom);
        SaveWindowScreenshot(h, "results_six_digits");
        PressButton(h, IDOK);
    });
    ShowResultsBox(hMain, ImportResultLabels(), "123456\r7\r250000\r100001\r0\r999999\r3");
    EXPECT_TRUE(bShown);
}

TEST_F(Boxes, HelpWithoutItsFileSaysSoInOneBox) {
    HWND hMain = CreateShown();
    Answer("Wrenkit", IDOK,
           [&](HWND hBox) { ExpectBox(hBox, "File is not found: " + ProgramHelpFile(), hMain); });
    SetForegroundWindow(hMain);
    SendKeys({VK_F1});
    PumpLikeTheProgram(1500);
    EXPECT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(FindWindowA("MS_WINHELP", nullptr), nullptr);
    EXPECT_TRUE(IsWindowEnabled(hMain));
}

TEST_F(Boxes, AnImportEndedByNoHidesTheStatusAndCountsNothing) {
    HWND hMain = CreateShown();
    const std::string sFolder = MakeTempFolder("wk not ours");
    WriteFileText(sFolder + "other.bas", "Function KvMain\r\nEnd Function\r\n");
    Answer("Wrenkit", IDNO, [&](HWND hBox) {
        ExpectBox(hBox, "The selected file was not created by Wrenkit", hMain);
        EXPECT_EQ(CountVisible("Loading KVL File"), 0);
    });
    Answer("Open/Import Results", IDOK);
    SendMessageA(hMain, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({sFolder + "other.bas"})),
                 0);
    PumpMessages(300);
    ASSERT_EQ(SeenBoxes().size(), 1u); // asked, and no results
    EXPECT_EQ(CountVisible("Loading KVL File"), 0);
    ModalWatches().clear();
}
