// EDM32EDIT as a real window under Wine: its settings messages, loading and
// replacing text, view-only mode, selection, the clipboard, the procedure
// double-click, editing keys, scrolling and the colours it paints. (The text,
// keyword and layout rules underneath have portable tests of their own.)
#include "codeview/edm32edit.h"
#include "tests/win/codeview_support.h"
#include "tests/win/support/win_test_support.h"
#include "win/win_handles.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

class CodeEdit : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CreateTestParent(tParent));
        hEdit = CreateCodeEdit(tParent.hWnd, 77);
        ASSERT_TRUE(hEdit);
        PumpMessages(20);
    }
    void TearDown() override {
        DestroyWindow(tParent.hWnd);
        PumpMessages(10);
    }
    LRESULT Send(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(hEdit, uMsg, wParam, lParam);
    }
    void SetText(const std::string& s) {
        Send(wkEmReplaceText, 0, reinterpret_cast<LPARAM>(s.c_str()));
    }
    int Margin() { return static_cast<int>(Send(wkEmGetMarginWidth)); }
    int CellWidth() { return LOWORD(Send(wkEmGetCellSize)); }

    tTestParent tParent;
    HWND hEdit = nullptr;
};

TEST_F(CodeEdit, DefaultsAndViewOnlyAsAFlag) {
    EXPECT_EQ(WindowClassName(hEdit), "EDM32EDIT");
    // Until told otherwise the control follows the system's colours.
    const std::pair<unsigned, DWORD> atDefault[] = {
        {wkEmSetMarkFore, GetSysColor(COLOR_HIGHLIGHTTEXT)},
        {wkEmSetMarkBack, GetSysColor(COLOR_HIGHLIGHT)},
        {wkEmSetWindowBack, GetSysColor(COLOR_WINDOW)},
        {wkEmSetTextFore, GetSysColor(COLOR_WINDOWTEXT)},
        {wkEmSetTextBack, GetSysColor(COLOR_WINDOW)},
    };
    for (const auto& [lSetter, lDefault] : atDefault) {
        EXPECT_EQ(static_cast<DWORD>(Send(lSetter + wkEmGetterOffset)), lDefault) << lSetter;
    }
    EXPECT_EQ(Send(wkEmGetViewOnly), 0);
    EXPECT_EQ(Send(wkEmGetMode), 2);
    Send(wkEmSetViewOnly, 5);
    EXPECT_EQ(Send(wkEmGetViewOnly), 1);
}

TEST_F(CodeEdit, RepaintsOnlyWhenAsked) {
    UpdateWindow(hEdit);
    Send(wkEmSetBasFore, 0x00FF00, 0);
    EXPECT_FALSE(GetUpdateRect(hEdit, nullptr, FALSE));
    Send(wkEmSetBasFore, 0x00FF00, 1);
    EXPECT_TRUE(GetUpdateRect(hEdit, nullptr, FALSE));
}

TEST_F(CodeEdit, LoadFileChoosesModeByExtension) {
    const std::string sDir = TempFolder();
    const std::pair<const char*, int> atCase[] = {{"wkcv_a.rc", 4},  {"wkcv_a.TXT", 1},
                                                  {"wkcv_a.bas", 2}, {"wkcv_a.Inc", 2},
                                                  {"wkcv_a.frm", 1}, {"wkcv.d\\noext", 1}};
    CreateDirectoryA((sDir + "wkcv.d").c_str(), nullptr);
    for (const auto& [szName, lMode] : atCase) {
        const std::string sPath = sDir + szName;
        ASSERT_TRUE(WriteFileText(sPath, "one\r\ntwo\nthree\rfour"));
        Send(wkEmSetMode, lMode == 2 ? 4 : 2);
        Send(wkEmSetTopLine, 0);
        EXPECT_EQ(Send(wkEmLoadFile, 0, reinterpret_cast<LPARAM>(sPath.c_str())), 4) << szName;
        EXPECT_EQ(Send(wkEmGetMode), lMode) << szName;
        DeleteFileA(sPath.c_str());
    }
    RemoveDirectoryA((sDir + "wkcv.d").c_str());
    EXPECT_EQ(EditText(hEdit), "one\r\ntwo\r\nthree\r\nfour");
    EXPECT_TRUE(tParent.atCommand.empty());
    // A load starts at the top, with the caret there.
    SetText(SampleKvl(20));
    Send(EM_SETSEL, 40, 60);
    Send(wkEmSetTopLine, 50);
    ASSERT_GT(Send(wkEmGetTopLine), 0);
    const std::string sPath = sDir + "wkcv_start.bas";
    ASSERT_TRUE(WriteFileText(sPath, SampleKvl(20)));
    Send(wkEmLoadFile, 0, reinterpret_cast<LPARAM>(sPath.c_str()));
    DeleteFileA(sPath.c_str());
    EXPECT_EQ(Send(wkEmGetTopLine), 0);
    EXPECT_EQ(Send(wkEmGetCaretLine), 0);
    EXPECT_EQ(EditSelection(hEdit), (std::pair<DWORD, DWORD>{0, 0}));
}

TEST_F(CodeEdit, FailedLoadNotifiesTheParentAndKeepsTheText) {
    SetText("kept");
    const std::string sPath = TempFolder() + "wkcv_missing\\none.bas";
    EXPECT_EQ(Send(wkEmLoadFile, 0, reinterpret_cast<LPARAM>(sPath.c_str())), -1);
    ASSERT_EQ(tParent.atCommand.size(), 1u);
    EXPECT_EQ(tParent.atCommand[0], (std::pair<int, int>{77, 0x500}));
    EXPECT_EQ(Send(wkEmLoadFile, 0, 0), -1);
    EXPECT_EQ(EditText(hEdit), "kept");
}

TEST_F(CodeEdit, KeywordQueryFollowsTheMode) {
    auto IsKw = [&](const char* sz) {
        return Send(wkEmIsKeyword, 0, reinterpret_cast<LPARAM>(sz));
    };
    EXPECT_NE(IsKw("dim"), 0);
    EXPECT_EQ(IsKw("DIALOGEX"), 0);
    EXPECT_EQ(IsKw(nullptr), 0);
    Send(wkEmSetMode, 4);
    EXPECT_NE(IsKw("DIALOGEX"), 0);
    EXPECT_EQ(IsKw("dim"), 0);
}

TEST_F(CodeEdit, ViewOnlyHasNoCaretAndAnArrow) {
    SetFocus(hEdit);
    GUITHREADINFO tInfo{};
    tInfo.cbSize = sizeof(tInfo);
    GetGUIThreadInfo(GetCurrentThreadId(), &tInfo);
    EXPECT_EQ(tInfo.hwndCaret, hEdit);
    auto CursorAfterSetCursor = [&] {
        Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(hEdit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(CursorAfterSetCursor(), LoadCursorA(nullptr, IDC_IBEAM));

    Send(wkEmSetViewOnly, 1);
    GetGUIThreadInfo(GetCurrentThreadId(), &tInfo);
    EXPECT_EQ(tInfo.hwndCaret, nullptr);
    EXPECT_EQ(CursorAfterSetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    // Focus coming back does not bring a caret in view-only mode.
    SetFocus(tParent.hWnd);
    SetFocus(hEdit);
    GetGUIThreadInfo(GetCurrentThreadId(), &tInfo);
    EXPECT_EQ(tInfo.hwndCaret, nullptr);

    Send(wkEmSetViewOnly, 0);
    GetGUIThreadInfo(GetCurrentThreadId(), &tInfo);
    EXPECT_EQ(tInfo.hwndCaret, hEdit);
    EXPECT_EQ(CursorAfterSetCursor(), LoadCursorA(nullptr, IDC_IBEAM));
}

TEST_F(CodeEdit, DoubleClickSelectsWordOrProcedure) {
    SetText("Global x As Long\r\n"        // 0
            "Function Main() As Long\r\n" // 1
            "  Function = 5\r\n"          // 2
            "  lCount& = 1\r\n"           // 3
            "End Function\r\n"            // 4
            "y = 2\r\n");                 // 5
    const LPARAM lMarginLine3 = LinePoint(hEdit, Margin() / 2, 3);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, lMarginLine3);
    Send(WM_LBUTTONUP, 0, lMarginLine3);
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, lMarginLine3);
    // Lines 1 to 4 whole: "Function = 5" above the caret is not taken as the start.
    EXPECT_EQ(EditSelection(hEdit), (std::pair<DWORD, DWORD>{18, 88}));

    // In the text, the word under the mouse: "lCount&" is one word.
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, LinePoint(hEdit, Margin() + CellWidth() * 4 + 1, 3));
    EXPECT_EQ(EditSelection(hEdit), (std::pair<DWORD, DWORD>{61, 68}));
}

TEST_F(CodeEdit, MouseDragSelectsAndScrollsPastTheEdge) {
    SetText(SampleKvl(30));
    const int cx = CellWidth();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, LinePoint(hEdit, Margin() + cx * 1, 0));
    Send(WM_MOUSEMOVE, MK_LBUTTON, LinePoint(hEdit, Margin() + cx * 4, 1));
    EXPECT_EQ(GetCapture(), hEdit);
    EXPECT_EQ(Send(wkEmGetAnchorCol), 1);
    EXPECT_EQ(Send(wkEmGetCaretLine), 1);
    EXPECT_EQ(Send(wkEmGetCaretCol), 4);
    // Below the bottom edge the drag timer keeps scrolling while the mouse rests.
    RECT tRect;
    GetClientRect(hEdit, &tRect);
    Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(Margin() + cx, tRect.bottom + 20));
    const LRESULT lTopBefore = Send(wkEmGetTopLine);
    PumpMessages(400);
    EXPECT_GT(Send(wkEmGetTopLine), lTopBefore + 2);
    Send(WM_LBUTTONUP, 0, MAKELPARAM(Margin() + cx, tRect.bottom + 20));
    EXPECT_NE(GetCapture(), hEdit);
    const LRESULT lTopAfter = Send(wkEmGetTopLine);
    PumpMessages(200);
    EXPECT_EQ(Send(wkEmGetTopLine), lTopAfter); // released: the scrolling stops
    EXPECT_EQ(Send(wkEmGetAnchorLine), 0);
    EXPECT_GT(Send(wkEmGetCaretLine), 5);
}

TEST_F(CodeEdit, ScrollBarsKeysAndWheel) {
    SetText(SampleKvl(30));
    Send(wkEmSetViewOnly, 1);
    Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Send(wkEmGetTopLine), 1);
    Send(WM_VSCROLL, SB_PAGEDOWN);
    const LRESULT lAfterPage = Send(wkEmGetTopLine);
    EXPECT_GT(lAfterPage, 5);
    UINT lWheelLines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lWheelLines, 0);
    Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(Send(wkEmGetTopLine), lAfterPage + static_cast<LRESULT>(lWheelLines));
    Send(WM_KEYDOWN, VK_NEXT);
    EXPECT_GT(Send(wkEmGetTopLine), lAfterPage + static_cast<LRESULT>(lWheelLines));
    Send(WM_VSCROLL, SB_BOTTOM);
    const LRESULT lLast = Send(wkEmGetTopLine);
    Send(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Send(wkEmGetTopLine), lLast); // never beyond the last page
    EXPECT_LT(lLast, Send(wkEmGetLineCount));
    Send(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Send(wkEmGetLeftColumn), 1);
    Send(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(Send(wkEmGetTopLine), 0);
}

TEST_F(CodeEdit, EditingFollowsEditControlConventions) {
    SetText("ab");
    SetFocus(hEdit);
    Send(WM_KEYDOWN, VK_END);
    for (const char c : std::string("cd")) {
        Send(WM_CHAR, static_cast<unsigned char>(c));
    }
    Send(WM_CHAR, '\r');
    Send(WM_CHAR, 'x');
    Send(WM_CHAR, '\b');
    Send(WM_CHAR, 'y');
    EXPECT_EQ(EditText(hEdit), "abcd\r\ny");
    EXPECT_FALSE(tParent.atCommand.empty());
    EXPECT_EQ(tParent.atCommand.back(), (std::pair<int, int>{77, EN_CHANGE}));
    Send(WM_CHAR, 0x01); // Ctrl+A
    Send(WM_CHAR, 0x03); // Ctrl+C
    EXPECT_EQ(ClipboardText(), "abcd\r\ny");
    Send(EM_SETSEL, -1, 0);
    EXPECT_EQ(Send(wkEmCopy), 0); // nothing selected: the clipboard keeps what it had
    EXPECT_EQ(ClipboardText(), "abcd\r\ny");
    Send(WM_CHAR, 0x01);
    Send(WM_CHAR, 'z'); // replaces the selection
    EXPECT_EQ(EditText(hEdit), "z");
    Send(WM_CHAR, 0x1A); // Ctrl+Z
    EXPECT_EQ(EditText(hEdit), "abcd\r\ny");
    Send(WM_KEYDOWN, VK_HOME); // the caret was at the end of the undone text: line 2
    Send(WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(EditText(hEdit), "abcd\r\n");
    Send(WM_CHAR, 0x1A);
    Send(EM_SETSEL, 0, 0);
    Send(WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(EditText(hEdit), "bcd\r\ny");
    Send(EM_SETSEL, 0, 3);
    Send(WM_CHAR, 0x18); // Ctrl+X
    EXPECT_EQ(ClipboardText(), "bcd");
    Send(WM_CHAR, 0x16); // Ctrl+V
    Send(WM_CHAR, 0x16);
    EXPECT_EQ(EditText(hEdit), "bcdbcd\r\ny");

    // View-only: no key changes the text.
    Send(wkEmSetViewOnly, 1);
    Send(WM_CHAR, 'q');
    Send(WM_CHAR, '\b');
    Send(WM_CHAR, 0x16);
    Send(WM_KEYDOWN, VK_DELETE);
    Send(WM_CHAR, 0x1A);
    Send(WM_CUT);
    EXPECT_EQ(EditText(hEdit), "bcdbcd\r\ny");
}

// Line numbers past 16 bits: scrolling to the end, a click in the middle and
// a copy of everything. (Its timings are wk_codeview_bench's.)
TEST_F(CodeEdit, AHundredThousandLinesScrollToTheirEndAndSelectAcross) {
    std::string s;
    for (int i = 0; i < 100000; ++i) {
        s += "Dim a\r\n";
    }
    SetText(s);
    EXPECT_EQ(Send(wkEmGetLineCount), 100001);
    Send(WM_VSCROLL, SB_BOTTOM);
    EXPECT_GT(Send(wkEmGetTopLine), 100000 - 100);
    Send(wkEmSetTopLine, 50000);
    Send(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, LinePoint(hEdit, 40, 3));
    Send(WM_LBUTTONUP, 0, LinePoint(hEdit, 40, 3));
    EXPECT_EQ(Send(wkEmGetCaretLine), 50003);
    Send(EM_SETSEL, 0, -1);
    EXPECT_EQ(Send(wkEmCopy), 1);
    EXPECT_EQ(ClipboardText().size(), s.size());
}

TEST_F(CodeEdit, FontMessagesAndTabs) {
    HFONT hOwn = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    EXPECT_TRUE(hOwn);
    HFONT hBig = CreateFontA(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH,
                             "Courier New");
    const int cyBefore = HIWORD(Send(wkEmGetCellSize));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(hBig), 1);
    EXPECT_EQ(reinterpret_cast<HFONT>(Send(WM_GETFONT)), hBig);
    EXPECT_GT(HIWORD(Send(wkEmGetCellSize)), cyBefore);
    Send(WM_SETFONT, 0, 0); // back to the control's own font
    EXPECT_EQ(reinterpret_cast<HFONT>(Send(WM_GETFONT)), hOwn);
    DeleteObject(hBig);
    SetText("\tx\r\nabcdefghij");
    EXPECT_EQ(Send(wkEmGetWidestLine), 10);
    Send(wkEmSetTabSize, 16);
    EXPECT_EQ(Send(wkEmGetWidestLine), 17);
    Send(wkEmSetTabSize, 0);
    EXPECT_EQ(Send(wkEmSetTabSize + wkEmGetterOffset), 1);
}

// Reads the colour the control painted at the top-left pixel of a cell.
COLORREF CellColour(HWND hEdit, int lCol, int lRow) {
    UpdateWindow(hEdit);
    const LRESULT lCell = SendMessageA(hEdit, wkEmGetCellSize, 0, 0);
    const int x =
        static_cast<int>(SendMessageA(hEdit, wkEmGetMarginWidth, 0, 0)) + lCol * LOWORD(lCell);
    tWindowDC tDC(hEdit);
    return GetPixel(tDC.Get(), x, lRow * HIWORD(lCell));
}

TEST_F(CodeEdit, PaintsRunsInTheirColoursAndTheSelectionInMark) {
    ShowWindow(tParent.hWnd, SW_SHOW);
    Send(wkEmSetBasBack, RGB(0, 200, 0));
    Send(wkEmSetRemBack, RGB(0, 0, 200));
    Send(wkEmSetTextBack, RGB(200, 0, 0));
    Send(wkEmSetStrBack, RGB(200, 200, 0));
    Send(wkEmSetAsmBack, RGB(0, 200, 200));
    Send(wkEmSetWrenkitBack, RGB(100, 100, 100));
    Send(wkEmSetMarkBack, RGB(50, 0, 50));
    Send(wkEmSetWindowBack, RGB(250, 250, 250));
    SetText("DIM s \"a'b\" 'c\r\n#wrenkit x\r\nx !mov");
    InvalidateRect(hEdit, nullptr, FALSE);
    EXPECT_EQ(CellColour(hEdit, 0, 0), RGB(0, 200, 0));      // DIM
    EXPECT_EQ(CellColour(hEdit, 3, 0), RGB(200, 0, 0));      // blank
    EXPECT_EQ(CellColour(hEdit, 7, 0), RGB(200, 200, 0));    // the string, apostrophe inside
    EXPECT_EQ(CellColour(hEdit, 12, 0), RGB(0, 0, 200));     // the comment
    EXPECT_EQ(CellColour(hEdit, 20, 0), RGB(250, 250, 250)); // past the line end
    EXPECT_EQ(CellColour(hEdit, 5, 1), RGB(100, 100, 100));  // metastatement line
    EXPECT_EQ(CellColour(hEdit, 3, 2), RGB(0, 200, 200));    // inline assembler
    Send(EM_SETSEL, 1, 2);
    EXPECT_EQ(CellColour(hEdit, 1, 0), RGB(50, 0, 50));
    EXPECT_EQ(CellColour(hEdit, 2, 0), RGB(0, 200, 0));
    // Colour syntax off: everything in the plain colours.
    Send(wkEmSetColorSyntax, 0, 1);
    EXPECT_EQ(CellColour(hEdit, 0, 0), RGB(200, 0, 0));
    EXPECT_EQ(CellColour(hEdit, 5, 1), RGB(200, 0, 0));
}

} // namespace
