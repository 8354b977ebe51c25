#include "edit/design_edits.h"
#include "edit/resource_edits.h"

#include "edit/data_files.h"
#include "model/change_notice.h"
#include "model/dynstr.h"
#include "model/id_names.h"
#include "model/project.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// A control row's tab position past every other one.
constexpr int32_t kBehindAll = 1048575;

// The image and animation kinds show a data file instead of a caption.
bool ShowsDataFile(int32_t lKind) {
    return lKind == wkCtlImage || lKind == wkCtlImageX || lKind == wkCtlImgButton ||
           lKind == wkCtlImgButtonX || lKind == wkCtlAnimate;
}

// The tab position behind every live control of a dialog resource. Counted
// from the positions, not from the last row: a tab position set in Properties
// renumbers the controls without moving their rows, and a form keeps its rows
// in file order, so the last row may hold any position. A deleted row
// (position -1) says nothing about the next one.
//
// A reader adds a dialog's controls one after another, so the highest
// position is kept between calls and only the rows written since are read
// (the table's change log): a file of a million controls must not read the
// whole table for each of them. A rewrite of a row that was there before
// (a position set, a delete, an undo) reads the dialog again.
struct tTabHigh {
    int32_t lResDlg = 0;
    uint32_t lEpoch = 0;
    std::size_t lLogRead = 0;
    int32_t lRowCnt = 0; // rows above this are new since the last look
    int32_t lHigh = 0;
};
tTabHigh gtTabHigh;

// A control of kind lKind may be added to row lDlg: a live dialog row and a
// kind of control (not a dialog).
bool CanHoldControl(int32_t lDlg, int32_t lKind) {
    return gatDlg.Live(lDlg) && gatDlg[lDlg].lCtlType == wkCtlDialog && lKind > wkCtlDialog &&
           lKind < wkCtlKindCount;
}

bool CountsForTab(int32_t l, int32_t lResDlg) {
    const tDlg& t = gatDlg[l];
    return gatDlg.Live(l) && t.lResElem == lResDlg && t.lCtlType != wkCtlDialog &&
           t.lCtlOrder < kBehindAll;
}

int32_t NextTabPosition(int32_t lResDlg) {
    const std::vector<int32_t>& alLog = gatDlg.Touched();
    tTabHigh& c = gtTabHigh;
    bool bKnown = c.lResDlg == lResDlg && c.lEpoch == gatDlg.Epoch() &&
                  c.lLogRead <= alLog.size() && c.lRowCnt <= glDlgCnt;
    for (std::size_t i = c.lLogRead; bKnown && i < alLog.size(); ++i) {
        const int32_t l = alLog[i];
        if (l <= c.lRowCnt) {
            bKnown = false; // a row that was there before was rewritten
        } else if (CountsForTab(l, lResDlg)) {
            c.lHigh = std::max(c.lHigh, gatDlg[l].lCtlOrder);
        }
    }
    if (bKnown) {
        // The latest rows may still be written through a reference handed
        // out before their note; their positions are read once more.
        for (std::size_t i = gatDlg.RecentFrom(); i < alLog.size(); ++i) {
            if (CountsForTab(alLog[i], lResDlg)) {
                c.lHigh = std::max(c.lHigh, gatDlg[alLog[i]].lCtlOrder);
            }
        }
    } else {
        c.lHigh = 0;
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            if (CountsForTab(l, lResDlg)) {
                c.lHigh = std::max(c.lHigh, gatDlg[l].lCtlOrder);
            }
        }
    }
    c.lResDlg = lResDlg;
    c.lEpoch = gatDlg.Epoch();
    c.lLogRead = alLog.size();
    c.lRowCnt = glDlgCnt;
    return c.lHigh + 1;
}

} // namespace

std::string TrailingDigits(std::string_view sName) {
    std::size_t l = sName.size();
    while (l > 0 && sName[l - 1] >= '0' && sName[l - 1] <= '9') {
        --l;
    }
    return std::string(sName.substr(l));
}

void EditSetRect(int32_t lElem, const tDlgRect& t) {
    tChangeScope tEdit(wkChgDlg);
    if (tDlg* p = gatDlg.Ptr(lElem)) {
        p->nLeft = t.nLeft;
        p->nTop = t.nTop;
        p->nRight = t.nRight;
        p->nBottom = t.nBottom;
        NoteChange(wkChgDlg, lElem, 1);
    }
}

void EditAddStyle(int32_t lElem, uint32_t lBits) {
    tChangeScope tEdit(wkChgDlg);
    if (gatDlg.Live(lElem) && (static_cast<uint32_t>(gatDlg[lElem].lStyle) & lBits) != lBits) {
        AddStyle(lElem, lBits, gatDlg[lElem].lClassElem);
        NoteChange(wkChgDlg, lElem, 1);
    }
}

void EditTakeStylesAndRect(int32_t lElem, const tDlg& tFrom) {
    tChangeScope tEdit(wkChgDlg);
    if (tDlg* p = gatDlg.Ptr(lElem)) {
        p->lStyle = tFrom.lStyle;
        p->lExStyle = tFrom.lExStyle;
        p->lStyleStrElem = tFrom.lStyleStrElem;
        p->lExStyleStrElem = tFrom.lExStyleStrElem;
        p->nLeft = tFrom.nLeft;
        p->nTop = tFrom.nTop;
        p->nRight = tFrom.nRight;
        p->nBottom = tFrom.nBottom;
        NoteChange(wkChgDlg, lElem, 1);
    }
}

int32_t NewControl(int32_t lDlg, tDlg tRow, const tNewCtlOpts& tOpts) {
    tChangeScope tEdit(wkChgDlg);
    const int32_t lKind = tRow.lCtlType;
    if (!CanHoldControl(lDlg, lKind)) {
        return 0;
    }
    tRow.lResElem = gatDlg[lDlg].lResElem;
    if (tOpts.bNewID) {
        // The name is made anew, never taken from elsewhere: a copied ID may
        // come from another project, where its name means something else.
        tRow.lIDElem = NewControlID(CtlTypeKeyword(lKind, 0), lKind);
    }
    if (tOpts.bDialogFont) {
        tRow.lFontElem = gatDlg[lDlg].lFontElem;
    }
    if (tOpts.bNextTab) {
        tRow.lCtlOrder = NextTabPosition(tRow.lResElem);
    }
    if (tOpts.bImpliedStyles) {
        EnsureImpliedStyles(tRow);
    }
    return AddDlgRow(tRow);
}

int32_t NewControl(int32_t lDlg, int32_t lKind, const tDlgRect& t) {
    tChangeScope tEdit(wkChgDlg);
    if (!CanHoldControl(lDlg, lKind)) {
        return 0; // checked before the new ID is made, so that none is left over
    }
    tDlg tRow = NewKindRow(lKind);
    tRow.lIDElem = NewControlID(CtlTypeKeyword(lKind, 0), lKind);
    tRow.nLeft = t.nLeft;
    tRow.nTop = t.nTop;
    tRow.nRight = t.nRight;
    tRow.nBottom = t.nBottom;
    if (!ShowsDataFile(lKind)) {
        SetDynStr(tRow.lCaptionElem,
                  CtlTypeKeyword(lKind, 0) + TrailingDigits(gatID[tRow.lIDElem].szIDName.view()));
    }
    return NewControl(lDlg, tRow, tNewCtlOpts{});
}

int32_t NewDialog(tDlg tRow) {
    tChangeScope tEdit(wkChgDlg);
    if (tRow.lResElem == 0) {
        tRow.lResElem = NewResource(wkResDialog);
    }
    const int32_t lRes = tRow.lResElem;
    if (!gatRes.Live(lRes) || gatRes[lRes].lType != wkResDialog) {
        return 0;
    }
    tRow.lCtlType = wkCtlDialog;
    tRow.lIDElem = gatRes[lRes].lIDElem;
    if (tRow.lFontElem == 0) {
        tRow.lFontElem = 1;
    }
    EnsureImpliedStyles(tRow);
    const int32_t lRow = AddDlgRow(tRow);
    gtElem.lResDlg = lRes;
    gtElem.lDlg = lRow;
    gtElem.lCtl = lRow;
    return lRow;
}

int32_t NewDialog() {
    tChangeScope tEdit(wkChgDlg);
    const int32_t lRes = NewResource(wkResDialog);
    if (!lRes) {
        return 0;
    }
    tDlg tRow = NewKindRow(wkCtlDialog);
    tRow.lResElem = lRes;
    SetDynStr(tRow.lCaptionElem,
              "Dialog" + TrailingDigits(gatID[gatRes[lRes].lIDElem].szIDName.view()));
    return NewDialog(tRow);
}

void SetKindStyles(tDlg& tRow, int32_t lKind) {
    const tCtlDefault& tDef = gatCtlDefault[lKind];
    tRow.lStyle = tDef.lStyle;
    tRow.lExStyle = tDef.lExStyle;
    // Lists of the row's own: the catalog's default lists are shared.
    tRow.lStyleStrElem = 0;
    tRow.lExStyleStrElem = 0;
    SetDynStr(tRow.lStyleStrElem, GetDynStr(tDef.lStyleStrElem));
    SetDynStr(tRow.lExStyleStrElem, GetDynStr(tDef.lExStyleStrElem));
}

int32_t EditPasteControl(int32_t lDlg, const tClipCtl& c, const tDlgRect& t) {
    tChangeScope tEdit(wkChgDlg);
    const int32_t lKind = c.tRow.lCtlType;
    if (!CanHoldControl(lDlg, lKind)) {
        return 0; // checked before the texts and the font are stored
    }
    tDlg tRow{};
    tRow.szClass = c.tRow.szClass;
    tRow.lClassElem = FindClass(tRow.szClass.view());
    tRow.lCtlType = lKind;
    tRow.lStyle = c.tRow.lStyle;
    tRow.lExStyle = c.tRow.lExStyle;
    tRow.byForeClrUsed = c.tRow.byForeClrUsed ? 1 : 0;
    tRow.byBackClrUsed = c.tRow.byBackClrUsed ? 1 : 0;
    tRow.lForeClr = c.tRow.lForeClr;
    tRow.lBackClr = c.tRow.lBackClr;
    tRow.nLeft = t.nLeft;
    tRow.nTop = t.nTop;
    tRow.nRight = t.nRight;
    tRow.nBottom = t.nBottom;
    SetDynStr(tRow.lCaptionElem, c.sCaption);
    SetDynStr(tRow.lStyleStrElem, c.sStyle);
    SetDynStr(tRow.lExStyleStrElem, c.sExStyle);
    // A control copied without a font of its own takes the dialog's.
    tRow.lFontElem = c.tFont.szFontName.empty() ? gatDlg[lDlg].lFontElem : AddFont(c.tFont);
    // The copy keeps its own styles: a hidden control stays hidden.
    const int32_t lRow = NewControl(
        lDlg, tRow, tNewCtlOpts{.bNewID = true, .bDialogFont = false, .bImpliedStyles = false});
    if (lRow && ShowsDataFile(lKind) && !c.sDataFile.empty()) {
        SetDataFile(lRow, c.sDataFile);
    }
    return lRow;
}

void EditCutControl(int32_t lElem) {
    tChangeScope tEdit(wkChgDlg);
    if (!gatDlg.Live(lElem) || gatDlg[lElem].lCtlType == wkCtlDialog) {
        return;
    }
    DeleteDlgRow(lElem);
}

void EditDeleteControl(int32_t lElem) {
    tChangeScope tEdit(wkChgDlg);
    if (!gatDlg.Live(lElem) || gatDlg[lElem].lCtlType == wkCtlDialog) {
        return;
    }
    // The tab order is renumbered within the current dialog.
    const int32_t lWasRes = gtElem.lResDlg;
    gtElem.lResDlg = gatDlg[lElem].lResElem;
    SetControlOrder(lElem, kBehindAll);
    gtElem.lResDlg = lWasRes;
    gatDlg.W(lElem).lCtlOrder = -1;
    DeleteDlgRow(lElem);
}
