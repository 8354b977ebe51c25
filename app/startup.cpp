#include "app/startup.h"

#include "app/main_window.h"
#include "app/settings/settings.h"
#include "app/styles_resource.h"
#include "designer/designer.h"
#include "model/fonts.h"
#include "model/project.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "win/win_handles.h"

#include <commctrl.h>

#include <string>

namespace {

// The solid gripper brushes; system colour brushes are never owned.
tGdiBrush gtGripperBrush1;
tGdiBrush gtGripperBrush2;
tLibrary gtRichEdit;

HBRUSH BrushForColor(uint32_t lColor, tGdiBrush& tBrush) {
    if (lColor & wkSysColorFlag) {
        tBrush.Reset();
        return GetSysColorBrush(static_cast<int>(lColor - wkSysColorFlag));
    }
    tBrush.Reset(CreateSolidBrush(lColor));
    return tBrush.Get();
}

} // namespace

void InitCommonCtls() {
    tLibrary tLib(LoadLibraryA("COMCTL32.DLL"));
    if (!tLib) {
        return;
    }
    using PfnInitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto pfnInitEx = reinterpret_cast<PfnInitEx>(
        reinterpret_cast<void*>(GetProcAddress(tLib.Get(), "InitCommonControlsEx")));
    if (pfnInitEx) {
        INITCOMMONCONTROLSEX tInit{};
        tInit.dwSize = 8;
        tInit.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES;
        pfnInitEx(&tInit);
        glComCtlsEx = 1;
    } else {
        InitCommonControls();
    }
    // The controls stay registered: the program links the library itself, so
    // freeing this reference does not unload it.
}

void MakeGripperBrushes(tOptions& tOpt) {
    tOpt.hGripperBrush1 =
        reinterpret_cast<uintptr_t>(BrushForColor(tOpt.lGripperColor1, gtGripperBrush1));
    tOpt.hGripperBrush2 =
        reinterpret_cast<uintptr_t>(BrushForColor(tOpt.lGripperColor2, gtGripperBrush2));
}

void RefreshGripperBrushes() {
    if (gtOptions.lGripperColor1 & wkSysColorFlag) {
        gtOptions.hGripperBrush1 =
            reinterpret_cast<uintptr_t>(BrushForColor(gtOptions.lGripperColor1, gtGripperBrush1));
    }
    if (gtOptions.lGripperColor2 & wkSysColorFlag) {
        gtOptions.hGripperBrush2 =
            reinterpret_cast<uintptr_t>(BrushForColor(gtOptions.lGripperColor2, gtGripperBrush2));
    }
}

void ReadStartupOptions() {
    gpfnMakeGripperBrushes = MakeGripperBrushes;
    ReadOptions();
}

void MeasureBaseUnits(HFONT hFont, int32_t& lCxChar, int32_t& lCyChar) {
    const tWindowDC tScreen(nullptr);
    HDC hDC = tScreen.Get();
    tSelected tSel(hDC, hFont);
    TEXTMETRICA tMetric{};
    GetTextMetricsA(hDC, &tMetric);
    lCyChar = tMetric.tmHeight;
    // The bit is set for a variable-pitch font. Its width is measured as the
    // system measures a dialog's font, divisions cut to whole pixels: with
    // rounded divisions the design surface would come out a pixel per four
    // dialog units wider than the dialog the program later shows.
    if (tMetric.tmPitchAndFamily & TMPF_FIXED_PITCH) {
        static const char szLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
        SIZE tSize{};
        GetTextExtentPointA(hDC, szLetters, 52, &tSize);
        lCxChar = (tSize.cx / 26 + 1) / 2;
    } else {
        lCxChar = tMetric.tmAveCharWidth;
    }
}

void InitDesigner() {
    UseStylesResource();
    LoadStylesCatalog();
    BuildControlDefaults();
    InitDesignSurface();
    gtRichEdit.Reset(LoadLibraryA("RICHED32.DLL"));
    if (!gtRichEdit) {
        // Everything else works; the rich-edit tool stays gray.
        MessageBoxA(ghWndMain, "Cannot load RICHED32.DLL", "Wrenkit", MB_OK | MB_ICONINFORMATION);
    }
    {
        const tWindowDC tScreen(nullptr);
        HDC hDC = tScreen.Get();
        glPixelsPerInch = GetDeviceCaps(hDC, LOGPIXELSY);
    }
    if (ghFontCnt == 0) {
        AddFont(DefaultFontDescription());
    }
    if (ghFontCnt > 0) {
        const tLogFont& t = gahFont[1];
        LOGFONTA tFont{};
        tFont.lfHeight = t.lHeight;
        tFont.lfWidth = t.lWidth;
        tFont.lfWeight = t.lWeight;
        tFont.lfItalic = t.byItalic;
        tFont.lfUnderline = t.byUnderline;
        tFont.lfStrikeOut = t.byStrikeOut;
        tFont.lfCharSet = t.byCharSet;
        const std::string sFace = t.szFaceName.str();
        sFace.copy(tFont.lfFaceName, LF_FACESIZE - 1);
        tGdiFont tReal(CreateFontIndirectA(&tFont));
        MeasureBaseUnits(tReal.Get(), gtMisc.cxChar, gtMisc.cyChar);
    } else {
        const LONG lUnits = GetDialogBaseUnits();
        gtMisc.cxChar = LOWORD(lUnits);
        gtMisc.cyChar = HIWORD(lUnits);
    }
}

void FreeDesignerResources() {
    ClearFonts();
    gtGripperBrush1.Reset();
    gtGripperBrush2.Reset();
    gtOptions.hGripperBrush1 = 0;
    gtOptions.hGripperBrush2 = 0;
    gtRichEdit.Reset();
}
