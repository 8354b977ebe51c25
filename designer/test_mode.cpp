#include "designer/test_mode.h"

#include "app/command_enabling.h"
#include "app/file_commands.h"
#include "app/help.h"
#include "app/main_window.h"
#include "app/settings/settings.h"
#include "designer/design_state.h"
#include "designer/test_template.h"
#include "model/project.h"
#include "styles/control_kinds.h"
#include "win/win_handles.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

// The command of Ctrl+T inside the tested dialog: it ends the test.
constexpr WORD kEndTest = 30000;
constexpr int kExitButton = 1001;
constexpr int kHandleText = 1002;
// An extended template counts its items in 16 bits.
constexpr int32_t kMaxItems = 65535;

struct tColours {
    HWND hWnd;
    int32_t lFore; // -1: the default colour
    int32_t lBack;
    tGdiBrush hBrush;
};

struct tTest {
    int32_t lRunning = 0;
    HWND hTested = nullptr;
    HWND hModeWnd = nullptr;
    HACCEL hAccel = nullptr;
    HHOOK hHook = nullptr;
    tIcon hIcon;
    std::vector<int32_t> alRows;     // the rows of the items, in template order
    std::vector<tColours> atColours; // the dialog first, then the coloured controls
    std::vector<tGdiFont> atFonts;   // fonts of their own (the IP address kind)
    RECT tRemembered{};
    bool bRemembered = false;
};
tTest gtTest;

short Short(int64_t l) {
    return static_cast<short>(std::clamp<int64_t>(l, -32768, 32767));
}

std::string Upper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

// The style bits the tested dialog leaves out, so that it draws itself.
uint32_t TestStyle(const tDlg& t) {
    uint32_t l = static_cast<uint32_t>(t.lStyle);
    switch (t.lCtlType) {
    case wkCtlButton:
    case wkCtlImgButton:
    case wkCtlImgButtonX:
        l &= ~0xBu; // default and owner-drawn push buttons become plain ones
        break;
    case wkCtlComboBox:
    case wkCtlListBox:
        l &= ~0x30u;
        break;
    case wkCtlListView:
        l &= ~0x1400u;
        break;
    case wkCtlTab:
        l &= ~0x2000u;
        break;
    case wkCtlCustom:
        l |= static_cast<uint32_t>(gatCtlDefault[wkCtlCustom].lDesignStyle);
        break;
    default:
        break;
    }
    return l;
}

void AddColours(HWND hWnd, const tDlg& t) {
    const int32_t lFore = t.byForeClrUsed ? t.lForeClr : -1;
    const int32_t lBack = t.byBackClrUsed ? t.lBackClr : -1;
    if (lFore == -1 && lBack == -1) {
        return;
    }
    tGdiBrush hBrush(lBack == -1 ? nullptr : CreateSolidBrush(static_cast<COLORREF>(lBack)));
    gtTest.atColours.push_back({hWnd, lFore, lBack, std::move(hBrush)});
}

LRESULT ColourReply(HDC hDC, HWND hWnd, LRESULT lDefault) {
    for (const tColours& t : gtTest.atColours) {
        if (t.hWnd != hWnd) {
            continue;
        }
        if (t.lFore != -1) {
            SetTextColor(hDC, static_cast<COLORREF>(t.lFore));
        }
        if (t.lBack != -1) {
            SetBkColor(hDC, static_cast<COLORREF>(t.lBack));
            return reinterpret_cast<LRESULT>(t.hBrush.Get());
        }
        return lDefault;
    }
    return lDefault;
}

// The template of the current dialog, and the rows of its items in order.
std::unique_ptr<DialogTemplate> BuildTemplate(HWND hMain) {
    const int32_t lDlg = gtElem.lDlg;
    const tDlg& d = gatDlg[lDlg];
    // Where the design dialog is: the model's rectangle taken as screen
    // pixels, into the main window's client coordinates, back to dialog units.
    tDlgRect p = DlgToPixels({d.nLeft, d.nTop, d.nRight, d.nBottom});
    POINT tCorner{p.nLeft, p.nTop};
    ScreenToClient(hMain, &tCorner);
    const tDlgRect u = PixelsToDlg(
        {tCorner.x, tCorner.y, tCorner.x + (p.nRight - p.nLeft), tCorner.y + (p.nBottom - p.nTop)});
    uint32_t lStyle = static_cast<uint32_t>(d.lStyle);
    if (lStyle & WS_CHILD) {
        lStyle &= ~static_cast<uint32_t>(WS_CLIPSIBLINGS);
    }
    // The dialog's own font gives its dialog units; a control that cannot be
    // made is left out instead of failing the whole dialog.
    lStyle |= DS_SETFONT | DS_NOFAILCREATE;
    tFontDesc tFont{};
    if (!FontDescription(d.lFontElem, tFont)) {
        tFont = DefaultFontDescription();
    }
    auto pTemplate = std::make_unique<DialogTemplate>(
        lStyle, static_cast<uint32_t>(d.lExStyle), Short(u.nLeft), Short(u.nTop),
        Short(int64_t{u.nRight} - u.nLeft), Short(int64_t{u.nBottom} - u.nTop),
        GetDynStr(d.lCaptionElem), tFont.szFontName.str(),
        static_cast<WORD>(std::clamp<float>(tFont.fFontSize + 0.5f, 1.0f, 1000.0f)),
        static_cast<WORD>(std::clamp<int32_t>(tFont.lWeight, 0, 1000)),
        static_cast<BYTE>(tFont.lItalic ? 1 : 0), static_cast<BYTE>(tFont.lCharSet));
    gtTest.alRows.clear();
    for (int32_t l = 1; l <= glDlgCnt && pTemplate->Count() < kMaxItems; ++l) {
        const tDlg& t = gatDlg[l];
        if (t.byDeleted || t.lResElem != gtElem.lResDlg || t.lCtlType == wkCtlDialog) {
            continue;
        }
        const std::string sClass = t.lCtlType == wkCtlCustom ? "Static" : t.szClass.str();
        pTemplate->AddItem(
            TestStyle(t), static_cast<uint32_t>(t.lExStyle), Short(t.nLeft), Short(t.nTop),
            Short(int64_t{t.nRight} - t.nLeft), Short(int64_t{t.nBottom} - t.nTop),
            static_cast<uint32_t>(gatID[t.lIDElem].lIDValue), sClass, GetDynStr(t.lCaptionElem));
        gtTest.alRows.push_back(l);
    }
    return pTemplate;
}

// Fonts, sample contents and colours of the controls the dialog made. They
// stand in template order; one that could not be made is simply missing.
void DressControls(HWND hDlg) {
    HWND hChild = GetWindow(hDlg, GW_CHILD);
    for (int32_t l : gtTest.alRows) {
        if (!hChild) {
            break;
        }
        const tDlg& t = gatDlg[l];
        const auto lID = static_cast<LONG_PTR>(static_cast<uint32_t>(gatID[t.lIDElem].lIDValue));
        if (static_cast<uint32_t>(GetWindowLongPtrA(hChild, GWLP_ID)) !=
            static_cast<uint32_t>(lID)) {
            continue; // this row's control is the one missing
        }
        HFONT hFont = FontHandle(t.lFontElem);
        if (t.lCtlType == wkCtlIPAddress && hFont) {
            // The IP address control deletes the font it is given.
            LOGFONTA tLog{};
            GetObjectA(hFont, sizeof(tLog), &tLog);
            gtTest.atFonts.emplace_back(CreateFontIndirectA(&tLog));
            hFont = gtTest.atFonts.back().Get();
        }
        if (hFont) {
            SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
        }
        FillSampleContent(hChild, l);
        AddColours(hChild, t);
        hChild = GetWindow(hChild, GW_HWNDNEXT);
    }
}

void ReportID(HWND hDlg, WPARAM wParam, LPARAM lParam) {
    const int lCode = HIWORD(wParam);
    if (lCode != 0 && lCode != 1) {
        return;
    }
    const int32_t lValue = LOWORD(wParam);
    int32_t lID = 0;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        const tID& t = gatID[l];
        if (!t.byDeleted && t.lUsedBy != 0 && t.lIDValue == lValue) {
            lID = l;
            break;
        }
    }
    if (!lID) {
        return;
    }
    if (lParam) {
        HWND hCtl = reinterpret_cast<HWND>(lParam);
        char szClass[64] = "";
        GetClassNameA(hCtl, szClass, sizeof(szClass));
        const auto lStyle = static_cast<uint32_t>(GetWindowLongA(hCtl, GWL_STYLE));
        if (Upper(szClass) != "BUTTON" || (lStyle & 0xF) > 1) {
            return;
        }
    } else if (!(gatID[lID].lUsedBy & wkUsedByMenu)) {
        return;
    }
    const std::string s = gatID[lID].szIDName.str() + " = " + std::to_string(gatID[lID].lIDValue);
    MessageBoxA(hDlg, s.c_str(), "Test", MB_OK);
}

// The tested dialog's keys: its accelerator table and Ctrl+T, while its
// modal loop runs.
LRESULT CALLBACK KeyFilter(int lCode, WPARAM wParam, LPARAM lParam) {
    if (lCode >= 0 && gtTest.hTested && gtTest.hAccel) {
        MSG* pMsg = reinterpret_cast<MSG*>(lParam);
        if ((pMsg->hwnd == gtTest.hTested || IsChild(gtTest.hTested, pMsg->hwnd)) &&
            TranslateAcceleratorA(gtTest.hTested, gtTest.hAccel, pMsg)) {
            return 1;
        }
    }
    return CallNextHookEx(gtTest.hHook, lCode, wParam, lParam);
}

HACCEL BuildAccelerators() {
    std::vector<ACCEL> at;
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        const tAccel& t = gatAccel[l];
        if (t.byDeleted || !gtElem.lResAccel || t.lResElem != gtElem.lResAccel) {
            continue;
        }
        at.push_back({static_cast<BYTE>(FVIRTKEY | FNOINVERT | t.byModifiers), t.byKey,
                      static_cast<WORD>(gatID[t.lIDElem].lIDValue)});
    }
    at.push_back({FVIRTKEY | FNOINVERT | FCONTROL, 'T', kEndTest});
    return CreateAcceleratorTable(at.data(), static_cast<int>(at.size()));
}

void ShowDesign(bool bShow) {
    ShowDesignWindows(bShow ? SW_SHOW : SW_HIDE);
    UpdateCommands();
}

INT_PTR CALLBACK TestedProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG: {
        gtTest.hTested = hDlg;
        ShowDesign(false);
        const tDlg& d = gatDlg[gtElem.lDlg];
        AddColours(hDlg, d);
        DressControls(hDlg);
        if (gtElem.lResMenu) {
            ShowMenuBar(hDlg);
        }
        if (d.lDataResElem) {
            gtTest.hIcon.Reset(static_cast<HICON>(LoadImageA(
                nullptr, DataFileName(gtElem.lDlg).c_str(), IMAGE_ICON, 16, 16, LR_LOADFROMFILE)));
            if (gtTest.hIcon) {
                SendMessageA(hDlg, WM_SETICON, ICON_SMALL,
                             reinterpret_cast<LPARAM>(gtTest.hIcon.Get()));
            }
        }
        if (gtTest.hModeWnd) {
            SetDlgItemTextA(gtTest.hModeWnd, kHandleText,
                            std::to_string(reinterpret_cast<intptr_t>(hDlg)).c_str());
        }
        SetActiveWindow(hDlg);
        return TRUE;
    }
    case WM_DESTROY:
        if (HMENU hMenu = GetMenu(hDlg)) {
            SetMenu(hDlg, nullptr);
            DestroyMenu(hMenu);
        }
        ShowDesign(true);
        gtTest.hIcon.Reset();
        gtTest.hTested = nullptr;
        return FALSE;
    case WM_HELP:
        if (reinterpret_cast<const HELPINFO*>(lParam)->iContextType == HELPINFO_WINDOW) {
            ShowHelp(hDlg, ProgramHelpFile(), "Test mode");
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDCANCEL);
        }
        ReportID(hDlg, wParam, lParam);
        if (LOWORD(wParam) == kEndTest) {
            EndDialog(hDlg, 0);
        }
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR: {
        HWND hFor = uMsg == WM_CTLCOLORDLG ? hDlg : reinterpret_cast<HWND>(lParam);
        return static_cast<INT_PTR>(ColourReply(reinterpret_cast<HDC>(wParam), hFor, 0));
    }
    default:
        return FALSE;
    }
}

void MoveModeWindow(HWND hWnd) {
    RECT r{};
    GetWindowRect(hWnd, &r);
    POINT p{};
    if (gtTest.bRemembered) {
        p = {gtTest.tRemembered.left, gtTest.tRemembered.top};
    } else {
        const tWinPlacement t = ReadWindowPos(wkPosTestModeDlg, ScreenSizeNow(), r.right - r.left);
        if (!t.lMove) {
            return;
        }
        p = {t.lLeft, t.lTop};
    }
    SetWindowPos(hWnd, nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK ModeProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        MoveModeWindow(hWnd);
        return TRUE;
    case WM_DESTROY: {
        RECT r{};
        GetWindowRect(hWnd, &r);
        SaveWindowPos(wkPosTestModeDlg, {r.left, r.top, r.right, r.bottom});
        return FALSE;
    }
    case WM_SHOWWINDOW:
        if (wParam) {
            MoveModeWindow(hWnd);
        } else {
            GetWindowRect(hWnd, &gtTest.tRemembered);
            gtTest.bRemembered = true;
        }
        return FALSE;
    case WM_HELP:
        ShowHelp(hWnd, ProgramHelpFile(), "Test mode");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == kExitButton && HIWORD(wParam) == BN_CLICKED) {
            char sz[32] = "";
            GetDlgItemTextA(hWnd, kHandleText, sz, sizeof(sz));
            HWND hTested = reinterpret_cast<HWND>(static_cast<intptr_t>(std::atoll(sz)));
            if (hTested && IsWindow(hTested) && hTested == gtTest.hTested) {
                EndDialog(hTested, 0);
            }
            return TRUE;
        }
        return FALSE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(kExitButton, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(hWnd, kExitButton)));
            return TRUE;
        }
        return FALSE;
    default:
        (void)lParam;
        return FALSE;
    }
}

HWND OpenModeWindow(HWND hMain) {
    DialogTemplate t(0x94C800D4, WS_EX_CONTROLPARENT | WS_EX_WINDOWEDGE, 0, 0, 76, 25, "Test Mode",
                     "MS Sans Serif", 8, FW_NORMAL, 0, DEFAULT_CHARSET);
    t.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 5, 5, 65, 15, kExitButton,
              "Button", "Exit Test Mode");
    t.AddItem(WS_CHILD, 0, 0, 0, 0, 0, kHandleText, "Static", "");
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.Get(), hMain, ModeProc, 0);
}

} // namespace

int32_t TestRunning() {
    return gtTest.lRunning;
}

HWND TestedDialogWindow() {
    return gtTest.hTested;
}

HWND TestModeWindow() {
    return gtTest.hModeWnd;
}

void TestDialogCmd(HWND hOwner) {
    if (glDlgCnt == 0 || gtTest.lRunning || !gatDlg.Live(gtElem.lDlg)) {
        return;
    }
    HWND hMain = hOwner ? hOwner : ghWndMain;
    std::unique_ptr<DialogTemplate> pTemplate = BuildTemplate(hMain);
    const int32_t lSavedCtl = gtElem.lCtl;
    gtTest.lRunning = 1;
    gtTest.hAccel = BuildAccelerators();
    gtTest.hHook = SetWindowsHookExA(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
    gtTest.hModeWnd = OpenModeWindow(hMain);
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), pTemplate->Get(), hMain, TestedProc, 0);
    if (gtTest.hModeWnd) {
        DestroyWindow(gtTest.hModeWnd);
        gtTest.hModeWnd = nullptr;
    }
    if (gtTest.hHook) {
        UnhookWindowsHookEx(gtTest.hHook);
        gtTest.hHook = nullptr;
    }
    if (gtTest.hAccel) {
        DestroyAcceleratorTable(gtTest.hAccel);
        gtTest.hAccel = nullptr;
    }
    gtTest.atColours.clear();
    gtTest.atFonts.clear();
    gtTest.alRows.clear();
    gtTest.hTested = nullptr;
    gtTest.lRunning = 0;
    if (HWND hDesign = DesignDialogWindow()) {
        SetActiveWindow(hDesign);
        gtElem.lCtl = lSavedCtl;
        if (lSavedCtl != gtElem.lDlg && gatDlg.Live(lSavedCtl) && gtDesign.atGroup.empty()) {
            ShowFocusGrippers(RowWindow(lSavedCtl));
        }
    }
    UpdateCommands();
}
