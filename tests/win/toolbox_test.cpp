// The toolbox under Wine: tools chosen and double-clicked with the real
// mouse, controls drawn and placed on the design surface.
#include "tests/win/designer_fixture.h"

#include "designer/toolbox.h"
#include "edit/design_edits.h"

#include <cctype>

namespace {

class Toolbox : public DesignerTest {
  protected:
    static HWND Bar() { return GetDlgItem(ghToolbox, IDB_TOOLBOX); }
    static POINT ToolAt(int32_t lId) {
        RECT r{};
        SendMessageA(Bar(), TB_GETRECT, static_cast<WPARAM>(lId), reinterpret_cast<LPARAM>(&r));
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(Bar(), &p);
        return p;
    }
    static bool Checked(int32_t lId) {
        return SendMessageA(Bar(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(lId), 0) != 0;
    }
    // The toolbox as the user sees it over the design dialog.
    static void ShowToolbox() {
        ASSERT_TRUE(ghToolbox && IsWindow(ghToolbox));
        if (!IsWindowVisible(ghToolbox)) {
            ShowWindow(ghToolbox, SW_SHOWNOACTIVATE);
        }
        SetWindowPos(ghToolbox, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        PumpMessages(40);
    }
    static void ExpectSelectTool() {
        EXPECT_EQ(CurrentTool(), IDT_SELECT);
        EXPECT_TRUE(Checked(IDT_SELECT));
        EXPECT_EQ(PlacingKind(), 0);
    }
};

TEST_F(Toolbox, OpensCheckedWithThirtyToolsAndReopensWhereItWas) {
    ASSERT_TRUE(ghToolbox);
    EXPECT_EQ(WindowClassName(ghToolbox), "KvDlgEdit_ToolBox");
    EXPECT_EQ(GetMenuState(GetMenu(ghWndMain), IDM_TOOLBOX, MF_BYCOMMAND) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(SendMessageA(Bar(), TB_BUTTONCOUNT, 0, 0), 30);
    RECT r{};
    GetWindowRect(ghToolbox, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 80);
    ExpectSelectTool();
    Design({{wkCtlButton, {10, 10, 60, 24}, nullptr}});
    ShowToolbox();
    RedrawWindow(ghToolbox, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages(200);
    EXPECT_FALSE(SaveWindowScreenshot(ghToolbox, "toolbox").empty());
    // Moved, closed with View > Toolbox and opened again: where it was left.
    SetWindowPos(ghToolbox, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(IDM_TOOLBOX);
    EXPECT_EQ(ghToolbox, nullptr);
    EXPECT_EQ(GetMenuState(GetMenu(ghWndMain), IDM_TOOLBOX, MF_BYCOMMAND) & MF_CHECKED, 0u);
    Command(IDM_TOOLBOX);
    ASSERT_TRUE(ghToolbox);
    GetWindowRect(ghToolbox, &r);
    EXPECT_EQ(r.left, 300);
    EXPECT_EQ(r.top, 200);
}

TEST_F(Toolbox, ButtonToolDrawsANewControlAndReturnsToSelect) {
    const int32_t lRes = Design({{wkCtlLabel, {10, 10, 60, 20}, nullptr}});
    ShowToolbox();
    Click(ToolAt(IDT_SELECT + wkCtlButton));
    EXPECT_EQ(CurrentTool(), IDT_SELECT + wkCtlButton);
    EXPECT_EQ(PlacingKind(), wkCtlButton);
    PumpMessages(600); // past the double-click time
    SetForegroundWindow(DesignDialogWindow());
    glChanged = 0;
    Drag(ScreenAt(81, 41), ScreenAt(131, 56));
    const std::vector<int32_t> al = Controls(lRes);
    ASSERT_EQ(al.size(), 2u);
    const tDlg& t = gatDlg[al[1]];
    EXPECT_EQ(t.lCtlType, wkCtlButton);
    const std::string sName = gatID[t.lIDElem].szIDName.str();
    EXPECT_EQ(sName.rfind("%IDC_BUTTON", 0), 0u) << sName;
    EXPECT_EQ(GetDynStr(t.lCaptionElem), "Button" + sName.substr(11));
    EXPECT_EQ(t.lCtlOrder, 2);
    EXPECT_EQ(t.nLeft, 80); // both corners on the 5-unit grid
    EXPECT_EQ(t.nTop, 40);
    EXPECT_EQ(t.nRight, 130);
    EXPECT_EQ(t.nBottom, 55);
    ExpectSelectTool();
    EXPECT_EQ(glChanged, 1);
    EXPECT_TRUE(FocusGripperShown());
    ExpectSurfaceMatchesModel();
    // Released where it was pressed: nothing is made, the tool goes back to Select.
    Click(ToolAt(IDT_SELECT + wkCtlTextBox));
    PumpMessages(600);
    Click(ScreenAt(200, 30));
    EXPECT_EQ(Controls(lRes).size(), 2u);
    ExpectSelectTool();

    // Esc while drawing: nothing is added and the pointer selects again.
    // (The toolbox stands over the dialog's left part.)
    Click(ToolAt(IDT_SELECT + wkCtlCheckBox));
    PumpMessages(600);
    SetForegroundWindow(DesignDialogWindow());
    MouseInput(MOUSEEVENTF_MOVE, ScreenAt(140, 70));
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    MouseInput(MOUSEEVENTF_MOVE, ScreenAt(180, 90));
    EXPECT_NE(GetCapture(), nullptr);
    Command(IDM_CANCEL);
    MouseInput(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(Controls(lRes).size(), 2u);
    ExpectSelectTool();
    // "Button" then "Select": a drag draws a band, not a control.
    Click(ToolAt(IDT_SELECT + wkCtlButton));
    Click(ToolAt(IDT_SELECT));
    EXPECT_EQ(PlacingKind(), 0);
    Drag(ScreenAt(150, 70), ScreenAt(200, 100));
    EXPECT_EQ(Controls(lRes).size(), 2u);
}

TEST_F(Toolbox, DoubleClickPlacesBelowTheLastControlOrAsksFirst) {
    const int32_t lRes = Design({{wkCtlLabel, {12, 10, 62, 23}, nullptr}});
    ShowToolbox();
    Click(ToolAt(IDT_SELECT + wkCtlButton));
    Click(ToolAt(IDT_SELECT + wkCtlButton));
    std::vector<int32_t> al = Controls(lRes);
    ASSERT_EQ(al.size(), 2u);
    // Left-aligned with the last control, its top rounded up to the grid.
    const tDlgRect t = RectOf(al[1]);
    EXPECT_EQ(t.nLeft, 12);
    EXPECT_EQ(t.nTop, 25);
    EXPECT_EQ(t.nRight - t.nLeft, gatCtlDefault[wkCtlButton].lWidth);
    EXPECT_EQ(t.nBottom - t.nTop, gatCtlDefault[wkCtlButton].lHeight);
    ExpectSelectTool();

    // The last control near the bottom edge: the question, answered No.
    EditSetRect(al[1], {12, 110, 62, 118});
    Answer("Wrenkit", IDNO);
    PumpMessages(600);
    Click(ToolAt(IDT_SELECT + wkCtlButton));
    Click(ToolAt(IDT_SELECT + wkCtlButton));
    PumpUntil([] { return !SeenBoxes().empty(); }, 3000);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText.rfind("The automatic placement of the control places it", 0),
              0u);
    EXPECT_EQ(Controls(lRes).size(), 2u);
    ExpectSelectTool();
}

} // namespace
