// The main window with a dialog of the test's own on the design surface, and
// the user's hand: real mouse and keyboard input through SendInput.
#pragma once

#include "designer/designer.h"
#include "edit/resource_edits.h"
#include "model/design_geometry.h"
#include "model/dynstr.h"
#include "styles/control_kinds.h"
#include "tests/win/user_input.h"

#include <initializer_list>

class DesignerTest : public ShellTest {
  public:
    void SetUp() override {
        ShellTest::SetUp();
        gtOptions.lImportResults = 0;
        ASSERT_TRUE(CreateShown(900, 400));
    }
    void TearDown() override {
        SetPlacing(0);
        ShellTest::TearDown();
    }

    struct tCtl {
        int32_t lKind;
        tDlgRect t;
        const char* szCaption = nullptr; // "C" and the ID's number when none
    };
    // A dialog at 10, 10 (220 x 120) with the controls, shown; its resource.
    static int32_t Design(std::initializer_list<tCtl> atCtl) {
        const int32_t lRes = NewResource(wkResDialog);
        tDlg tRow = NewKindRow(wkCtlDialog);
        tRow.lIDElem = gatRes[lRes].lIDElem;
        tRow.lResElem = lRes;
        tRow.lFontElem = 1;
        tRow.nLeft = 10;
        tRow.nTop = 10;
        tRow.nRight = 230;
        tRow.nBottom = 130;
        AddDlgRow(tRow);
        int32_t lOrder = 0;
        for (const tCtl& c : atCtl) {
            tDlg t = NewKindRow(c.lKind);
            t.lResElem = lRes;
            t.lFontElem = 1;
            t.lCtlOrder = ++lOrder;
            const std::string sNo = std::to_string(glIDCnt + 1);
            t.lIDElem = AddID("%IDC_C" + sNo, std::to_string(1000 + glIDCnt + 1), wkUsedByDlg);
            SetDynStr(t.lCaptionElem, c.szCaption ? c.szCaption : "C" + sNo);
            t.nLeft = c.t.nLeft;
            t.nTop = c.t.nTop;
            t.nRight = c.t.nRight;
            t.nBottom = c.t.nBottom;
            AddDlgRow(t);
        }
        Show(lRes);
        return lRes;
    }
    // The dialog of the resource built on the surface again, unchanged.
    static void Show(int32_t lRes) {
        BuildDesignDialog(ghWndMain, lRes);
        SetForegroundWindow(DesignDialogWindow());
        PumpMessages(60);
        glChanged = 0;
    }

    // The live control rows of a dialog resource in row order.
    static std::vector<int32_t> Controls(int32_t lRes) {
        std::vector<int32_t> al;
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            if (gatDlg.Live(l) && gatDlg[l].lResElem == lRes && gatDlg[l].lCtlType) {
                al.push_back(l);
            }
        }
        return al;
    }
    static tDlgRect RectOf(int32_t l) {
        return {gatDlg[l].nLeft, gatDlg[l].nTop, gatDlg[l].nRight, gatDlg[l].nBottom};
    }
    static HWND Row(int32_t l) {
        return reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[l].hWnd));
    }
    // Screen point of a dialog-unit point of the overlay.
    static POINT ScreenAt(int32_t x, int32_t y) {
        POINT p{DlgToPixelsX(x), DlgToPixelsY(y)};
        ClientToScreen(DesignOverlayWindow(), &p);
        return p;
    }
    static POINT Centre(HWND h) {
        RECT r{};
        GetWindowRect(h, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    static void MouseInput(DWORD lFlags, POINT p = {}) {
        INPUT t{};
        t.type = INPUT_MOUSE;
        if (lFlags & MOUSEEVENTF_MOVE) {
            lFlags |= MOUSEEVENTF_ABSOLUTE;
            t.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
            t.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        }
        t.mi.dwFlags = lFlags;
        SendInput(1, &t, sizeof(t));
        PumpMessages(40);
    }
    // Keys pressed and released in order, released in reverse (Ctrl+T: {VK_CONTROL, 'T'}).
    static void Keys(std::initializer_list<WORD> alKey) {
        std::vector<INPUT> at;
        for (WORD l : alKey) {
            INPUT t{};
            t.type = INPUT_KEYBOARD;
            t.ki.wVk = l;
            at.push_back(t);
        }
        for (auto it = alKey.end(); it != alKey.begin();) {
            INPUT t{};
            t.type = INPUT_KEYBOARD;
            t.ki.wVk = *--it;
            t.ki.dwFlags = KEYEVENTF_KEYUP;
            at.push_back(t);
        }
        SendInput(static_cast<UINT>(at.size()), at.data(), sizeof(INPUT));
    }
    static void KeyInput(WORD lKey, bool bUp) {
        INPUT t{};
        t.type = INPUT_KEYBOARD;
        t.ki.wVk = lKey;
        t.ki.dwFlags = bUp ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &t, sizeof(t));
    }
    static void Click(POINT p, bool bCtrl = false) {
        MouseInput(MOUSEEVENTF_MOVE, p);
        if (bCtrl) {
            KeyInput(VK_CONTROL, false);
        }
        MouseInput(MOUSEEVENTF_LEFTDOWN);
        MouseInput(MOUSEEVENTF_LEFTUP);
        if (bCtrl) {
            KeyInput(VK_CONTROL, true);
            PumpMessages(20);
        }
    }
    // A left-button drag from one screen point to another in a few steps.
    static void Drag(POINT a, POINT b, int lSteps = 4) {
        MouseInput(MOUSEEVENTF_MOVE, a);
        MouseInput(MOUSEEVENTF_LEFTDOWN);
        for (int i = 1; i <= lSteps; ++i) {
            MouseInput(MOUSEEVENTF_MOVE,
                       {a.x + (b.x - a.x) * i / lSteps, a.y + (b.y - a.y) * i / lSteps});
        }
        MouseInput(MOUSEEVENTF_LEFTUP);
    }
};
