// The dialog function of each dialog: Dialog New, one Control Add per control,
// icon, colours, fonts, and the calls that attach the dialog's menu and
// accelerator table. The KVL reader reads these statements back, so their
// exact shape is a file format.
#include "model/fonts.h"
#include "model/project.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/row_groups.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int32_t kWsGroup = 0x20000; // %WS_GROUP; on a dialog %WS_MINIMIZEBOX

std::string Num(int64_t l) {
    return std::to_string(l);
}

// The statements of the controls are put together in place, piece by piece:
// a file holds one per control, and a string per piece would be most of the
// work of writing it.
void AppendNum(std::string& s, int64_t l) {
    char ach[24];
    const std::to_chars_result r = std::to_chars(ach, ach + sizeof ach, l);
    s.append(ach, static_cast<size_t>(r.ptr - ach));
}

void AppendRectangle(std::string& s, const tDlg& t) {
    AppendNum(s, t.nLeft);
    s += ", ";
    AppendNum(s, t.nTop);
    s += ", ";
    AppendNum(s, static_cast<int64_t>(t.nRight) - t.nLeft);
    s += ", ";
    AppendNum(s, static_cast<int64_t>(t.nBottom) - t.nTop);
}

std::string Rectangle(const tDlg& t) {
    std::string s;
    AppendRectangle(s, t);
    return s;
}

// ", " + style names, then ", " + extended names when there are any.
// The named styles of a list, and the bits of the row's value that no name
// covers (a number an imported script wrote, a style the compiler implied) as
// one hexadecimal literal, so that reading the code back gives the value.
std::string StyleText(std::string_view sList, int32_t lValue) {
    std::string s = StyleListToText(sList);
    if (s.empty()) {
        return s;
    }
    uint32_t lCovered = 0;
    int32_t lStyle = 0;
    for (char c : sList) {
        if (c >= '0' && c <= '9') {
            lStyle = lStyle < 100000 ? lStyle * 10 + (c - '0') : lStyle;
        } else if (c == ',') {
            lCovered |= lStyle >= 1 && lStyle <= gatStyle.Count() ? gatStyle[lStyle].lValue : 0;
            lStyle = 0;
        }
    }
    const uint32_t lRest = static_cast<uint32_t>(lValue) & ~lCovered;
    if (lRest != 0) {
        char sz[16];
        std::snprintf(sz, sizeof sz, " Or &H%X", lRest);
        s += sz;
    }
    return s;
}

void AppendStylePart(std::string& s, const tDlg& t) {
    s += ", ";
    s += StyleText(DynStrView(t.lStyleStrElem), t.lStyle);
    const std::string sEx = StyleText(DynStrView(t.lExStyleStrElem), t.lExStyle);
    if (!sEx.empty()) {
        s += ", ";
        s += sEx;
    }
}

std::string StylePart(const tDlg& t) {
    std::string s;
    AppendStylePart(s, t);
    return s;
}

bool HasDefaultStyles(const tDlg& t) {
    const tCtlDefault& tDef =
        gatCtlDefault[t.lCtlType >= 0 && t.lCtlType < wkCtlKindCount ? t.lCtlType : 0];
    return t.lStyle == tDef.lStyle && t.lExStyle == tDef.lExStyle;
}

bool IsClassKind(int32_t lKind) {
    return lKind >= wkCtlUpDown && lKind <= wkCtlCustom;
}

// The statement of a row, wrapped; a group start gets an empty line before it.
void PutStatement(std::string& sOut, const tWriteLayout& tLay, int32_t lRow) {
    const tDlg& t = gatDlg[lRow];
    std::string s = t.lCtlType == wkCtlDialog ? DialogNewStatement(tLay, lRow)
                                              : ControlAddStatement(tLay, lRow);
    if (t.lStyle & kWsGroup) {
        PutEmpty(sOut);
    }
    PutWrapped(sOut, tLay, s);
}

std::string Bool(int32_t l) {
    return l ? "%TRUE" : "%FALSE";
}

std::string CharSetText(int32_t l) {
    switch (l) {
    case 0:
        return "%ANSI_CHARSET";
    case 1:
        return "%DEFAULT_CHARSET";
    case 2:
        return "%SYMBOL_CHARSET";
    }
    return Num(l);
}

// The arguments of WrenkitMakeFont for a font element; the point size comes
// from the font's height, rounded to a whole number (halves away from zero).
// A point size as whole points when they give the same pixel height (8.25 is
// 8 points on the screen), else as it is (7.5 is no 8).
std::string FontSizeText(float fSize) {
    const auto fnPixels = [](double f) { return std::lround(f * 96.0 / 72.0); };
    const long lWhole = std::lround(fSize);
    if (fnPixels(static_cast<double>(lWhole)) == fnPixels(fSize)) {
        return Num(lWhole);
    }
    char sz[32];
    std::snprintf(sz, sizeof sz, "%g", static_cast<double>(fSize));
    return sz;
}

std::string FontArguments(int32_t lFont) {
    tFontDesc t{};
    FontDescription(lFont, t);
    return Quoted(t.szFontName.view()) + ", " + FontSizeText(t.fFontSize) + ", " + Num(t.lWeight) +
           ", " + Bool(t.lUnderline) + ", " + Bool(t.lItalic) + ", " + Bool(t.lStrikeout) + ", " +
           CharSetText(t.lCharSet);
}

// The dialog's own fonts (elements above the default), in order of first use.
std::vector<int32_t> FontList(const std::vector<int32_t>& alRows) {
    std::vector<int32_t> al;
    if (ghFontCnt <= 1) {
        return al;
    }
    for (int32_t l : alRows) {
        int32_t lFont = gatDlg[l].lFontElem;
        if (lFont > 1 && std::find(al.begin(), al.end(), lFont) == al.end()) {
            al.push_back(lFont);
        }
    }
    return al;
}

int32_t FontNumber(const std::vector<int32_t>& alFonts, int32_t lFont) {
    for (size_t k = 0; k < alFonts.size(); ++k) {
        if (alFonts[k] == lFont) {
            return static_cast<int32_t>(k) + 1;
        }
    }
    return 0;
}

void PutColours(std::string& sOut, const tWriteLayout& tLay, const tDlg& t) {
    if (!t.byForeClrUsed && !t.byBackClrUsed) {
        return;
    }
    std::string sColours = ColourText(t.byForeClrUsed ? t.lForeClr : -1) + ", " +
                           ColourText(t.byBackClrUsed ? t.lBackClr : -1);
    if (t.lCtlType == wkCtlDialog) {
        PutLine(sOut, Indent(tLay, 1) + "Dialog Set Color hDlg, " + sColours);
    } else if (t.lIDElem != 0) {
        PutLine(sOut,
                Indent(tLay, 1) + "Control Set Color hDlg, " + IDName(t.lIDElem) + ", " + sColours);
    }
}

} // namespace

std::string StyleText(int32_t lListElem) {
    return StyleListToText(GetDynStr(lListElem));
}

std::string ImageReference(int32_t lRes) {
    return "\"#\" + Format$(" + ResIDName(lRes) + ")";
}

std::string DialogNewStatement(const tWriteLayout& tLay, int32_t lRow) {
    const tDlg& t = gatDlg[lRow];
    std::string s = Indent(tLay, 1) + "Dialog New hParent, " + Quoted(GetDynStr(t.lCaptionElem)) +
                    ", " + Rectangle(t);
    if (!HasDefaultStyles(t)) {
        s += StylePart(t);
    }
    return s + ", To hDlg";
}

std::string ControlAddStatement(const tWriteLayout& tLay, int32_t lRow) {
    const tDlg& t = gatDlg[lRow];
    const int32_t lKind = t.lCtlType;
    std::string s;
    s.reserve(256); // a statement with its styles, before wrapping
    s.append(static_cast<size_t>(std::max(tLay.lTabSizeKVL, 0)), ' ');
    s += "Control Add ";
    if (IsClassKind(lKind)) {
        AppendQuoted(s, t.szClass.view());
    } else {
        s += CtlTypeKeyword(lKind, 0);
    }
    s += ", hDlg, ";
    if (t.lIDElem) {
        s += gatID[t.lIDElem].szIDName.view();
    } else {
        s += "-1";
    }
    s += ", ";
    switch (lKind) {
    case wkCtlImage:
    case wkCtlImageX:
    case wkCtlImgButton:
    case wkCtlImgButtonX:
    case wkCtlAnimate:
        // Without a resource of the project an image's text still names it
        // (a name the imported script left undefined is a resource name).
        if (t.lDataResElem) {
            s += ImageReference(t.lDataResElem);
        } else if (lKind != wkCtlImage && lKind != wkCtlImageX) {
            s += "\"\"";
        } else {
            AppendQuoted(s, DynStrView(t.lCaptionElem));
        }
        s += ", ";
        break;
    case wkCtlComboBox:
    case wkCtlListBox:
        s += ", "; // these controls take no caption
        break;
    default:
        AppendQuoted(s, DynStrView(t.lCaptionElem));
        s += ", ";
        break;
    }
    AppendRectangle(s, t);
    if (IsClassKind(lKind) || !HasDefaultStyles(t)) {
        AppendStylePart(s, t);
    } else if (lKind == wkCtlVScrollBar) {
        // The keyword alone would make a horizontal bar.
        const std::string sStyle = StyleListToText(DynStrView(t.lStyleStrElem));
        if (!sStyle.empty()) {
            s += ", ";
            s += sStyle;
        }
    }
    return s;
}

void WriteDialogFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes) {
    const tRes& tR = gatRes[lRes];
    const std::string sBase = FunctionBaseName(lRes);
    if (FullFile()) {
        PutLine(sOut, SeparatorLine(tLay));
        PutWrapped(sOut, tLay, "Function Show" + sBase + "(ByVal hParent As Dword) As Long");
        PutLine(sOut, Indent(tLay, 1) + "Local lRslt As Long");
    }
    PutLine(sOut, MetaBegin("Dialog", BlockArgument(lRes)));
    PutLine(sOut, Indent(tLay, 1) + "Local hDlg As Dword");

    const std::vector<int32_t> alRows = DialogRowsOf(lRes);
    const std::vector<int32_t> alFonts = FontList(alRows);
    if (!alFonts.empty()) {
        for (size_t k = 1; k <= alFonts.size(); ++k) {
            PutLine(sOut,
                    Indent(tLay, 1) + "Local hFont" + Num(static_cast<int64_t>(k)) + " As Dword");
        }
        PutEmpty(sOut);
    }
    PutEmpty(sOut);

    for (int32_t l : alRows) {
        const tDlg& t = gatDlg[l];
        PutStatement(sOut, tLay, l);
        if (t.lCtlType == wkCtlDialog && t.lDataResElem != 0) {
            PutLine(sOut,
                    Indent(tLay, 1) + "Dialog Set Icon hDlg, " + ImageReference(t.lDataResElem));
        }
        PutColours(sOut, tLay, t);
    }
    PutEmpty(sOut);

    if (!alFonts.empty()) {
        for (size_t k = 1; k <= alFonts.size(); ++k) {
            PutLine(sOut, Indent(tLay, 1) + "hFont" + Num(static_cast<int64_t>(k)) +
                              " = WrenkitMakeFont(" + FontArguments(alFonts[k - 1]) + ")");
        }
        PutEmpty(sOut);
        for (int32_t l : alRows) {
            const tDlg& t = gatDlg[l];
            int32_t k = FontNumber(alFonts, t.lFontElem);
            if (k == 0) {
                continue;
            }
            if (t.lCtlType == wkCtlDialog) {
                PutLine(sOut,
                        Indent(tLay, 1) + "Dialog Send hDlg, %WM_SETFONT, hFont" + Num(k) + ", 0");
            } else if (t.lIDElem != 0) {
                PutLine(sOut, Indent(tLay, 1) + "Control Send hDlg, " + IDName(t.lIDElem) +
                                  ", %WM_SETFONT, hFont" + Num(k) + ", 0");
            }
        }
        PutEmpty(sOut);
    }

    if (tR.lLinkMenu) {
        PutLine(sOut, Indent(tLay, 1) + "Attach" + FunctionBaseName(tR.lLinkMenu) + " hDlg");
        PutEmpty(sOut);
    }
    if (tR.lLinkAccel) {
        PutLine(sOut, Indent(tLay, 1) + "Attach" + FunctionBaseName(tR.lLinkAccel) + " hDlg");
        PutEmpty(sOut);
    }
    PutLine(sOut, MetaEnd("Dialog"));

    if (!FullFile()) {
        return;
    }
    PutEmpty(sOut);
    if (SampleKindsPresent(lRes).bAny) {
        WriteSampleCalls(sOut, tLay, lRes);
        PutEmpty(sOut);
    }
    PutLine(sOut, Indent(tLay, 1) + "Dialog Show Modal hDlg, Call Show" + sBase + "Proc To lRslt");
    PutEmpty(sOut);
    if (!alFonts.empty()) {
        for (size_t k = 1; k <= alFonts.size(); ++k) {
            PutLine(sOut, Indent(tLay, 1) + "DeleteObject hFont" + Num(static_cast<int64_t>(k)));
        }
        PutEmpty(sOut);
    }
    PutLine(sOut, Indent(tLay, 1) + "Function = lRslt");
    PutLine(sOut, "End Function");
    PutLine(sOut, SeparatorLine(tLay));
    PutEmpty(sOut);
}
