// The block structure of a form file: "Begin type name" ... "End" objects,
// property lines, and "BeginProperty" ... "EndProperty" sub-blocks. The form
// is the outermost object; what follows its End (the code of the form) is
// never read, so the End lines of its procedures cannot close anything.
#include "readers/vbform_reader.h"
#include "edit/design_edits.h"
#include "readers/vbform_state.h"
#include "readers/vbform_text.h"

#include "model/project.h"
#include "model/user_seam.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

namespace {

void BeginFormObject(tVBForm& tForm, std::string_view sName) {
    int32_t lID =
        NewFormID(gasIDPrefix[0] + std::string(sName), NextResourceIDValue(), wkUsedByRes);
    int32_t lRes = AddResource(gatID[lID].szIDName.view(), wkResDialog, lID, 0);
    // The form's menu and shortcuts belong to it alone, never to a menu or
    // accelerator table that happened to be current in the project.
    gtElem.lResDlg = lRes;
    gtElem.lResMenu = 0;
    gtElem.lResAccel = 0;
    tDlg tRow = NewKindRow(wkCtlDialog);
    tRow.lResElem = lRes;
    AddFormDefaultStyles(tRow);
    const int32_t lRow = NewDialog(tRow);
    tVBObject tObj;
    tObj.lRow = lRow;
    tObj.lIDElem = lID;
    tObj.sName = sName;
    tForm.atObj.push_back(tObj);
    tForm.bForm = true;
    tForm.lRes = lRes;
    tForm.atOpen.push_back({tVBOpen::Object, 0});
}

void BeginControlObject(tVBForm& tForm, const std::string& sType, std::string_view sName,
                        int32_t lParent) {
    const int32_t lKind = VBTypeKind(sType);
    if (lKind == wkCtlDialog) {
        // A form inside the form is no control: it would be a second dialog
        // row of the same dialog. It is passed over with everything in it.
        tForm.atOpen.push_back({tVBOpen::Skip, 0});
        return;
    }
    int32_t lID =
        NewFormID(gasIDPrefix[lKind] + std::string(sName), NextControlIDValue(), wkUsedByDlg);
    tDlg tRow = NewKindRow(lKind);
    tRow.lIDElem = lID;
    if (lKind == wkCtlCustom) {
        // The form's own type name is the class: the generated code says what
        // the control was, and reading that code back finds a custom control.
        tRow.szClass = sType;
        SetDynStr(tRow.lCaptionElem, "CustomControl: " + sType);
    }
    // The tab positions come from the form's TabIndex once every control is read.
    const int32_t lRow = NewControl(tForm.atObj[0].lRow, tRow, tNewCtlOpts{.bNextTab = false});
    gtElem.lCtl = lRow;
    tVBObject tObj;
    tObj.lRow = lRow;
    tObj.lKind = lKind;
    tObj.lParent = lParent;
    tObj.lIDElem = lID;
    tObj.sName = sName;
    tForm.atObj.push_back(tObj);
    tForm.atOpen.push_back({tVBOpen::Object, static_cast<int32_t>(tForm.atObj.size()) - 1});
}

void BeginMenuBlock(tVBForm& tForm, std::string_view sName) {
    tVBMenu tMenu;
    tMenu.sName = sName;
    if (!tForm.atOpen.empty() && tForm.atOpen.back().lKind == tVBOpen::Menu) {
        tVBMenu& tParent = tForm.atMenu[static_cast<std::size_t>(tForm.atOpen.back().lIndex)];
        tParent.bHasChildren = true;
        tMenu.lParent = tForm.atOpen.back().lIndex;
        tMenu.lLevel = tParent.lLevel + 1;
    }
    tForm.atMenu.push_back(tMenu);
    tForm.atOpen.push_back({tVBOpen::Menu, static_cast<int32_t>(tForm.atMenu.size()) - 1});
}

void BeginBlock(tVBForm& tForm, std::string_view sRest) {
    std::string_view sAfter;
    const std::string sType = VBTypeName(FirstFormWord(sRest, sAfter));
    std::string_view sIgnored;
    const std::string_view sName = FirstFormWord(sAfter, sIgnored);
    const tVBOpen::Kind lOuter = tForm.atOpen.empty() ? tVBOpen::Skip : tForm.atOpen.back().lKind;
    if (!tForm.bForm) {
        if (tForm.atOpen.empty() && IsVBFormType(sType)) {
            BeginFormObject(tForm, sName);
        } else {
            tForm.atOpen.push_back({tVBOpen::Skip, 0});
        }
    } else if (tForm.atOpen.empty() || lOuter == tVBOpen::Skip) {
        tForm.atOpen.push_back({tVBOpen::Skip, 0});
    } else if (SameFormWord(sType, "VB.Menu") && tForm.lMenuBlocks < kMaxFormObjects) {
        ++tForm.lMenuBlocks;
        BeginMenuBlock(tForm, sName);
    } else if (lOuter == tVBOpen::Menu || SameFormWord(sType, "VB.Menu") ||
               static_cast<int32_t>(tForm.atObj.size()) > kMaxFormObjects) {
        // Nothing but menus lives in a menu.
        tForm.atOpen.push_back({tVBOpen::Skip, 0});
    } else {
        BeginControlObject(tForm, sType, sName, tForm.atOpen.back().lIndex);
    }
}

void EndBlock(tVBForm& tForm) {
    if (tForm.atOpen.empty()) {
        return;
    }
    const tVBOpen tClosed = tForm.atOpen.back();
    tForm.atOpen.pop_back();
    if (tClosed.lKind == tVBOpen::Menu &&
        tForm.atMenu[static_cast<std::size_t>(tClosed.lIndex)].lParent < 0) {
        AddVBMenus(tForm.atMenu);
        tForm.atMenu.clear();
        tForm.bMenuBar = true;
    } else if (tClosed.lKind == tVBOpen::Object && tClosed.lIndex == 0) {
        FinishVBForm(tForm);
        tForm.bDone = true;
    }
}

void EndFontBlock(tVBForm& tForm) {
    if (tForm.lFontObj >= 0 && tForm.lFontObj < static_cast<int32_t>(tForm.atObj.size())) {
        int32_t lFont = AddFont(tForm.tFont);
        gatDlg.W(tForm.atObj[static_cast<std::size_t>(tForm.lFontObj)].lRow).lFontElem = lFont;
    }
    tForm.lFontObj = -1;
}

void BeginPropertyBlock(tVBForm& tForm, std::string_view sRest) {
    std::string_view sIgnored;
    const bool bObject = !tForm.atOpen.empty() && tForm.atOpen.back().lKind == tVBOpen::Object;
    if (tForm.lPropDepth == 0 && tForm.lFontObj < 0 && bObject &&
        SameFormWord(FirstFormWord(sRest, sIgnored), "Font")) {
        tForm.lFontObj = tForm.atOpen.back().lIndex;
        tForm.tFont = tFontDesc{};
    } else {
        ++tForm.lPropDepth;
    }
}

void ReadLine(tVBForm& tForm, std::string_view sLine) {
    std::string_view sRest;
    const std::string_view sWord = FirstFormWord(sLine, sRest);
    if (sWord.empty() || sWord[0] == '\'') {
        return;
    }
    const bool bProperty = !sRest.empty() && sRest[0] == '=';
    if (!bProperty && (SameFormWord(sWord, "Begin") || SameFormWord(sWord, "End"))) {
        // Property blocks never hold objects: one left open by a damaged
        // file ends here instead of swallowing the rest of the form.
        tForm.lPropDepth = 0;
        tForm.lFontObj = -1;
        if (SameFormWord(sWord, "Begin")) {
            BeginBlock(tForm, sRest);
        } else {
            EndBlock(tForm);
        }
        return;
    }
    if (!bProperty && SameFormWord(sWord, "BeginProperty")) {
        BeginPropertyBlock(tForm, sRest);
        return;
    }
    if (!bProperty && SameFormWord(sWord, "EndProperty")) {
        if (tForm.lPropDepth > 0) {
            --tForm.lPropDepth;
        } else if (tForm.lFontObj >= 0) {
            EndFontBlock(tForm);
        }
        return;
    }
    std::string_view sName;
    std::string_view sValue;
    if (tForm.lPropDepth > 0 || tForm.atOpen.empty() || !SplitFormProperty(sLine, sName, sValue)) {
        return;
    }
    if (tForm.lFontObj >= 0) {
        ReadVBFontProperty(tForm.tFont, sName, sValue);
        return;
    }
    const tVBOpen& tOpen = tForm.atOpen.back();
    if (tOpen.lKind == tVBOpen::Object) {
        ReadVBObjectProperty(tForm, tOpen.lIndex, sName, sValue);
    } else if (tOpen.lKind == tVBOpen::Menu) {
        ReadVBMenuProperty(tForm.atMenu[static_cast<std::size_t>(tOpen.lIndex)], sName, sValue);
    }
}

} // namespace

int32_t LoadVBForm(const std::string& sText, int32_t lClear) {
    const tLoadScope tLoad;
    if (lClear) {
        ClearProject();
    }
    ShowStatusText("Loading VB File");
    ResetFormIDNames();
    tVBForm tForm;
    std::size_t lPos = 0;
    std::string_view sLine;
    while (!tForm.bDone && NextFormLine(sText, lPos, sLine)) {
        ReadLine(tForm, sLine);
    }
    if (tForm.bForm && !tForm.bDone) {
        // The text ended inside the form: keep what was read.
        if (!tForm.atMenu.empty()) {
            AddVBMenus(tForm.atMenu);
            tForm.bMenuBar = true;
        }
        FinishVBForm(tForm);
    }
    CloseStatusText();
    return tForm.lRes;
}
