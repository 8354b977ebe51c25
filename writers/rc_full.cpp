// The full resource script of a project opened from a resource script:
// constants, data files, menus, one accelerator table, dialogs, the string
// table and the version information; and its Basic integration code.
#include "model/accel_keys.h"
#include "model/fonts.h"
#include "model/project.h"
#include "model/user_seam.h"
#include "model/version_info.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/rc_text.h"
#include "writers/rc_writer.h"
#include "writers/row_groups.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Blanks(const tWriteLayout& tLay, int32_t lUnits) {
    return std::string(static_cast<size_t>(lUnits * tLay.lTabSizeRC), ' ');
}

std::string Doubled(const std::string& s) {
    std::string r;
    for (char c : s) {
        r += c;
        if (c == '\\') {
            r += '\\';
        }
    }
    return r;
}

std::string PadTo(std::string s, size_t lWidth) {
    if (s.size() < lWidth) {
        s.append(lWidth - s.size(), ' ');
    }
    return s;
}

std::string MenuFlags(int32_t lOptions) {
    static const struct {
        int32_t lBit;
        const char* sz;
    } kat[] = {{wkMfChecked, "CHECKED"},
               {wkMfGrayed, "GRAYED"},
               {wkMfDisabled, "INACTIVE"},
               {wkMfMenuBreak, "MENUBREAK"},
               {wkMfMenuBarBreak, "MENUBARBREAK"}};
    std::string s;
    for (const auto& t : kat) {
        if ((lOptions & t.lBit) != 0) {
            s += (s.empty() ? "" : " | ") + std::string(t.sz);
        }
    }
    return s;
}

// A caption or control text for a dialog: the escapes the reader converts back.
std::string DialogText(const std::string& sText) {
    std::string r = "\"";
    for (char c : sText) {
        unsigned char b = static_cast<unsigned char>(c);
        if (c == '"') {
            r += "\"\"";
        } else if (c == '\\') {
            r += "\\\\";
        } else if (c == '\r') {
            r += "\\r";
        } else if (c == '\n') {
            r += "\\n";
        } else if (c == '\t') {
            r += "\\t";
        } else if (b < 32) {
            char sz[8];
            std::snprintf(sz, sizeof sz, "\\%03o", b);
            r += sz;
        } else {
            r += c;
        }
    }
    return r + "\"";
}

// Style names of a list joined by " | ", and the bits no listed name covers as
// a number, so that reading the script back gives the same value and list.
std::string StyleExpr(int32_t lListElem, int32_t lBits) {
    std::string sList = GetDynStr(lListElem);
    std::string s;
    uint32_t lCovered = 0;
    for (size_t i = 0; i + 4 <= sList.size(); i += 4) {
        // The three digits of an entry, read without a temporary string.
        char szNum[4] = {sList[i], sList[i + 1], sList[i + 2], '\0'};
        int32_t lRow = std::atoi(szNum);
        if (lRow < 1 || lRow > glStyleCnt) {
            continue;
        }
        lCovered |= gatStyle[lRow].lValue;
        if (!s.empty()) {
            s += " | ";
        }
        s += RCName(gatStyle[lRow].szName.view());
    }
    uint32_t lRest = static_cast<uint32_t>(lBits) & ~lCovered;
    if (lRest != 0 || s.empty()) {
        char sz[16];
        std::snprintf(sz, sizeof sz, "0x%X", lRest);
        s += (s.empty() ? "" : " | ") + std::string(sz);
    }
    return s;
}

std::string RectText(const tDlg& t) {
    return std::to_string(t.nLeft) + ", " + std::to_string(t.nTop) + ", " +
           std::to_string(t.nRight - t.nLeft) + ", " + std::to_string(t.nBottom - t.nTop);
}

std::string ControlLine(const tWriteLayout& tLay, const tDlg& t) {
    std::string sText;
    const tRes& tData = gatRes[t.lDataResElem];
    if (t.lDataResElem != 0 && tData.lRCDataElem != 0 &&
        !RCName(ResIDName(t.lDataResElem)).empty()) {
        // The image the control shows: by its ID, or by its name in quotes when
        // it has no ID that a #define line names.
        sText = RCName(ResIDName(t.lDataResElem));
        if (tData.lIDElem == 0 || !gatID.Live(tData.lIDElem)) {
            sText = "\"" + sText + "\"";
        }
    } else {
        sText = DialogText(GetDynStr(t.lCaptionElem));
    }
    std::string sID = t.lIDElem != 0 ? RCName(gatID[t.lIDElem].szIDName.view()) : "-1";
    std::string sClass = t.szClass.empty() ? CtlTypeClass(t.lCtlType) : t.szClass.str();
    std::string s = Blanks(tLay, 1) + "CONTROL " + sText + ", " + sID + ", \"" + sClass + "\", " +
                    StyleExpr(t.lStyleStrElem, t.lStyle) + ", " + RectText(t);
    if (t.lExStyle != 0 || !GetDynStr(t.lExStyleStrElem).empty()) {
        s += ", " + StyleExpr(t.lExStyleStrElem, t.lExStyle);
    }
    return s;
}

// A menu item's caption in quotes, the shortcut after "\t" unless the caption
// has its own shortcut column.
std::string MenuItemRcText(int32_t lItem) {
    std::string sCaption = GetDynStr(gatMenu[lItem].lCaptionElem);
    int32_t lAccel = gatMenu[lItem].lAccelElem;
    if (lAccel != 0 && gatAccel.Live(lAccel) && sCaption.find("\\t") == std::string::npos) {
        sCaption += "\\t" + AccelDisplayText(lAccel);
    }
    return RCQuoted(sCaption);
}

void WriteDialog(std::string& sOut, const tWriteLayout& tLay, int32_t lRes) {
    int32_t lRow = FindDialogRow(lRes);
    if (lRow == 0) {
        return;
    }
    const tDlg& t = gatDlg[lRow];
    PutLine(sOut, RCName(ResIDName(lRes)) + " DIALOGEX " + RectText(t));
    std::string sCaption = GetDynStr(t.lCaptionElem);
    if (!sCaption.empty()) {
        PutLine(sOut, "CAPTION " + DialogText(sCaption));
    }
    PutLine(sOut, "STYLE " + StyleExpr(t.lStyleStrElem, t.lStyle));
    if (t.lExStyle != 0 || !GetDynStr(t.lExStyleStrElem).empty()) {
        PutLine(sOut, "EXSTYLE " + StyleExpr(t.lExStyleStrElem, t.lExStyle));
    }
    tFontDesc tFont{};
    if (FontDescription(t.lFontElem > 0 ? t.lFontElem : 1, tFont)) {
        // Quoted as every text of the script: a quote in the face name would
        // otherwise end the text, and the dialog's controls after it were lost.
        PutLine(sOut, "FONT " + std::to_string(std::lround(tFont.fFontSize)) + ", " +
                          RCQuoted(tFont.szFontName.view()) + ", " + std::to_string(tFont.lWeight) +
                          ", " + std::to_string(tFont.lItalic != 0 ? 1 : 0) + ", " +
                          std::to_string(tFont.lCharSet));
    }
    if (gatRes[lRes].lLinkMenu != 0) {
        PutLine(sOut, "MENU " + RCName(ResIDName(gatRes[lRes].lLinkMenu)));
    }
    PutLine(sOut, "BEGIN");
    for (int32_t l : DialogRowsOf(lRes)) {
        if (gatDlg[l].lCtlType != wkCtlDialog) {
            PutLine(sOut, ControlLine(tLay, gatDlg[l]));
        }
    }
    PutLine(sOut, "END");
    PutEmpty(sOut);
}

void WriteMenu(std::string& sOut, const tWriteLayout& tLay, int32_t lRes) {
    PutLine(sOut, RCName(ResIDName(lRes)) + " MENU DISCARDABLE");
    PutLine(sOut, "BEGIN");
    int32_t lOpen = 0; // pop-up blocks open below the menu's own
    for (int32_t l : MenuRowsOf(lRes)) {
        const tMenu& t = gatMenu[l];
        if (t.lType == wkMenuItem && t.lCaptionElem == 0) {
            continue; // an item without a caption shows nothing
        }
        const int32_t L = std::max(t.lLevel, 0);
        // Closing by the open depth, not by the previous item's level, also
        // closes a pop-up that has no items.
        while (lOpen > L) {
            PutLine(sOut, Blanks(tLay, lOpen) + "END");
            --lOpen;
        }
        std::string sFlags = t.lOptions > 0 ? MenuFlags(t.lOptions) : std::string();
        if (t.lType == wkMenuPopup) {
            PutLine(sOut, Blanks(tLay, L + 1) + "POPUP " + RCQuoted(GetDynStr(t.lCaptionElem)) +
                              (sFlags.empty() ? "" : ", " + sFlags));
            PutLine(sOut, Blanks(tLay, L + 1) + "BEGIN");
            lOpen = L + 1;
        } else if (t.lType == wkMenuSeparator) {
            PutLine(sOut, Blanks(tLay, L + 1) + "MENUITEM SEPARATOR");
        } else {
            std::string sID = t.lIDElem != 0 ? RCName(gatID[t.lIDElem].szIDName.view()) : "0";
            PutLine(sOut, Blanks(tLay, L + 1) + "MENUITEM " + MenuItemRcText(l) + ", " + sID +
                              (sFlags.empty() ? "" : ", " + sFlags));
        }
    }
    while (lOpen > 0) {
        PutLine(sOut, Blanks(tLay, lOpen) + "END");
        --lOpen;
    }
    PutLine(sOut, "END");
    PutEmpty(sOut);
}

} // namespace

void WriteRCFullConstants(std::string& sOut, const tWriteLayout& tLay) {
    if (glIDCnt == 0) {
        return;
    }
    PutRCTitle(sOut, tLay, "Constants");
    std::vector<std::string> asNames;
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l)) {
            asNames.push_back(gatID[l].szIDName.str());
        }
    }
    size_t lColumn = RCNameColumn(tLay, asNames);
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        if (gatID.Live(l)) {
            PutLine(sOut, "#define " + RCPaddedName(gatID[l].szIDName.view(), lColumn) +
                              std::to_string(gatID[l].lIDValue));
        }
    }
    PutEmpty(sOut);
}

void WriteRCDataFiles(std::string& sOut, const tWriteLayout& tLay) {
    static const struct {
        int32_t lKind;
        const char* szTitle;
        const char* szType;
    } kat[] = {{wkResBitmap, "Bitmaps", "BITMAP DISCARDABLE "},
               {wkResCursor, "Cursors", "CURSOR DISCARDABLE "},
               {wkResIcon, "Icons", "ICON DISCARDABLE "},
               // Animations read from a script would be lost without a list of their own.
               {wkResAvi, "Videos", "AVI DISCARDABLE "}};
    std::vector<std::string> asNames;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l) && gatRes[l].lRCDataElem != 0 &&
            (gatRes[l].lType == wkResBitmap || gatRes[l].lType == wkResCursor ||
             gatRes[l].lType == wkResIcon || gatRes[l].lType == wkResAvi)) {
            asNames.push_back(ResIDName(l));
        }
    }
    size_t lColumn = RCNameColumn(tLay, asNames);
    for (const auto& tKind : kat) {
        bool bTitle = false;
        for (int32_t l = 1; l <= glResCnt; ++l) {
            if (!gatRes.Live(l) || gatRes[l].lType != tKind.lKind || gatRes[l].lRCDataElem == 0) {
                continue;
            }
            if (!bTitle) {
                PutRCTitle(sOut, tLay, tKind.szTitle);
                bTitle = true;
            }
            PutLine(sOut, RCPaddedName(ResIDName(l), lColumn) + tKind.szType + "\"" +
                              Doubled(GetDynStr(gatRes[l].lRCDataElem)) + "\"");
        }
        if (bTitle) {
            PutEmpty(sOut);
        }
    }
}

void WriteRCMenus(std::string& sOut, const tWriteLayout& tLay) {
    if (glMenuCnt == 0) {
        return;
    }
    PutRCTitle(sOut, tLay, "Menus");
    const RowGroupScope tScope; // each resource reads its rows from one pass
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l) && (gatRes[l].lType == wkResMenu || gatRes[l].lType == wkResPopupMenu)) {
            WriteMenu(sOut, tLay, l);
        }
    }
}

void WriteRCAccelerators(std::string& sOut, const tWriteLayout& tLay) {
    if (glAccelCnt == 0) {
        return;
    }
    PutRCTitle(sOut, tLay, "Accelerator Tables");
    PutLine(sOut, "IDR_ACCELERATOR1 ACCELERATORS DISCARDABLE");
    PutLine(sOut, "BEGIN");
    for (int32_t l = 1; l <= glAccelCnt; ++l) {
        const tAccel& t = gatAccel[l];
        std::string sKey = AccelKeyCode(t.byKey);
        if (!gatAccel.Live(l) || sKey.empty()) {
            continue;
        }
        PutLine(sOut, Blanks(tLay, 1) + PadTo(sKey + ",", 16) +
                          PadTo(RCName(gatID[t.lIDElem].szIDName.view()) + ",", 16) +
                          AccelFlagsRc(t.byModifiers));
    }
    PutLine(sOut, "END");
    PutEmpty(sOut);
}

void WriteRCDialogs(std::string& sOut, const tWriteLayout& tLay) {
    const RowGroupScope tScope; // each resource reads its rows from one pass
    bool bTitle = false;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        if (gatRes.Live(l) && gatRes[l].lType == wkResDialog && FindDialogRow(l) != 0) {
            if (!bTitle) {
                PutRCTitle(sOut, tLay, "Dialogs");
                bTitle = true;
            }
            WriteDialog(sOut, tLay, l);
        }
    }
}

std::string BuildFullRCFile(const tWriteLayout& tLay) {
    const RowGroupScope tScope; // each resource reads its rows from one pass
    ShowStatusText("Saving RC");
    std::string s;
    // Room for the whole script at once (see BuildNewKvlFile).
    s.reserve(256 * (static_cast<size_t>(glDlgCnt) + glMenuCnt + glAccelCnt) +
              64 * static_cast<size_t>(glIDCnt) + 4096);
    PutLine(s, "#include \"Resource.h\"");
    PutEmpty(s);
    WriteRCFullConstants(s, tLay);
    WriteRCDataFiles(s, tLay);
    WriteRCMenus(s, tLay);
    WriteRCAccelerators(s, tLay);
    WriteRCDialogs(s, tLay);
    // The string table and version information as a companion script holds
    // them, with their markers and without titles.
    {
        const FullFileScope tBlocks(false);
        if (glStrCnt > 0) {
            WriteRCStrings(s, tLay);
        }
        if (VersionBlockCount() > 0) {
            WriteRCVersionInfo(s, tLay);
        }
    }
    CloseStatusText();
    return s;
}

std::string BuildRCBasicCode(const tWriteLayout& tLay) {
    const RowGroupScope tScope; // each resource reads its rows from one pass
    const FullFileScope tFull(true);
    std::string s;
    if (glIDCnt > 0) {
        WriteKvlConstants(s, tLay);
    }
    bool bAny = false;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        bAny = bAny ||
               (gatRes.Live(l) && (gatRes[l].lType == wkResDialog || gatRes[l].lType == wkResMenu));
    }
    if (glResCnt > 0 && bAny) {
        PutLine(s, SeparatorLine(tLay));
        PutLine(s, SectionTitle("CallBacks"));
        for (int32_t l = 1; l <= glResCnt; ++l) {
            if (!gatRes.Live(l) ||
                (gatRes[l].lType != wkResDialog && gatRes[l].lType != wkResMenu)) {
                continue;
            }
            PutLine(s, SeparatorLine(tLay));
            PutWrapped(s, tLay,
                       "Function Show" + FunctionBaseName(l) +
                           "Proc(ByVal hDlg As Long, ByVal wMsg As Long, ByVal wParam As "
                           "Long, ByVal lParam As Long) As Long");
            PutEmpty(s);
            PutLine(s, Blanks(tLay, 1) + "Select Case wMsg");
            PutLine(s, Blanks(tLay, 2) + "Case %WM_COMMAND");
            PutLine(s, Blanks(tLay, 3) + "Select Case LoWrd(wParam)");
            WriteCommandCases(s, tLay, l, wkCasesRc);
            PutEmpty(s);
            PutLine(s, Blanks(tLay, 3) + "End Select");
            PutLine(s, Blanks(tLay, 1) + "End Select");
            PutEmpty(s);
            PutLine(s, Blanks(tLay, 1) + "Function = DefWindowProc(hDlg, wMsg, wParam, lParam)");
            PutEmpty(s);
            PutLine(s, "End Function");
            PutLine(s, SeparatorLine(tLay));
            PutEmpty(s);
        }
    }
    return s;
}

std::string RCMenuSection(const tWriteLayout& tLay) {
    return RunRCAlone("Saving RC Menu", tLay, WriteRCMenus);
}

std::string RCAcceleratorsSection(const tWriteLayout& tLay) {
    return RunRCAlone("Saving RC Accelerators", tLay, WriteRCAccelerators);
}

std::string RCDialogSection(const tWriteLayout& tLay) {
    return RunRCAlone("Saving RC Dialog", tLay, WriteRCDialogs);
}

std::string RCBasicCodeSection(const tWriteLayout& tLay) {
    ShowStatusText("Saving RC Basic Code");
    std::string s = BuildRCBasicCode(tLay);
    CloseStatusText();
    return s;
}
