// The control clipboard under Wine: Copy, Cut and Paste through the real
// clipboard, bytes built by hand as another program would put them there, and
// a paste into a second running copy of the program.
#include "tests/win/designer_fixture.h"

#include "designer/ctl_clipboard.h"
#include "model/ctl_clipboard.h"
#include "model/options.h"

#include <cctype>
#include <cstring>

namespace {

// One record in the clipboard layout, field by field, as a foreign program
// would write it: row, texts, font.
std::string HandRecord(int32_t lKind, const char* szClass, const std::string& sCaption, tDlgRect t,
                       const char* szFace = "Courier New", float fSize = 10) {
    std::string s;
    auto Long = [&](int32_t l) {
        for (int i = 0; i < 4; ++i) {
            s.push_back(static_cast<char>((static_cast<uint32_t>(l) >> (8 * i)) & 0xFF));
        }
    };
    auto Fixed = [&](const char* sz, std::size_t n) {
        std::string f(sz);
        f.resize(n, '\0');
        s += f;
    };
    s.push_back(0); // byDeleted
    Long(77);       // lIDElem of the other project: ignored
    Long(5);        // lResElem
    Long(0x1234);   // hWnd
    Long(0);        // no data file
    Long(static_cast<int32_t>(sCaption.size()));
    Fixed(szClass, 33);
    Long(999); // lClassElem of the other program
    Long(lKind);
    Long(0x50000000);
    Long(0);
    Long(0); // no style list
    Long(0);
    Long(t.nLeft);
    Long(t.nTop);
    Long(t.nRight);
    Long(t.nBottom);
    Long(3); // lCtlOrder
    Long(4); // lFontElem
    s.push_back(0);
    s.push_back(0);
    Long(0);
    Long(0);
    s += sCaption;
    Fixed(szFace, 32);
    int32_t lSize = 0;
    std::memcpy(&lSize, &fSize, 4);
    Long(lSize);
    Long(700);
    Long(0);
    Long(0);
    Long(0);
    Long(0);
    return s;
}

std::string HandBlock(const std::vector<std::string>& asRecord, int32_t lCount = -1) {
    std::string sBody;
    for (const std::string& s : asRecord) {
        sBody += s;
    }
    std::string s(12, '\0');
    const int32_t al[3] = {static_cast<int32_t>(12 + sBody.size()), 1,
                           lCount < 0 ? static_cast<int32_t>(asRecord.size()) : lCount};
    std::memcpy(s.data(), al, 12);
    return s + sBody;
}

std::string Upper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
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
                    EXPECT_NE(Upper(gatID[a].szIDName.str()), Upper(gatID[b].szIDName.str()));
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
    // What Copy wrote, read field by field from the real clipboard.
    const std::string s = ControlsFromClipboard(ControlsClipboardFormat());
    ASSERT_GE(s.size(), 12u);
    int32_t al[3] = {};
    std::memcpy(al, s.data(), 12);
    // The header's length is the data's; the block may be rounded up.
    EXPECT_GE(al[0], static_cast<int32_t>(12 + 3 * (112 + 56) + 3 + 5));
    EXPECT_LE(al[0], static_cast<int32_t>(s.size()));
    EXPECT_EQ(al[1], 1);
    EXPECT_EQ(al[2], 3);
    int32_t lCaptionLen = -1;
    std::memcpy(&lCaptionLen, s.data() + 12 + 17, 4);
    EXPECT_EQ(lCaptionLen, 3);
    EXPECT_STREQ(s.data() + 12 + 21, "Button");
    EXPECT_EQ(s.substr(12 + 112, 3), "One"); // no data file: the caption comes first
    std::vector<tClipCtl> at;
    std::string sError;
    ASSERT_EQ(DecodeClipControls(reinterpret_cast<const uint8_t*>(s.data()), s.size(), at, sError),
              wkClipOk);
    EXPECT_TRUE(at[1].sCaption.empty()); // an empty caption takes no bytes
    const std::vector<int32_t> alCopied = Controls(lRes);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(at[i].tRow.lCtlType, gatDlg[alCopied[i]].lCtlType);
        EXPECT_EQ(at[i].tRow.lStyle, gatDlg[alCopied[i]].lStyle);
        EXPECT_EQ(at[i].tRow.nBottom, gatDlg[alCopied[i]].nBottom);
        EXPECT_EQ(at[i].tFont.szFontName.view(), "MS Sans Serif");
        EXPECT_EQ(at[i].sStyle, GetDynStr(gatDlg[alCopied[i]].lStyleStrElem));
    }

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
    EXPECT_NE(Upper(gatID[gatDlg[al[0]].lIDElem].szIDName.str()), Upper(sOldName));
    EXPECT_EQ(RectOf(al[0]).nLeft, gtOptions.lGridX);
    EXPECT_EQ(RectOf(al[0]).nTop, gtOptions.lGridY);
    EXPECT_EQ(gatDlg[al[0]].lCtlOrder, 1);
    EXPECT_EQ(gtElem.lCtl, al[0]);
    EXPECT_TRUE(FocusGripperShown());
}

TEST_F(Clipboard, HandBuiltBytesPasteAndDamagedOnesAddNothing) {
    const int32_t lRes = Design({{wkCtlLabel, {10, 10, 60, 20}, nullptr}});
    // The other program's IDs are not ours: even a name we hold is not taken.
    AddID("%IDC_LABEL1", "1500", wkUsedByDlg);
    Put(HandBlock({HandRecord(wkCtlLabel, "Static", "Hand made", {0, 0, 40, 8})}));
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

    const std::string sGood = HandRecord(wkCtlButton, "Button", "OK", {0, 0, 40, 14});
    std::string sNoEnd = sGood;
    sNoEnd.replace(21, 33, 33, 'X');
    std::string sKind = HandRecord(31, "Button", "OK", {0, 0, 40, 14});
    std::string sLong = sGood;
    sLong[17] = 100; // a caption longer than what follows
    std::string sTotal = HandBlock({sGood});
    sTotal[0] = static_cast<char>(sTotal[0] + 40); // longer than the block
    const std::string asDamaged[] = {
        HandBlock({sGood, sNoEnd}),      HandBlock({sGood, sKind}),    HandBlock({sLong}),
        HandBlock({sGood, sGood}, 3),    HandBlock({sGood, sGood}, 1), sTotal,
        HandBlock({sGood}).substr(0, 60)};
    const std::size_t lRows = static_cast<std::size_t>(glDlgCnt);
    for (const std::string& s : asDamaged) {
        Put(s);
        int lBoxes = 0;
        std::string sText;
        WatchFor("Wrenkit", [&](HWND h) {
            ++lBoxes;
            sText = MessageBoxText(h);
            PressButton(h, IDOK);
        });
        PostMessageA(ghWndMain, WM_COMMAND, IDM_PASTE, 0);
        PumpUntil([&] { return lBoxes > 0; }, 3000);
        EXPECT_EQ(lBoxes, 1);
        EXPECT_EQ(sText.rfind("The controls on the clipboard cannot be pasted", 0), 0u) << sText;
        EXPECT_EQ(static_cast<std::size_t>(glDlgCnt), lRows);
    }
}

TEST_F(Clipboard, ControlsOutsideTheDialogAreReportedOnce) {
    const int32_t lRes = Design({});
    gtOptions.byPasteLoc = 1;
    Put(HandBlock({HandRecord(wkCtlButton, "Button", "Far", {400, 10, 440, 24}),
                   HandRecord(wkCtlButton, "Button", "Farther", {500, 10, 540, 24})}));
    int lBoxes = 0;
    std::string sText;
    WatchFor("Wrenkit", [&](HWND h) {
        ++lBoxes;
        sText = MessageBoxText(h);
        PressButton(h, IDOK);
    });
    PostMessageA(ghWndMain, WM_COMMAND, IDM_PASTE, 0);
    PumpUntil([&] { return lBoxes > 0; }, 3000);
    PumpMessages(200);
    EXPECT_EQ(lBoxes, 1);
    EXPECT_EQ(sText.rfind("At least one of the pasted controls is outside the visible", 0), 0u)
        << sText;
    EXPECT_EQ(Controls(lRes).size(), 2u);
}

TEST_F(Clipboard, PastesIntoASecondRunningCopy) {
    char szPath[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    std::string sExe = szPath;
    sExe = sExe.substr(0, sExe.find_last_of('\\')) + "\\..\\..\\app\\WRENKIT.EXE";
    if (GetFileAttributesA(sExe.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "the program is not built: " << sExe;
    }
    // The other copy starts first: a copy that finds a main window only
    // brings it to the front. It opens the sample and shows its dialog.
    DestroyWindow(ghWndMain);
    PumpMessages(50);
    STARTUPINFOA tStart{};
    tStart.cb = sizeof(tStart);
    PROCESS_INFORMATION tProc{};
    std::string sCmd =
        "\"" + sExe + "\" \"Z:" + std::string(WK_SOURCE_DIR) + "/examples/sample.bas\"";
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
    std::string sSeen;
    if (!hOverlay) {
        struct tSeen {
            DWORD lPid;
            std::string* p;
        } t{tProc.dwProcessId, &sSeen};
        EnumWindows(
            [](HWND h, LPARAM l) -> BOOL {
                auto* p = reinterpret_cast<tSeen*>(l);
                DWORD lPid = 0;
                GetWindowThreadProcessId(h, &lPid);
                if (lPid == p->lPid) {
                    *p->p += WindowClassName(h) + " \"" + WindowText(h) + "\"; ";
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&t));
    }
    ASSERT_TRUE(hOverlay) << "the other copy shows no dialog: " << sSeen;
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
