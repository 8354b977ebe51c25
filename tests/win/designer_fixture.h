// The main window with a dialog of the test's own on the design surface; the
// user's hand (real mouse and keyboard input) comes from user_input.h.
#pragma once

#include "designer/designer.h"
#include "edit/resource_edits.h"
#include "model/design_geometry.h"
#include "model/dynstr.h"
#include "styles/control_kinds.h"
#include "tests/win/user_input.h"

#include <cstdlib>
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
        tDlg tRow = NewKindRow(wkCtlDialog);
        tRow.nLeft = 10;
        tRow.nTop = 10;
        tRow.nRight = 230;
        tRow.nBottom = 130;
        const int32_t lDlg = NewDialog(tRow);
        for (const tCtl& c : atCtl) {
            tDlg t = NewKindRow(c.lKind);
            const std::string sNo = std::to_string(glIDCnt + 1);
            t.lIDElem = AddID("%IDC_C" + sNo, std::to_string(1000 + glIDCnt + 1), wkUsedByDlg);
            SetDynStr(t.lCaptionElem, c.szCaption ? c.szCaption : "C" + sNo);
            t.nLeft = c.t.nLeft;
            t.nTop = c.t.nTop;
            t.nRight = c.t.nRight;
            t.nBottom = c.t.nBottom;
            NewControl(lDlg, t, tNewCtlOpts{false, true, true, false});
        }
        Show(gatDlg[lDlg].lResElem);
        return gatDlg[lDlg].lResElem;
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
    // A window's rectangle in the overlay's client pixels.
    static RECT InOverlay(HWND h) {
        RECT r{};
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, DesignOverlayWindow(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // Every live control of the current dialog has its window: class, text
    // and rectangle as the model says; and the dialog follows the frame rules.
    static void ExpectSurfaceMatchesModel() {
        const int32_t lDlg = gtElem.lDlg;
        HWND hDialog = DesignDialogWindow();
        ASSERT_TRUE(hDialog);
        EXPECT_EQ(WindowClassName(hDialog), "KvDialog");
        EXPECT_EQ(WindowText(hDialog), GetDynStr(gatDlg[lDlg].lCaptionElem));
        const tDlgRect tModel{gatDlg[lDlg].nLeft, gatDlg[lDlg].nTop, gatDlg[lDlg].nRight,
                              gatDlg[lDlg].nBottom};
        const bool bMenu = GetMenu(hDialog) != nullptr;
        EXPECT_EQ(bMenu, gatRes[gtElem.lResDlg].lLinkMenu != 0);
        RECT w{};
        GetWindowRect(hDialog, &w);
        const tDlgRect p = DlgToPixels(tModel);
        if (p.nRight - p.nLeft < 2000 && p.nBottom - p.nTop < 2000) {
            // The frame rules, written out again from the system metrics.
            const int cxOut = GetSystemMetrics(SM_CXFIXEDFRAME) - GetSystemMetrics(SM_CXFRAME);
            EXPECT_EQ(w.left, p.nLeft + cxOut);
            EXPECT_EQ(w.top,
                      p.nTop + GetSystemMetrics(SM_CYFIXEDFRAME) - GetSystemMetrics(SM_CYFRAME));
            EXPECT_EQ(w.right,
                      p.nRight + GetSystemMetrics(SM_CXFIXEDFRAME) + GetSystemMetrics(SM_CXFRAME));
            RECT c{};
            GetClientRect(hDialog, &c);
            EXPECT_EQ(c.right, p.nRight - p.nLeft);
        }
        int32_t lControls = 0;
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            const tDlg& t = gatDlg[l];
            if (t.byDeleted || t.lResElem != gtElem.lResDlg || t.lCtlType == 0) {
                continue;
            }
            ++lControls;
            HWND h = Row(l);
            ASSERT_TRUE(h && IsWindow(h)) << l;
            const std::string sClass = CtlTypeClass(t.lCtlType);
            EXPECT_EQ(
                lstrcmpiA(WindowClassName(h).c_str(), sClass.empty() ? "Static" : sClass.c_str()),
                0)
                << WindowClassName(h) << " " << l;
            const int32_t k = t.lCtlType;
            if (k == wkCtlLabel || k == wkCtlButton || k == wkCtlFrame || k == wkCtlCheckBox ||
                k == wkCtlOption || k == wkCtlTextBox) {
                EXPECT_EQ(WindowText(h), GetDynStr(t.lCaptionElem)) << l;
            }
            const tDlgRect q = DlgToPixels({t.nLeft, t.nTop, t.nRight, t.nBottom});
            const RECT r = InOverlay(h);
            if (std::abs(q.nLeft) < 30000 && std::abs(q.nRight) < 30000 &&
                std::abs(q.nTop) < 30000 && std::abs(q.nBottom) < 30000) {
                EXPECT_EQ(r.left, q.nLeft) << l;
                EXPECT_EQ(r.top, q.nTop) << l;
                // Pictures, animations and arrows size themselves.
                if (k != wkCtlImage && k != wkCtlAnimate && k != wkCtlUpDown) {
                    EXPECT_EQ(r.right, q.nRight) << l;
                    if (k != wkCtlComboBox) {
                        EXPECT_EQ(r.bottom, q.nBottom) << l;
                    }
                }
            }
        }
        int32_t lWindows = 0;
        for (HWND h = GetWindow(DesignOverlayWindow(), GW_CHILD); h;
             h = GetWindow(h, GW_HWNDNEXT)) {
            lWindows += WindowClassName(h).rfind("KvGripper", 0) != 0;
        }
        EXPECT_EQ(lWindows, lControls);
    }
};
