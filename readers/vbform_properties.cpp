// Property lines of a form, its controls, menu blocks and font blocks. Every
// property the designer has no use for is passed over; so are the dotted
// names of container controls ("Tab(0).Control(3).Enabled").
#include "readers/vbform_state.h"
#include "readers/vbform_text.h"

#include "model/project.h"
#include "styles/control_kinds.h"

#include <cmath>

namespace {

// The colour of a BackColor or ForeColor value. Values with the high bit set
// name a Windows system colour rather than an RGB value; the row keeps the
// system colour then, as it does when no colour is given.
void SetRowColour(tDlg& tRow, std::string_view sValue, bool bBack) {
    uint32_t lBits = FormValueBits(sValue);
    if (lBits & 0x80000000u) {
        return;
    }
    int32_t lColour = static_cast<int32_t>(lBits & 0xFFFFFFu);
    if (bBack) {
        tRow.lBackClr = lColour;
        tRow.byBackClrUsed = 1;
    } else {
        tRow.lForeClr = lColour;
        tRow.byForeClrUsed = 1;
    }
}

bool ReadScale(tVBScale& tScale, std::string_view sName, std::string_view sValue) {
    double* pf = nullptr;
    if (SameFormWord(sName, "ScaleMode")) {
        pf = &tScale.fMode;
    } else if (SameFormWord(sName, "ScaleLeft")) {
        pf = &tScale.fLeft;
    } else if (SameFormWord(sName, "ScaleTop")) {
        pf = &tScale.fTop;
    } else if (SameFormWord(sName, "ScaleWidth")) {
        pf = &tScale.fWidth;
    } else if (SameFormWord(sName, "ScaleHeight")) {
        pf = &tScale.fHeight;
    } else {
        return false;
    }
    *pf = FormValueNumber(sValue);
    tScale.bSet = true;
    return true;
}

// An element of a control array: its ID name gets "_" and the index, made
// unique again.
void SetArrayIndex(const tVBObject& tObj, std::string_view sValue) {
    RenameFormID(tObj.lIDElem, gasIDPrefix[tObj.lKind] + tObj.sName + "_" +
                                   std::to_string(FormValueLong(sValue)));
}

// Properties of the form itself. True when the name was one of them.
bool ReadFormProperty(tVBForm& tForm, tDlg& tRow, std::string_view sName, std::string_view sValue) {
    static const char* const kaszClient[] = {"ClientLeft", "ClientTop", "ClientWidth",
                                             "ClientHeight"};
    for (int32_t i = 0; i < 4; ++i) {
        if (SameFormWord(sName, kaszClient[i])) {
            tForm.afClient[i] = FormValueNumber(sValue);
            tForm.abClient[i] = true;
            return true;
        }
    }
    const bool bOff = FormValueNumber(sValue) == 0;
    if (SameFormWord(sName, "BorderStyle")) {
        ApplyFormBorderStyle(tRow, FormValueLong(sValue));
    } else if (SameFormWord(sName, "ClipControls")) {
        SetFormStyle(tRow, "%WS_CLIPCHILDREN", !bOff);
    } else if (SameFormWord(sName, "ControlBox")) {
        SetFormStyle(tRow, "%WS_SYSMENU", !bOff);
    } else if (SameFormWord(sName, "MaxButton")) {
        SetFormStyle(tRow, "%WS_MAXIMIZEBOX", !bOff);
    } else if (SameFormWord(sName, "MinButton")) {
        SetFormStyle(tRow, "%WS_MINIMIZEBOX", !bOff);
    } else if (SameFormWord(sName, "ShowInTaskbar")) {
        SetFormStyle(tRow, "%WS_EX_APPWINDOW", !bOff);
    } else {
        return false;
    }
    return true;
}

// Properties of a control. True when the name was one of them.
bool ReadControlProperty(tVBObject& tObj, std::string_view sName, std::string_view sValue) {
    static const char* const kaszPos[] = {"Left", "Top", "Width", "Height"};
    static const char* const kaszLine[] = {"X1", "Y1", "X2", "Y2"};
    for (int32_t i = 0; i < 4; ++i) {
        if (SameFormWord(sName, kaszPos[i])) {
            tObj.afPos[i] = FormValueNumber(sValue);
            tObj.abPos[i] = true;
            return true;
        }
        if (SameFormWord(sName, kaszLine[i])) {
            tObj.afLine[i] = FormValueNumber(sValue);
            tObj.bLine = true;
            return true;
        }
    }
    if (SameFormWord(sName, "TabIndex")) {
        tObj.fTabIndex = FormValueNumber(sValue);
        tObj.bTabIndex = true;
    } else if (SameFormWord(sName, "Index")) {
        SetArrayIndex(tObj, sValue);
    } else if (SameFormWord(sName, "BorderStyle")) {
        tObj.lBorderStyle = FormValueLong(sValue);
    } else {
        return false;
    }
    return true;
}

} // namespace

void ReadVBObjectProperty(tVBForm& tForm, int32_t lObj, std::string_view sName,
                          std::string_view sValue) {
    if (lObj < 0 || lObj >= static_cast<int32_t>(tForm.atObj.size())) {
        return;
    }
    tVBObject& tObj = tForm.atObj[static_cast<std::size_t>(lObj)];
    tDlg* pRow = gatDlg.Ptr(tObj.lRow);
    if (!pRow) {
        return;
    }
    if (SameFormWord(sName, "Caption") || SameFormWord(sName, "Text")) {
        // A custom control keeps the caption that names its type.
        if (tObj.lKind != wkCtlCustom) {
            SetDynStr(pRow->lCaptionElem, FormValueText(sValue));
        }
    } else if (SameFormWord(sName, "BackColor") || SameFormWord(sName, "ForeColor")) {
        SetRowColour(*pRow, sValue, SameFormWord(sName, "BackColor"));
    } else if (ReadScale(tObj.tScale, sName, sValue)) {
    } else if (lObj == 0) {
        ReadFormProperty(tForm, *pRow, sName, sValue);
    } else {
        ReadControlProperty(tObj, sName, sValue);
    }
}

void ReadVBMenuProperty(tVBMenu& tMenu, std::string_view sName, std::string_view sValue) {
    if (SameFormWord(sName, "Caption")) {
        tMenu.sCaption = FormValueText(sValue);
    } else if (SameFormWord(sName, "Shortcut")) {
        tMenu.sShortcut = FormValueText(sValue);
    } else if (SameFormWord(sName, "Index")) {
        tMenu.sIndex = std::to_string(FormValueLong(sValue));
    } else if (SameFormWord(sName, "Checked")) {
        tMenu.bChecked = FormValueNumber(sValue) != 0;
    } else if (SameFormWord(sName, "Enabled")) {
        tMenu.bDisabled = FormValueNumber(sValue) == 0;
    } else if (SameFormWord(sName, "Visible")) {
        tMenu.bHidden = FormValueNumber(sValue) == 0;
    }
}

void ReadVBFontProperty(tFontDesc& tFont, std::string_view sName, std::string_view sValue) {
    const double f = FormValueNumber(sValue);
    const int32_t l = FormValueLong(sValue);
    // The oldest designers write these names in small letters.
    if (SameFormWord(sName, "Name")) {
        tFont.szFontName = FormValueText(sValue);
    } else if (SameFormWord(sName, "Size")) {
        tFont.fFontSize = (f > 0 && f < 1e4) ? static_cast<float>(f) : 0.0f;
    } else if (SameFormWord(sName, "Weight")) {
        tFont.lWeight = l;
    } else if (SameFormWord(sName, "Underline")) {
        tFont.lUnderline = l != 0;
    } else if (SameFormWord(sName, "Italic")) {
        tFont.lItalic = l != 0;
    } else if (SameFormWord(sName, "Strikethrough")) {
        tFont.lStrikeout = l != 0;
    } else if (SameFormWord(sName, "Charset")) {
        tFont.lCharSet = l;
    }
}
