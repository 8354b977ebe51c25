// The callback skeleton of each dialog and the command cases it shares with
// the resource-script integration code.
#include "model/project.h"
#include "styles/control_kinds.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/row_groups.h"

namespace {

// Blanks of a command-case level: lLevel units of the variant's tab size.
std::string CaseIndent(const tWriteLayout& tLay, int32_t lLevel, int32_t lVariant) {
    int32_t lUnit = lVariant == wkCasesRc ? tLay.lTabSizeRC : tLay.lTabSizeKVL;
    return std::string(static_cast<size_t>(lLevel * lUnit > 0 ? lLevel * lUnit : 0), ' ');
}

enum CaseKind { caseAlone, caseButton, caseCommand };

void PutCase(std::string& sOut, const tWriteLayout& tLay, int32_t lIDElem, int32_t lVariant,
             CaseKind lKind) {
    const std::string sID = IDName(lIDElem);
    const std::string sMsg = "MsgBox \"" + sID + "=\" + Format$(" + sID + "), %MB_SYSTEMMODAL";
    PutLine(sOut, CaseIndent(tLay, 4, lVariant) + "Case " + sID);
    if (lKind == caseButton) {
        PutLine(sOut, CaseIndent(tLay, 5, lVariant) +
                          (lVariant == wkCasesRc
                               ? "If HiWrd(wParam) = %BN_CLICKED Or HiWrd(wParam) = 1 Then"
                               : "If CbCtlMsg = %BN_CLICKED Or CbCtlMsg = 1 Then"));
        PutWrapped(sOut, tLay, CaseIndent(tLay, 6, lVariant) + sMsg);
        PutLine(sOut, CaseIndent(tLay, 5, lVariant) + "End If");
    } else if (lKind == caseCommand) {
        PutWrapped(sOut, tLay, CaseIndent(tLay, 5, lVariant) + sMsg);
    }
}

} // namespace

void WriteCommandCases(std::string& sOut, const tWriteLayout& tLay, int32_t lRes,
                       int32_t lVariant) {
    if (gatRes[lRes].lType == wkResMenu || gatRes[lRes].lType == wkResPopupMenu) {
        for (int32_t l : MenuRowsOf(lRes)) {
            if (gatMenu[l].lIDElem != 0) {
                PutCase(sOut, tLay, gatMenu[l].lIDElem, lVariant, caseCommand);
            }
        }
        return;
    }
    for (int32_t l : DialogRowsOf(lRes)) {
        const tDlg& t = gatDlg[l];
        if (t.lCtlType == wkCtlDialog || t.lIDElem == 0) {
            continue;
        }
        bool bButton = t.lCtlType == wkCtlButton || t.lCtlType == wkCtlImgButton ||
                       t.lCtlType == wkCtlImgButtonX;
        PutCase(sOut, tLay, t.lIDElem, lVariant, bButton ? caseButton : caseAlone);
    }
    // The items of the menus linked to the dialog, in table order.
    for (int32_t l : LinkedMenuRowsOf(lRes)) {
        if (gatMenu[l].lIDElem != 0) {
            PutCase(sOut, tLay, gatMenu[l].lIDElem, lVariant, caseCommand);
        }
    }
}

void WriteCallbackFunction(std::string& sOut, const tWriteLayout& tLay, int32_t lRes) {
    PutLine(sOut, SeparatorLine(tLay));
    PutLine(sOut, "CallBack Function Show" + FunctionBaseName(lRes) + "Proc()");
    // A dialog that accepts dropped files gets the drop handling as well.
    const bool bDrop = (gatDlg[FindDialogRow(lRes)].lExStyle & 0x10) != 0; // %WS_EX_ACCEPTFILES
    if (bDrop) {
        PutLine(sOut, Indent(tLay, 1) + "Local lFileCnt As Long");
        PutLine(sOut, Indent(tLay, 1) + "Local i As Long");
        PutLine(sOut, Indent(tLay, 1) + "Local szFile As Asciiz * %MAX_PATH");
        PutEmpty(sOut);
    }
    PutLine(sOut, Indent(tLay, 1) + "Select Case CbMsg");
    if (bDrop) {
        PutLine(sOut, Indent(tLay, 2) + "Case %WM_INITDIALOG");
        PutLine(sOut, Indent(tLay, 3) + "DragAcceptFiles CbHndl, %TRUE");
        PutEmpty(sOut);
        PutLine(sOut, Indent(tLay, 2) + "Case %WM_DESTROY");
        PutLine(sOut, Indent(tLay, 3) + "DragAcceptFiles CbHndl, %FALSE");
        PutEmpty(sOut);
        PutLine(sOut, Indent(tLay, 2) + "Case %WM_DROPFILES");
        PutLine(sOut, Indent(tLay, 3) + "lFileCnt = DragQueryFile(CbWParam, -1, ByVal 0, 0)");
        PutLine(sOut, Indent(tLay, 3) + "For i = 0 To lFileCnt - 1");
        PutLine(sOut, Indent(tLay, 4) + "DragQueryFile CbWParam, i, szFile, SizeOf(szFile)");
        PutLine(sOut, Indent(tLay, 4) +
                          "MsgBox Format$(i + 1) + \" of \" + Format$(lFileCnt) + $Cr + szFile");
        PutLine(sOut, Indent(tLay, 3) + "Next i");
        PutLine(sOut, Indent(tLay, 3) + "DragFinish CbWParam");
        PutEmpty(sOut);
    }
    PutLine(sOut, Indent(tLay, 2) + "Case %WM_COMMAND");
    PutLine(sOut, Indent(tLay, 3) + "Select Case CbCtl");
    WriteCommandCases(sOut, tLay, lRes, wkCasesKvl);
    PutEmpty(sOut);
    PutLine(sOut, Indent(tLay, 3) + "End Select");
    PutLine(sOut, Indent(tLay, 1) + "End Select");
    PutEmpty(sOut);
    PutLine(sOut, "End Function");
    PutLine(sOut, SeparatorLine(tLay));
    PutEmpty(sOut);
}
