// The design surface under Wine with real windows: dialogs built from files,
// and the mouse and keyboard work of selecting, drawing, moving and sizing.
// The mouse is driven with SendInput wherever a user's hand would be.
#include "tests/win/designer_fixture.h"

#include "app/files/file_ops.h"

#include <functional>

namespace {

// What the screen shows at the four corner markers of each group member,
// sampled inside their frames: members whose corners all show the leader's
// colour, all the members' colour, and (tOld: rectangles the members were at
// before) bared corners that still show a marker colour.
struct tMarkCount {
    int lLead = 0, lMember = 0, lStale = 0;
};
COLORREF BrushColour(uintptr_t hBrush) {
    LOGBRUSH t{};
    GetObjectA(reinterpret_cast<HBRUSH>(hBrush), sizeof(t), &t);
    return t.lbColor;
}
tMarkCount CountMarkers(const std::vector<RECT>& atOld = {}) {
    PumpMessages(100);
    const COLORREF lLead = BrushColour(gtOptions.hGripperBrush1);
    const COLORREF lMember = BrushColour(gtOptions.hGripperBrush2);
    HDC hScreen = GetDC(nullptr);
    auto Corners = [&](const RECT& r, COLORREF lWant) {
        int lHits = 0;
        for (const POINT& p : {POINT{r.left + 2, r.top + 2}, POINT{r.right - 3, r.top + 2},
                               POINT{r.left + 2, r.bottom - 3}, POINT{r.right - 3, r.bottom - 3}}) {
            lHits += GetPixel(hScreen, p.x, p.y) == lWant;
        }
        return lHits;
    };
    tMarkCount t;
    for (int32_t i = 1; i <= GroupCount(); ++i) {
        RECT r{};
        GetWindowRect(DesignerTest::Row(GroupMember(i)), &r);
        t.lLead += Corners(r, lLead) == 4;
        t.lMember += Corners(r, lMember) == 4;
    }
    for (RECT r : atOld) {
        MapWindowPoints(DesignOverlayWindow(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        t.lStale += Corners(r, lLead) + Corners(r, lMember);
    }
    ReleaseDC(nullptr, hScreen);
    return t;
}

bool CursorFree() {
    RECT r{};
    GetClipCursor(&r);
    return r.left <= 0 && r.top <= 0 && r.right >= GetSystemMetrics(SM_CXSCREEN) &&
           r.bottom >= GetSystemMetrics(SM_CYSCREEN);
}

class Surface : public DesignerTest {
  protected:
    void SetUp() override {
        DesignerTest::SetUp();
        // The toolbox stands over the dialog's left part, where these drags go.
        if (ghToolbox) {
            SetWindowPos(ghToolbox, nullptr, 600, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
    }

    static int32_t Ctl(int32_t lOrder) { // the control row of a tab position
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            if (gatDlg.Live(l) && gatDlg[l].lCtlType && gatDlg[l].lCtlOrder == lOrder) {
                return l;
            }
        }
        return 0;
    }
    // A point well inside a control, clear of the grippers and markers that
    // sit at its corners and edge middles.
    static POINT Inside(int32_t l) {
        const tDlg& t = gatDlg[l];
        return ScreenAt(t.nLeft + (t.nRight - t.nLeft) / 4, (t.nTop + t.nBottom) / 2);
    }
};

} // namespace

TEST_F(Surface, OpenAndImportShowTheDialogAsTheModelSaysAndNewDialogAddsOne) {
    ASSERT_TRUE(OpenFile(SourcePath("examples/sample.bas"), 1));
    PumpMessages(100);
    ExpectSurfaceMatchesModel();
    EXPECT_TRUE(GetMenu(DesignDialogWindow())); // the sample links its menu
    EXPECT_EQ(GetMenuItemCount(GetMenu(DesignDialogWindow())), 1);
    EXPECT_EQ(glChanged, 0);
    EXPECT_FALSE(SaveWindowScreenshot(DesignDialogWindow(), "surface_sample").empty());

    for (const char* szFile :
         {"../shared/corpus/rc/wcs_sdkdiff.rc", "../shared/corpus/rc/wcs_Dialer.rc"}) {
        ClearProject();
        glChanged = 0;
        ASSERT_TRUE(ImportFile(SourcePath(szFile))) << szFile;
        PumpMessages(100);
        ExpectSurfaceMatchesModel();
    }

    Command(IDM_NEWDIALOG);
    PumpMessages(50);
    EXPECT_EQ(WindowText(DesignDialogWindow()),
              "Dialog" + std::string(1, gatRes[gtElem.lResDlg].szIDName.view().back()));
    EXPECT_TRUE(MenuEnabled(IDM_NEWDIALOG));
    EXPECT_EQ(glChanged, 1);
    ExpectSurfaceMatchesModel();
}

TEST_F(Surface, DialogsOutOfBoundsOrHugeBuildWithoutLosingTheirPlaces) {
    Design({{wkCtlButton, {-50, -20, -10, -5}},
            {wkCtlLabel, {2000000000, 5, 2000000040, 15}},
            {wkCtlComboBox, {5, 100000, 80, 100060}},
            {wkCtlUpDown, {5, 5, 15, 20}}});
    gatDlg.W(Ctl(4)).lStyle |= 0x10; // asks to attach to the control before it
    Show(gtElem.lResDlg);
    ExpectSurfaceMatchesModel();
    EXPECT_EQ(gatDlg[Ctl(2)].nLeft, 2000000000);
    EXPECT_EQ(gatDlg[Ctl(3)].nBottom, 100060);
    EXPECT_EQ(gatDlg[gtElem.lDlg].nRight, 230);                  // the dialog keeps its place too
    EXPECT_EQ(GetWindowLongA(Row(Ctl(4)), GWL_STYLE) & 0x10, 0); // never attaches
    // Two thousand controls of mixed kinds.
    ClearProject();
    const int32_t lRes = NewResource(wkResDialog);
    tDlg tRow = NewKindRow(wkCtlDialog);
    tRow.lIDElem = gatRes[lRes].lIDElem;
    tRow.lResElem = lRes;
    tRow.nRight = 400;
    tRow.nBottom = 200;
    AddDlgRow(tRow);
    for (int32_t i = 0; i < 2000; ++i) {
        tDlg t = NewKindRow(1 + i % 28);
        t.lResElem = lRes;
        t.nLeft = i % 40 * 10;
        t.nTop = i / 40 * 4;
        t.nRight = t.nLeft + 9;
        t.nBottom = t.nTop + 12;
        AddDlgRow(t);
    }
    Show(lRes);
    ExpectSurfaceMatchesModel();
}

// The overlay paints its background and grid around its controls, not over
// them, also when it is repainted alone (as after a change in Properties).
TEST_F(Surface, TheOverlayRepaintedAloneLeavesItsControlsDrawn) {
    ASSERT_TRUE(Design({{wkCtlButton, {13, 10, 53, 24}}, {wkCtlTextBox, {13, 30, 93, 44}}}));
    PumpMessages(100);
    auto Shown = [] {
        std::vector<COLORREF> alPixel;
        HDC hScreen = GetDC(nullptr);
        for (int32_t lOrder : {1, 2}) {
            RECT r{};
            GetWindowRect(Row(Ctl(lOrder)), &r);
            for (int y = r.top; y < r.bottom; y += 3) {
                for (int x = r.left; x < r.right; x += 3) {
                    alPixel.push_back(GetPixel(hScreen, x, y));
                }
            }
        }
        ReleaseDC(nullptr, hScreen);
        return alPixel;
    };
    const std::vector<COLORREF> alBefore = Shown();
    RedrawWindow(DesignOverlayWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
    PumpMessages(100);
    EXPECT_EQ(Shown(), alBefore);
}

TEST_F(Surface, DraggingAControlSnapsItsCornerOnlyOnceItMoved) {
    const int32_t lDlg =
        Design({{wkCtlButton, {13, 10, 53, 24}}, {wkCtlButton, {100, 60, 140, 74}}});
    ASSERT_TRUE(lDlg);
    const int32_t l = Ctl(1);
    const POINT a = Inside(l);
    Drag(a, {a.x + DlgToPixelsX(4), a.y});
    EXPECT_EQ(gatDlg[l].nLeft, 15);
    EXPECT_EQ(gatDlg[l].nRight, 55);
    EXPECT_EQ(gatDlg[l].nTop, 10);
    EXPECT_EQ(gtElem.lCtl, l);
    EXPECT_TRUE(FocusGripperShown());
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(InOverlay(Row(l)).left, DlgToPixelsX(15));
    EXPECT_TRUE(CursorFree());
    EXPECT_EQ(GetCapture(), nullptr);
    // A mere click leaves it in place but counts as an edit.
    const int32_t l2 = Ctl(2);
    gatDlg.W(l2).nLeft = 101; // off the grid on purpose
    glChanged = 0;
    Click(Inside(l2));
    EXPECT_EQ(gatDlg[l2].nLeft, 101);
    EXPECT_EQ(glChanged, 1);
    // What was saved is what the surface shows.
    ExpectSurfaceMatchesModel();
}

TEST_F(Surface, GrippersSizeToTheGridAndEscRestores) {
    gtOptions.lGridX = 4;
    gtOptions.lGridY = 8;
    Design({{wkCtlFrame, {4, 4, 200, 100}}, {wkCtlTextBox, {8, 8, 48, 12}}});
    EXPECT_FALSE(SaveWindowScreenshot(DesignDialogWindow(), "surface_frame").empty());
    // The group box, made first, lies over the text box; clicked, it goes
    // behind it, as every frame does.
    Click(ScreenAt(150, 90));
    EXPECT_EQ(gtElem.lCtl, Ctl(1));
    EXPECT_EQ(GetWindow(Row(Ctl(1)), GW_HWNDLAST), Row(Ctl(1)));
    const int32_t l = Ctl(2);
    Click(Inside(l));
    EXPECT_EQ(gtElem.lCtl, l);
    ASSERT_TRUE(FocusGripperShown());
    // The bottom gripper, dragged to y 21, stops at the grid line 16.
    HWND hBottom = nullptr;
    for (HWND h = GetWindow(DesignOverlayWindow(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
        if (WindowClassName(h) == "KvGripper" &&
            GetPropA(h, "GripElem") == reinterpret_cast<HANDLE>(15)) {
            hBottom = h;
        }
    }
    ASSERT_TRUE(hBottom && IsWindowVisible(hBottom));
    RECT g{};
    GetWindowRect(hBottom, &g);
    const POINT a{(g.left + g.right) / 2, (g.top + g.bottom) / 2};
    const POINT b = ScreenAt(28, 21);
    Drag(a, {a.x, b.y + 1});
    EXPECT_EQ(gatDlg[l].nBottom, 16);
    EXPECT_EQ(gatDlg[l].nTop, 8);
    EXPECT_TRUE(CursorFree());
    // A drag ended by Esc, by the capture taken away (another window, another
    // program) or by the dialog destroyed: the control stays where it was and
    // the cursor is free.
    const tDlgRect tWas = RectOf(l);
    const std::function<void()> afnEnd[] = {[] { Command(IDM_CANCEL); },
                                            [] {
                                                SetCapture(ghWndMain);
                                                ReleaseCapture();
                                            },
                                            [] { DestroyWindow(DesignDialogWindow()); }};
    for (const auto& fnEnd : afnEnd) {
        MouseInput(MOUSEEVENTF_MOVE, Inside(l));
        MouseInput(MOUSEEVENTF_LEFTDOWN);
        MouseInput(MOUSEEVENTF_MOVE, ScreenAt(120, 60));
        if (&fnEnd == &afnEnd[0]) {
            EXPECT_FALSE(CursorFree()); // held in the dialog while it drags
        }
        fnEnd();
        MouseInput(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(RectOf(l), tWas);
        EXPECT_TRUE(CursorFree());
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

TEST_F(Surface, BandCtrlClickAndGroupDragKeepDistances) {
    Design({{wkCtlButton, {12, 12, 42, 24}},
            {wkCtlCheckBox, {60, 12, 100, 22}},
            {wkCtlLabel, {12, 40, 52, 48}},
            {wkCtlListBox, {150, 60, 200, 110}}});
    // A band across the first three makes a group led by the first in element order.
    Drag(ScreenAt(5, 5), ScreenAt(110, 52));
    ASSERT_EQ(GroupCount(), 3);
    EXPECT_EQ(GroupMember(1), Ctl(1));
    EXPECT_EQ(gtElem.lCtl, Ctl(1));
    EXPECT_FALSE(FocusGripperShown());
    EXPECT_TRUE(MenuEnabled(IDM_DELETE));
    EXPECT_FALSE(MenuEnabled(IDM_SENDTOBACK));
    EXPECT_FALSE(SaveWindowScreenshot(DesignDialogWindow(), "surface_group").empty());
    // The group moves as one; only the leader snaps.
    gatDlg.W(Ctl(2)).nLeft = 61;
    gatDlg.W(Ctl(2)).nRight = 101;
    std::vector<RECT> atWas;
    for (int32_t i = 1; i <= 3; ++i) {
        atWas.push_back(InOverlay(Row(Ctl(i))));
    }
    tMarkCount tMarks = CountMarkers();
    EXPECT_EQ(tMarks.lLead, 1);
    EXPECT_EQ(tMarks.lMember, 2);
    const POINT a = Inside(Ctl(3));
    Drag(a, {a.x + DlgToPixelsX(9), a.y + DlgToPixelsY(3)});
    EXPECT_EQ(gatDlg[Ctl(1)].nLeft, 20);
    EXPECT_EQ(gatDlg[Ctl(1)].nTop, 15);
    EXPECT_EQ(gatDlg[Ctl(2)].nLeft, 69);
    EXPECT_EQ(gatDlg[Ctl(3)].nTop, 43);
    EXPECT_EQ(GroupCount(), 3);
    // The markers went along with their members and left nothing behind.
    tMarks = CountMarkers(atWas);
    EXPECT_EQ(tMarks.lLead, 1);
    EXPECT_EQ(tMarks.lMember, 2);
    EXPECT_EQ(tMarks.lStale, 0);
    // A band across one control is a single selection.
    Drag(ScreenAt(140, 55), ScreenAt(210, 115));
    EXPECT_EQ(GroupCount(), 0);
    EXPECT_EQ(gtElem.lCtl, Ctl(4));
    EXPECT_TRUE(FocusGripperShown());
    // Ctrl-click a second control: a pair led by the clicked one.
    Click(Inside(Ctl(1)), true);
    ASSERT_EQ(GroupCount(), 2);
    EXPECT_EQ(GroupMember(1), Ctl(1));
    EXPECT_EQ(GroupMember(2), Ctl(4));
    // Ctrl-click the leader: it leaves and the other is selected alone.
    PumpMessages(static_cast<int>(GetDoubleClickTime()) + 100); // no double-click
    Click(Inside(Ctl(1)), true);
    EXPECT_EQ(GroupCount(), 0);
    EXPECT_EQ(gtElem.lCtl, Ctl(4));
    // Ctrl-click the only selected control: nothing is selected.
    Click(Inside(Ctl(4)), true);
    EXPECT_FALSE(FocusGripperShown());
    EXPECT_EQ(gtElem.lCtl, gtElem.lDlg);
    EXPECT_TRUE(CursorFree());
    // Select All marks every control; clearing the group bares them all again.
    Command(IDM_SELECTALL);
    tMarks = CountMarkers();
    EXPECT_EQ(tMarks.lLead, 1);
    EXPECT_EQ(tMarks.lMember, 3);
    std::vector<RECT> atAll;
    for (int32_t i = 1; i <= 4; ++i) {
        atAll.push_back(InOverlay(Row(Ctl(i))));
    }
    Command(IDM_CANCEL);
    EXPECT_EQ(GroupCount(), 0);
    EXPECT_EQ(CountMarkers(atAll).lStale, 0);
}

TEST_F(Surface, KeysNudgeSizeTabAndDelete) {
    Design({{wkCtlButton, {0, 10, 1, 20}},
            {wkCtlLabel, {30, 10, 60, 20}},
            {wkCtlFrame, {5, 40, 90, 90}}});
    HWND hDialog = DesignDialogWindow();
    auto Key = [&](WPARAM lKey, bool bCtrl = false) {
        if (bCtrl) {
            KeyInput(VK_CONTROL, false);
        }
        KeyInput(static_cast<WORD>(lKey), false);
        KeyInput(static_cast<WORD>(lKey), true);
        if (bCtrl) {
            KeyInput(VK_CONTROL, true);
        }
        PumpMessages(60);
    };
    SetFocus(hDialog);
    // Tab from the dialog goes to order 1, and from the last wraps to 1.
    Key(VK_TAB);
    EXPECT_EQ(gtElem.lCtl, Ctl(1));
    // At the left edge the control stays; Ctrl+Left keeps one unit of width.
    Key(VK_LEFT);
    EXPECT_EQ(gatDlg[Ctl(1)].nLeft, 0);
    Key(VK_LEFT, true);
    EXPECT_EQ(gatDlg[Ctl(1)].nRight, 1);
    Key(VK_DOWN);
    EXPECT_EQ(gatDlg[Ctl(1)].nTop, 11);
    EXPECT_EQ(InOverlay(Row(Ctl(1))).top, DlgToPixelsY(11));
    Key(VK_RIGHT, true);
    EXPECT_EQ(gatDlg[Ctl(1)].nRight, 2);
    Key(VK_TAB);
    Key(VK_TAB);
    EXPECT_EQ(gtElem.lCtl, Ctl(3));
    Key(VK_TAB);
    EXPECT_EQ(gtElem.lCtl, Ctl(1));
    KeyInput(VK_SHIFT, false);
    Key(VK_TAB);
    KeyInput(VK_SHIFT, true);
    EXPECT_EQ(gtElem.lCtl, Ctl(3));
    // Send to back changes the windows only.
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(gtElem.lCtl, Ctl(2));
    glChanged = 0;
    Command(IDM_SENDTOBACK);
    EXPECT_EQ(GetWindow(Row(Ctl(2)), GW_HWNDLAST), Row(Ctl(2)));
    EXPECT_EQ(glChanged, 0);
    // Delete takes the row out of the model and the tab order.
    Key(VK_TAB);
    const int32_t lFrame = gtElem.lCtl;
    Command(IDM_DELETE);
    EXPECT_FALSE(gatDlg.Live(lFrame));
    EXPECT_EQ(gtElem.lCtl, gtElem.lDlg);
    EXPECT_EQ(glChanged, 1);
    // Select All, then Delete: the dialog is empty, the tab order too.
    Command(IDM_SELECTALL);
    EXPECT_EQ(GroupCount(), 2);
    Command(IDM_DELETE);
    EXPECT_EQ(CountDialogRows(gtElem.lResDlg), 1);
    EXPECT_EQ(GroupCount(), 0);
    ExpectSurfaceMatchesModel();
    // The dialog itself moves with the arrows, never off the top.
    SetFocus(hDialog);
    const int32_t lTop = gatDlg[gtElem.lDlg].nTop;
    Key(VK_UP);
    EXPECT_EQ(gatDlg[gtElem.lDlg].nTop, lTop - 1);
    ExpectSurfaceMatchesModel();
    // Moved as a window (by its caption), it changes its left and top only.
    const int32_t lWidth = gatDlg[gtElem.lDlg].nRight - gatDlg[gtElem.lDlg].nLeft;
    const int32_t lLeft = gatDlg[gtElem.lDlg].nLeft;
    RECT w{};
    GetWindowRect(hDialog, &w);
    SetWindowPos(hDialog, nullptr, w.left + 4 * gtMisc.cxChar, w.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER); // 16 dialog units exactly
    EXPECT_EQ(gatDlg[gtElem.lDlg].nLeft, lLeft + 16);
    EXPECT_EQ(gatDlg[gtElem.lDlg].nRight - gatDlg[gtElem.lDlg].nLeft, lWidth);
}

TEST_F(Surface, AControlTheSystemCannotMakeStaysInTheModelAndIsReportedOnce) {
    HMODULE hRich = GetModuleHandleA("RICHED32.DLL");
    WNDCLASSA tClass{};
    ASSERT_TRUE(hRich && GetClassInfoA(hRich, "RichEdit", &tClass));
    ASSERT_TRUE(UnregisterClassA("RichEdit", hRich));
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
    Design({{wkCtlRichEdit, {5, 5, 60, 30}},
            {wkCtlButton, {5, 40, 50, 54}},
            {wkCtlRichEdit, {70, 5, 120, 30}}});
    char szText[256] = "";
    SendMessageA(ghStatus, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(szText));
    tClass.hInstance = hRich;
    RegisterClassA(&tClass);
    EXPECT_NE(std::string(szText).find("\"RichEdit\""), std::string::npos) << szText;
    EXPECT_TRUE(gatDlg.Live(Ctl(1)));
    EXPECT_EQ(Row(Ctl(1)), nullptr);
    EXPECT_TRUE(IsWindow(Row(Ctl(2))));
    // The other controls work as ever; the hidden one can still be selected and kept.
    Command(IDM_SELECTALL);
    EXPECT_EQ(GroupCount(), 3);
    EXPECT_EQ(glChanged, 0);
    // Hovering tells what is under the mouse (between the group's markers).
    SendMessageA(Row(Ctl(2)), WM_MOUSEMOVE, 0, MAKELPARAM(20, 8));
    SendMessageA(ghStatus, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(szText));
    EXPECT_EQ(std::string(szText), "Class=Button   ID=%IDC_C3=1003   Pos=5, 40   Size=45 x 14");
}

TEST_F(Surface, TheContextMenuOpensUnderARealRightClickWithItsEnabling) {
    Design({{wkCtlButton, {10, 10, 50, 24}}, {wkCtlButton, {60, 10, 100, 24}}});
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
    const std::vector<UINT> alAll{IDM_PROPERTIES, IDM_CUT,       IDM_COPY,
                                  IDM_DELETE,     IDM_SELECTALL, IDM_SENDTOBACK};
    // On a control: it is selected, everything but Paste can be chosen, and
    // "Send to Back" (k) reaches the main window as its command.
    const int32_t l = Ctl(1);
    tMenuSeen t = RightClick(Inside(l), {'K'});
    ASSERT_TRUE(t.bDone);
    EXPECT_EQ(t.alEnabled, alAll);
    EXPECT_EQ(t.lDefault, static_cast<UINT>(IDM_PROPERTIES));
    EXPECT_EQ(gtElem.lCtl, l);
    EXPECT_EQ(GetWindow(Row(l), GW_HWNDLAST), Row(l));
    EXPECT_FALSE(FocusGripperShown()); // sending to the back hides the grippers
    EXPECT_EQ(glChanged, 0);
    // On the empty dialog after a copy, nothing selected: nothing to cut or
    // delete, Paste can be chosen; a grayed key does nothing, Esc closes.
    Click(Inside(Ctl(2)));
    Command(IDM_COPY);
    Command(IDM_CANCEL);
    t = RightClick(ScreenAt(150, 80), {'D', VK_ESCAPE});
    ASSERT_TRUE(t.bDone);
    EXPECT_EQ(t.alEnabled, (std::vector<UINT>{IDM_PROPERTIES, IDM_PASTE, IDM_SELECTALL}));
    EXPECT_EQ(gtElem.lCtl, gtElem.lDlg);
    EXPECT_EQ(CountDialogRows(gtElem.lResDlg), 3);
    EXPECT_EQ(GetCapture(), nullptr);
}
