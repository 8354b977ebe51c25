// The control clipboard under Wine: Copy, Cut and Paste through the real
// clipboard, controls as another copy of the program puts them there, and a
// paste into a second running copy of the program.
#include "tests/win/designer_fixture.h"

#include "designer/ctl_clipboard.h"
#include "model/ctl_clipboard.h"
#include "model/options.h"

#include <cstring>

namespace {

// A control as another running copy puts it on the clipboard: element
// numbers of its own project, which mean nothing here, and a font of its own.
tClipCtl Foreign(int32_t lKind, const char* szClass, const std::string& sCaption, tDlgRect t) {
    tClipCtl c{};
    c.tRow.lIDElem = 77;
    c.tRow.lResElem = 5;
    c.tRow.hWnd = 0x1234;
    c.tRow.lClassElem = 999;
    c.tRow.lCtlOrder = 3;
    c.tRow.lFontElem = 4;
    c.tRow.szClass = szClass;
    c.tRow.lCtlType = lKind;
    c.tRow.lStyle = 0x50000000;
    c.tRow.nLeft = t.nLeft;
    c.tRow.nTop = t.nTop;
    c.tRow.nRight = t.nRight;
    c.tRow.nBottom = t.nBottom;
    c.sCaption = sCaption;
    c.tFont.szFontName = "Courier New";
    c.tFont.fFontSize = 10;
    c.tFont.lWeight = 700;
    return c;
}

class Clipboard : public DesignerTest {
  protected:
    void SetUp() override {
        DesignerTest::SetUp();
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
    }
    static void Put(const std::string& s) {
        ASSERT_EQ(PutControlsOnClipboard(s, ControlsClipboardFormat()), 1);
    }
    // Every live ID name appears once, without regard to case.
    static void ExpectNamesUnique() {
        for (int32_t a = 1; a <= glIDCnt; ++a) {
            for (int32_t b = a + 1; b <= glIDCnt; ++b) {
                if (!gatID[a].byDeleted && !gatID[b].byDeleted) {
                    EXPECT_NE(lstrcmpiA(gatID[a].szIDName.c_str(), gatID[b].szIDName.c_str()), 0);
                }
            }
        }
    }
};

TEST_F(Clipboard, AGroupOfThreeCopiedAndPastedBelowTheCopyOrBelowTheLastControl) {
    const int32_t lRes = Design({{wkCtlButton, {10, 10, 60, 24}, "One"},
                                 {wkCtlCheckBox, {70, 10, 120, 20}, ""},
                                 {wkCtlLabel, {10, 30, 60, 38}, "Three"}});
    EXPECT_FALSE(MenuEnabled(IDM_PASTE));
    Command(IDM_SELECTALL);
    Command(IDM_COPY);
    EXPECT_TRUE(MenuEnabled(IDM_PASTE));
    EXPECT_EQ(GroupCount(), 0); // Copy clears the group
    // What Copy wrote to the real clipboard, read back.
    const std::string s = ControlsFromClipboard(ControlsClipboardFormat());
    ASSERT_GE(s.size(), 12u);
    int32_t al[3] = {};
    std::memcpy(al, s.data(), 12);
    // The header's length is the data's; the block may be rounded up.
    EXPECT_GE(al[0], static_cast<int32_t>(12 + 3 * (112 + 56) + 3 + 5));
    EXPECT_LE(al[0], static_cast<int32_t>(s.size()));
    EXPECT_EQ(al[1], 1);
    EXPECT_EQ(al[2], 3);
    // (The record layout has tests of its own; what was copied shows in the paste.)
    const std::vector<int32_t> alCopied = Controls(lRes);

    gtOptions.byPasteLoc = 1;
    const int32_t lFonts = ghFontCnt;
    Command(IDM_PASTE);
    std::vector<int32_t> alNow = Controls(lRes);
    ASSERT_EQ(alNow.size(), 6u);
    for (std::size_t i = 0; i < 3; ++i) { // the union is 28 units high
        const tDlgRect a = RectOf(alCopied[i]);
        const tDlgRect b = RectOf(alNow[3 + i]);
        EXPECT_EQ(b.nLeft, a.nLeft);
        EXPECT_EQ(b.nTop, a.nTop + 28);
        EXPECT_EQ(b.nBottom, a.nBottom + 28);
        EXPECT_EQ(gatDlg[alNow[3 + i]].lCtlOrder, 4 + static_cast<int32_t>(i));
        EXPECT_EQ(gatDlg[alNow[3 + i]].lFontElem, 1); // the same font, shared
        EXPECT_TRUE(Row(alNow[3 + i]));
    }
    EXPECT_EQ(ghFontCnt, lFonts);
    EXPECT_EQ(GetDynStr(gatDlg[alNow[3]].lCaptionElem), "One");
    EXPECT_EQ(gatDlg[alNow[4]].lCaptionElem, 0);
    EXPECT_EQ(GroupCount(), 3);
    EXPECT_EQ(GroupMember(1), alNow[3]);
    EXPECT_EQ(glChanged, 1);

    // Below the last control (now at the bottom 66): the union's left edge
    // stays, the first copied top touches the last control's bottom.
    gtOptions.byPasteLoc = 0;
    Command(IDM_PASTE);
    alNow = Controls(lRes);
    ASSERT_EQ(alNow.size(), 9u);
    EXPECT_EQ(RectOf(alNow[6]).nLeft, 10);
    EXPECT_EQ(RectOf(alNow[6]).nTop, 66);
    EXPECT_EQ(RectOf(alNow[8]).nTop, 86);
    ExpectNamesUnique();
}

TEST_F(Clipboard, CutAndPasteMovesAControlIntoAnotherDialogWithANewID) {
    const int32_t lFirst =
        Design({{wkCtlButton, {10, 10, 60, 24}, "Moved"}, {wkCtlLabel, {10, 30, 60, 38}, "Stays"}});
    const int32_t lMoved = Controls(lFirst)[0];
    const std::string sOldName = gatID[gatDlg[lMoved].lIDElem].szIDName.str();
    HWND hMoved = Row(lMoved);
    Click(Centre(hMoved));
    ASSERT_EQ(gtElem.lCtl, lMoved);
    Command(IDM_CUT);
    EXPECT_FALSE(IsWindow(hMoved));
    ASSERT_EQ(Controls(lFirst).size(), 1u);
    EXPECT_EQ(gatDlg[Controls(lFirst)[0]].lCtlOrder, 2); // the others keep their places

    const int32_t lSecond = Design({});
    Command(IDM_PASTE);
    const std::vector<int32_t> al = Controls(lSecond);
    ASSERT_EQ(al.size(), 1u);
    EXPECT_EQ(GetDynStr(gatDlg[al[0]].lCaptionElem), "Moved");
    EXPECT_NE(lstrcmpiA(gatID[gatDlg[al[0]].lIDElem].szIDName.c_str(), sOldName.c_str()), 0);
    EXPECT_EQ(RectOf(al[0]).nLeft, gtOptions.lGridX);
    EXPECT_EQ(RectOf(al[0]).nTop, gtOptions.lGridY);
    EXPECT_EQ(gatDlg[al[0]].lCtlOrder, 1);
    EXPECT_EQ(gtElem.lCtl, al[0]);
    EXPECT_TRUE(FocusGripperShown());
}

TEST_F(Clipboard, AnotherCopysControlsPasteAndDamagedOnesAddNothing) {
    const int32_t lRes = Design({{wkCtlLabel, {10, 10, 60, 20}, nullptr}});
    // The other program's IDs are not ours: even a name we hold is not taken.
    AddID("%IDC_LABEL1", "1500", wkUsedByDlg);
    Put(EncodeClipControls({Foreign(wkCtlLabel, "Static", "Hand made", {0, 0, 40, 8})}));
    Command(IDM_PASTE);
    std::vector<int32_t> al = Controls(lRes);
    ASSERT_EQ(al.size(), 2u);
    const tDlg& t = gatDlg[al[1]];
    EXPECT_EQ(GetDynStr(t.lCaptionElem), "Hand made");
    EXPECT_EQ(t.lCtlType, wkCtlLabel);
    EXPECT_EQ(t.lCtlOrder, 2);
    EXPECT_EQ(t.lStyle, 0x50000000);
    EXPECT_EQ(gahFont[t.lFontElem].szFaceName.view(), "Courier New");
    EXPECT_EQ(WindowText(Row(al[1])), "Hand made");
    ExpectNamesUnique();
    // Pasted again: the same font element, no new one.
    const int32_t lFonts = ghFontCnt;
    Command(IDM_PASTE);
    EXPECT_EQ(gatDlg[Controls(lRes)[2]].lFontElem, t.lFontElem);
    EXPECT_EQ(ghFontCnt, lFonts);

    // Damaged blocks (the decoder's own tests try every kind of damage): a
    // good control before a bad one adds neither, and a cut block nothing.
    const tClipCtl tGood = Foreign(wkCtlButton, "Button", "OK", {0, 0, 40, 14});
    const tClipCtl tBad = Foreign(31, "Button", "OK", {0, 0, 40, 14});
    const std::string asDamaged[] = {EncodeClipControls({tGood, tBad}),
                                     EncodeClipControls({tGood}).substr(0, 60)};
    const std::size_t lRows = static_cast<std::size_t>(glDlgCnt);
    for (const std::string& s : asDamaged) {
        Put(s);
        SeenBoxes().clear();
        Answer("Wrenkit", IDOK);
        PostMessageA(ghWndMain, WM_COMMAND, IDM_PASTE, 0);
        PumpUntil([] { return !SeenBoxes().empty(); }, 3000);
        ASSERT_EQ(SeenBoxes().size(), 1u);
        EXPECT_EQ(SeenBoxes()[0].sText.rfind("The controls on the clipboard cannot be pasted", 0),
                  0u);
        EXPECT_EQ(static_cast<std::size_t>(glDlgCnt), lRows);
    }
}

TEST_F(Clipboard, ControlsOutsideTheDialogAreReportedOnce) {
    const int32_t lRes = Design({});
    gtOptions.byPasteLoc = 1;
    Put(EncodeClipControls({Foreign(wkCtlButton, "Button", "Far", {400, 10, 440, 24}),
                            Foreign(wkCtlButton, "Button", "Farther", {500, 10, 540, 24})}));
    Answer("Wrenkit", IDOK);
    PostMessageA(ghWndMain, WM_COMMAND, IDM_PASTE, 0);
    PumpUntil([] { return !SeenBoxes().empty(); }, 3000);
    PumpMessages(200);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText.rfind("At least one of the pasted controls is outside", 0), 0u);
    EXPECT_EQ(Controls(lRes).size(), 2u);
}

TEST_F(Clipboard, PastesIntoASecondRunningCopy) {
    const std::string sExe = ProgramExe();
    if (sExe.empty()) {
        GTEST_SKIP() << "the program is not built";
    }
    // The other copy starts first: a copy that finds a main window only
    // brings it to the front. It opens the sample and shows its dialog.
    DestroyWindow(ghWndMain);
    PumpMessages(50);
    STARTUPINFOA tStart{};
    tStart.cb = sizeof(tStart);
    PROCESS_INFORMATION tProc{};
    std::string sCmd = "\"" + sExe + "\" \"" + SourcePath("examples/sample.bas") + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, sCmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &tStart, &tProc));
    // Whatever happens below, the other copy does not outlive the test.
    struct tEnd {
        PROCESS_INFORMATION& t;
        ~tEnd() {
            if (WaitForSingleObject(t.hProcess, 3000) == WAIT_TIMEOUT) {
                TerminateProcess(t.hProcess, 0);
            }
            CloseHandle(t.hThread);
            CloseHandle(t.hProcess);
        }
    } tEnd{tProc};
    HWND hOverlay = nullptr;
    PumpUntil(
        [&] {
            EnumThreadWindows(
                tProc.dwThreadId,
                [](HWND h, LPARAM l) -> BOOL {
                    // The results of opening the sample, as that copy's settings ask.
                    if (WindowText(h) == "Open/Import Results" && IsWindowVisible(h)) {
                        PostMessageA(h, WM_COMMAND, IDOK, 0);
                        PostMessageA(h, WM_CLOSE, 0, 0);
                    }
                    EnumChildWindows(
                        h,
                        [](HWND c, LPARAM l2) -> BOOL {
                            if (WindowClassName(c) == "KvDialogClient") {
                                *reinterpret_cast<HWND*>(l2) = c;
                            }
                            return TRUE;
                        },
                        l);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&hOverlay));
            return hOverlay != nullptr;
        },
        15000);
    ASSERT_TRUE(hOverlay) << "the other copy shows no dialog";
    HWND hOther = GetAncestor(hOverlay, GA_ROOTOWNER);
    ASSERT_EQ(WindowClassName(hOther), "KvDlgEdit");

    CreateShown(900, 400);
    Design({{wkCtlButton, {10, 10, 60, 24}, "Across"}});
    Click(Centre(Row(Controls(gtElem.lResDlg)[0])));
    Command(IDM_COPY);
    PostMessageA(hOther, WM_COMMAND, IDM_PASTE, 0);
    HWND hPasted = nullptr;
    PumpUntil(
        [&] {
            hPasted = FindWindowExA(hOverlay, nullptr, "Button", "Across");
            return hPasted != nullptr;
        },
        5000);
    EXPECT_TRUE(hPasted);
    // Any message the other copy shows is its own business; it goes now.
    PostMessageA(hOther, WM_CLOSE, 0, 0);
}

} // namespace
