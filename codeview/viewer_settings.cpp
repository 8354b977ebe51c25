// The IDE's editor settings for the code viewer, read from KVWIN.INI beside
// the program (the designer is installed in the IDE's folder).
#include "codeview/code_viewer.h"
#include "codeview/edm32edit.h"

#include "codeview/lexer/ide_settings.h"
#include "codeview/lexer/keywords.h"

std::string ViewerProgramFolder() {
    char szPath[MAX_PATH] = "";
    const DWORD lLen = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string sPath(szPath, lLen < MAX_PATH ? lLen : 0);
    const size_t lCut = sPath.find_last_of("\\:");
    return lCut == std::string::npos ? std::string() : sPath.substr(0, lCut + 1);
}

std::string IdeSettingsPath() {
    return ViewerProgramFolder() + "KVWIN.INI";
}

tGdiFont ApplyIdeEditorSettings(HWND hEdit, const std::string& sIniPath) {
    if (GetFileAttributesA(sIniPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return tGdiFont();
    }
    const tIdeEditorSettings t = ReadIdeEditorSettings(
        [&](const char* szSection, const char* szKey) -> std::optional<std::string> {
            char szValue[64] = "";
            GetPrivateProfileStringA(szSection, szKey, "", szValue, sizeof(szValue),
                                     sIniPath.c_str());
            return std::string(szValue); // missing and empty both read as ""
        });
    tGdiFont tFont;
    {
        tWindowDC tDC(hEdit);
        const int lHeight = -MulDiv(t.lFontSize, GetDeviceCaps(tDC.Get(), LOGPIXELSY), 72);
        tFont.Reset(CreateFontA(lHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                FIXED_PITCH | FF_MODERN, t.sFontName.c_str()));
    }
    if (tFont) {
        SendMessageA(hEdit, WM_SETFONT, reinterpret_cast<WPARAM>(tFont.Get()), FALSE);
    }
    SendMessageA(hEdit, wkEmSetKeywordCase, static_cast<WPARAM>(t.lKeywordCase), FALSE);
    if (t.olColorSyntax) {
        SendMessageA(hEdit, wkEmSetColorSyntax, static_cast<WPARAM>(*t.olColorSyntax), FALSE);
    }
    for (const tIdeColour& tColour : t.atColour) {
        SendMessageA(hEdit, tColour.lMessage, tColour.lValue, FALSE);
    }
    InvalidateRect(hEdit, nullptr, FALSE);
    return tFont;
}

std::string IdeFileForMode(const std::string& sSourceFile, int lMode) {
    if (sSourceFile.empty()) {
        return std::string();
    }
    if (lMode == wkModeBasic) {
        return sSourceFile;
    }
    if (lMode != wkModeRc) {
        return std::string();
    }
    const size_t lSlash = sSourceFile.find_last_of("\\/:");
    const size_t lDot = sSourceFile.find_last_of('.');
    const bool bHasExt =
        lDot != std::string::npos && (lSlash == std::string::npos || lDot > lSlash);
    return (bHasExt ? sSourceFile.substr(0, lDot) : sSourceFile) + ".rc";
}
