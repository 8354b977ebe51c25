// Menu functions (Menu New / Menu Add), accelerator functions that fill an
// array of accelerator records, and the AssignAccel helper they call.
#include "model/accel_keys.h"
#include "model/project.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/row_groups.h"

namespace {

std::string Num(int64_t l) {
    return std::to_string(l);
}

std::string ReplaceAll(std::string s, std::string_view sFrom, std::string_view sTo) {
    for (size_t p = s.find(sFrom); p != std::string::npos; p = s.find(sFrom, p + sTo.size())) {
        s.replace(p, sFrom.size(), sTo);
    }
    return s;
}

// The parent handle of an item at level L.
std::string ParentHandle(int32_t lLevel) {
    return lLevel > 0 ? "hPopUp" + Num(lLevel) : "hMenu";
}

void PutMenuItem(std::string& sOut, const tWriteLayout& tLay, int32_t l) {
    const tMenu& t = gatMenu[l];
    const std::string sIndent = Indent(tLay, t.lLevel + 1);
    const std::string sParent = ParentHandle(t.lLevel);
    switch (t.lType) {
    case wkMenuPopup:
        PutLine(sOut, sIndent + "Menu New PopUp To hPopUp" + Num(int64_t{t.lLevel} + 1));
        PutWrapped(sOut, tLay,
                   sIndent + "Menu Add PopUp, " + sParent + ", " +
                       Quoted(GetDynStr(t.lCaptionElem)) + ", hPopUp" + Num(int64_t{t.lLevel} + 1) +
                       ", " + MenuStateText(t.lOptions));
        break;
    case wkMenuItem:
        PutWrapped(sOut, tLay,
                   sIndent + "Menu Add String, " + sParent + ", \"" + MenuItemText(l) + "\", " +
                       IDName(t.lIDElem) + ", " + MenuStateText(t.lOptions));
        break;
    case wkMenuSeparator:
        PutLine(sOut, sIndent + "Menu Add String, " + sParent + ", \"-\", 0, 0");
        break;
    default:
        break;
    }
}

} // namespace

std::string MenuStateText(int32_t lOptions) {
    static const struct {
        int32_t lBit;
        const char* szName;
    } atState[] = {
        {wkMfChecked, "%MF_CHECKED"},           {wkMfGrayed, "%MF_GRAYED"},
        {wkMfDisabled, "%MF_DISABLED"},         {wkMfMenuBreak, "%MF_MENUBREAK"},
        {wkMfMenuBarBreak, "%MF_MENUBARBREAK"},
    };
    std::string s;
    for (const auto& t : atState) {
        if (lOptions & t.lBit) {
            s += (s.empty() ? "" : " Or ") + std::string(t.szName);
        }
    }
    return s.empty() ? "%MF_ENABLED" : s;
}

std::string MenuItemText(int32_t lMenuElem) {
    return ReplaceAll(MenuTextKvl(lMenuElem), "\t", "\" + $Tab + \"");
}

void WriteMenuFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes) {
    if (FullFile()) {
        PutLine(sOut, SeparatorLine(tLay));
        PutWrapped(sOut, tLay,
                   "Function Attach" + FunctionBaseName(lRes) + "(ByVal hDlg As Dword) As Dword");
    }
    PutLine(sOut, MetaBegin("Menu", BlockArgument(lRes)));
    PutLine(sOut, Indent(tLay, 1) + "Local hMenu As Dword");
    // One handle per nesting depth, declared where the depth first occurs.
    int64_t lMax = 0;
    const std::vector<int32_t> alRows = MenuRowsOf(lRes);
    for (int32_t l : alRows) {
        if (gatMenu[l].lType == wkMenuPopup && gatMenu[l].lLevel + 1 > lMax) {
            lMax = int64_t{gatMenu[l].lLevel} + 1;
            PutLine(sOut, Indent(tLay, 1) + "Local hPopUp" + Num(lMax) + " As Dword");
        }
    }
    PutEmpty(sOut);
    // A pop-up (context) menu is built as a pop-up whose sub-menus are the ones
    // the program shows; it is returned, never attached to the dialog as its bar.
    const bool bPopup = gatRes[lRes].lType == wkResPopupMenu;
    PutLine(sOut, Indent(tLay, 1) + (bPopup ? "Menu New PopUp To hMenu" : "Menu New Bar To hMenu"));
    for (int32_t l : alRows) {
        const tMenu& t = gatMenu[l];
        if (t.lType == wkMenuItem && t.lCaptionElem == 0) {
            continue; // an item without a caption is not built
        }
        PutMenuItem(sOut, tLay, l);
    }
    PutEmpty(sOut);
    if (!bPopup) {
        PutLine(sOut, Indent(tLay, 1) + "Menu Attach hMenu, hDlg");
        PutEmpty(sOut);
    }
    PutLine(sOut, MetaEnd("Menu"));
    if (FullFile()) {
        PutLine(sOut, Indent(tLay, 1) + "Function = hMenu");
        PutLine(sOut, "End Function");
        PutLine(sOut, SeparatorLine(tLay));
        PutEmpty(sOut);
    }
}

void WriteAccelFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes) {
    if (FullFile()) {
        PutLine(sOut, SeparatorLine(tLay));
        PutWrapped(sOut, tLay,
                   "Function Attach" + FunctionBaseName(lRes) + "(ByVal hDlg As Dword) As Dword");
    }
    PutLine(sOut, MetaBegin("Accel", BlockArgument(lRes)));
    const std::vector<int32_t> alRows = AccelRowsOf(lRes);
    const int64_t n = static_cast<int64_t>(alRows.size());
    PutLine(sOut, Indent(tLay, 1) + "Local hAccel As Dword");
    PutLine(sOut, Indent(tLay, 1) + "Local tAccel() As ACCELAPI");
    PutLine(sOut, Indent(tLay, 1) + "Dim tAccel(1 To " + Num(n) + ")");
    PutEmpty(sOut);
    int64_t k = 0;
    for (int32_t l : alRows) {
        const tAccel& t = gatAccel[l];
        std::string sKey = AccelKeyCode(t.byKey);
        std::string sKeyArg =
            (!sKey.empty() && sKey[0] == '"') ? "Asc(" + sKey + "), " : "%" + sKey + ", ";
        PutWrapped(sOut, tLay,
                   Indent(tLay, 1) + "AssignAccel tAccel(" + Num(++k) + "), " + sKeyArg +
                       IDName(t.lIDElem) + ", " + AccelFlagsKvl(t.byModifiers));
    }
    PutEmpty(sOut);
    PutLine(sOut, Indent(tLay, 1) + "Accel Attach hDlg, tAccel() To hAccel");
    PutEmpty(sOut);
    PutLine(sOut, MetaEnd("Accel"));
    if (FullFile()) {
        PutLine(sOut, Indent(tLay, 1) + "Function = hAccel");
        PutLine(sOut, "End Function");
        PutLine(sOut, SeparatorLine(tLay));
        PutEmpty(sOut);
    }
}

void WriteAssignAccelBlock(std::string& sOut, const tWriteLayout& tLay) {
    PutLine(sOut, MetaBegin("AssignAccel", ""));
    PutWrapped(sOut, tLay,
               "Function AssignAccel(tAccel As ACCELAPI, ByVal wKey As Word, ByVal wCmd As "
               "Word, ByVal byFVirt As Byte) As Long");
    PutLine(sOut, Indent(tLay, 1) + "tAccel.fVirt = byFVirt");
    PutLine(sOut, Indent(tLay, 1) + "tAccel.key = wKey");
    PutLine(sOut, Indent(tLay, 1) + "tAccel.cmd = wCmd");
    PutLine(sOut, "End Function");
    PutLine(sOut, MetaEnd("AssignAccel"));
}
