// The sample functions that fill combo boxes, list boxes, progress bars, list
// views, tree views and tab controls with test data, so that a new dialog
// shows something when it runs; their declarations and the calls in the
// dialog functions.
#include "model/project.h"
#include "styles/control_kinds.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/row_groups.h"

namespace {

// The sample functions: the head line (wrapped when written), then the body
// lines, each led by its indentation level; nullptr ends a function. The
// alignment blanks inside the lines are part of the text.
const char* const aszSampleComboBox[] = {
    "Function SampleComboBox(ByVal hDlg As Dword, ByVal lID As Long, ByVal lCount As Long) As Long",
    "1Local i As Long",
    "1For i = 1 To lCount",
    "2ComboBox Add hDlg, lID, \"Test Item #\" + Format$(i)",
    "1Next i",
    nullptr,
};

const char* const aszSampleListBox[] = {
    "Function SampleListBox(ByVal hDlg As Dword, ByVal lID As Long, ByVal lCount As Long) As Long",
    "1Local i As Long",
    "1For i = 1 To lCount",
    "2ListBox Add hDlg, lID, \"Test Item #\" + Format$(i)",
    "1Next i",
    nullptr,
};

const char* const aszSampleProgress[] = {
    "Function SampleProgress(ByVal hDlg As Dword, ByVal lID As Long) As Long",
    "1Control Send hDlg, lID, %PBM_SETRANGE, 0,  MakDwd(0, 100)",
    "1Control Send hDlg, lID, %PBM_SETPOS,   30, 0",
    nullptr,
};

const char* const aszSampleListView[] = {
    "Function SampleListView(ByVal hDlg As Dword, ByVal lID As Long, ByVal lColCnt As Long, ByVal "
    "lRowCnt As Long) As Long",
    "1Local lStyle  As Long",
    "1Local tLVC    As LV_COLUMN",
    "1Local tLVI    As LV_ITEM",
    "1Local szBuf   As Asciiz * 32",
    "1Local lCol    As Long",
    "1Local lRow    As Long",
    "1Local hCtl    As Dword",
    "",
    "1Control Handle hDlg, lID To hCtl",
    "",
    "1lStyle = ListView_GetExtendedListViewStyle(hCtl)",
    "1ListView_SetExtendedListViewStyle hCtl, _ ",
    "2lStyle Or %LVS_EX_FULLROWSELECT Or %LVS_EX_GRIDLINES",
    "",
    "1'Load column headers.",
    "1tLVC.mask    = %LVCF_FMT Or %LVCF_TEXT Or %LVCF_SUBITEM",
    "1tLVC.fmt     = %LVCFMT_LEFT",
    "1tLVC.pszText = VarPtr(szBuf)",
    "1For lCol = 0 To lColCnt - 1",
    "2szBuf = \"Column\" + Format$(lCol)",
    "2tLVC.iOrder = lCol",
    "2ListView_InsertColumn hCtl, lCol, tLVC",
    "1Next lCol",
    "",
    "1'Load sample data.",
    "1For lRow = 0 To lRowCnt - 1",
    "2tLVI.stateMask   = %LVIS_FOCUSED",
    "2tLVI.pszText     = VarPtr(szBuf)",
    "2tLVI.iItem       = lRow",
    "2For lCol = 0 To lColCnt - 1",
    "3szBuf           = \"Column\" + Format$(lCol) + \" Row\" + Format$(lRow)",
    "3tLVI.iSubItem   = lCol",
    "3tLVI.lParam     = lRow",
    "3If lCol = 0 Then",
    "4tLVI.mask = %LVIF_TEXT Or %LVIF_PARAM Or %LVIF_STATE",
    "4ListView_InsertItem hCtl, tLVI",
    "3Else",
    "4tLVI.mask = %LVIF_TEXT",
    "4ListView_SetItem hCtl, tLVI",
    "3End If",
    "2Next lCol",
    "1Next lRow",
    "",
    "1'Auto size columns.",
    "1For lCol = 0 To lColCnt - 1",
    "2ListView_SetColumnWidth hCtl, lCol, %LVSCW_AUTOSIZE",
    "1Next lCol",
    "",
    nullptr,
};

const char* const aszSampleTreeViewInsertItem[] = {
    "Function SampleTreeViewInsertItem(ByVal hTree As Dword, ByVal hParent As Dword, sItem As "
    "String) As Long",
    "1Local tTVInsert   As TV_INSERTSTRUCT",
    "1Local tTVItem     As TV_ITEM",
    "",
    "1If hParent Then",
    "2tTVItem.mask        = %TVIF_CHILDREN Or %TVIF_HANDLE",
    "2tTVItem.hItem       = hParent",
    "2tTVItem.cchildren   = 1",
    "2TreeView_SetItem hTree, tTVItem",
    "1End If",
    "",
    "1tTVInsert.hParent                   = hParent",
    "1tTVInsert.Item.Item.mask            = %TVIF_TEXT",
    "1tTVInsert.Item.Item.pszText         = StrPtr(sItem)",
    "1tTVInsert.Item.Item.cchTextMax      = Len(sItem)",
    "",
    "1Function = TreeView_InsertItem(hTree, tTVInsert)",
    nullptr,
};

const char* const aszSampleTreeView[] = {
    "Function SampleTreeView(ByVal hDlg As Dword, ByVal lID As Long, ByVal lCount As Long) As Long",
    "1Local hRoot   As Dword",
    "1Local hParent As Dword",
    "1Local i       As Long",
    "1Local j       As Long",
    "1Local k       As Long",
    "1Local hCtl    As Dword",
    "",
    "1Control Handle hDlg, lID To hCtl",
    "",
    "1For i = 1 To lCount",
    "2hRoot = SampleTreeViewInsertItem(hCtl, %NULL, \"Root\" + Format$(i))",
    "2For j = 1 To lCount",
    "3hParent = SampleTreeViewInsertItem(hCtl, hRoot, \"Item\" + Format$(j))",
    "3For k = 1 To lCount",
    "4Call SampleTreeViewInsertItem(hCtl, hParent, \"SubItem\" + _",
    "5Format$(j) + \".\" + Format$(k))",
    "3Next k",
    "2Next j",
    "1Next i",
    nullptr,
};

const char* const aszSampleTabCtrl[] = {
    "Function SampleTabCtrl(ByVal hDlg As Dword, ByVal lID As Long, ByVal lCount As Long) As Long",
    "1Local tTC_Item    As TC_ITEM",
    "1Local szBuf       As Asciiz * 32",
    "1Local i           As Long",
    "1Local hCtl        As Dword",
    "",
    "1Control Handle hDlg, lID To hCtl",
    "",
    "1tTC_Item.Mask       = %TCIF_TEXT",
    "1tTC_Item.iImage     = -1",
    "1tTC_Item.pszText    = VarPtr(szBuf)",
    "",
    "1For i = 0 To lCount - 1",
    "2szBuf = \"Tab \" + Format$(i)",
    "2TabCtrl_InsertItem hCtl, i, tTC_Item",
    "1Next i",
    nullptr,
};

void PutSampleFunction(std::string& sOut, const tWriteLayout& tLay, const char* const* ppsz) {
    PutLine(sOut, SeparatorLine(tLay));
    PutWrapped(sOut, tLay, ppsz[0]);
    for (++ppsz; *ppsz; ++ppsz) {
        const char* psz = *ppsz;
        if (*psz == 0) {
            PutEmpty(sOut);
        } else {
            PutLine(sOut, Indent(tLay, psz[0] - '0') + (psz + 1));
        }
    }
    PutLine(sOut, "End Function");
    PutLine(sOut, SeparatorLine(tLay));
    PutEmpty(sOut);
}

} // namespace

tSampleKinds SampleKindsPresent(int32_t lRes) {
    tSampleKinds t{};
    std::vector<int32_t> alRows;
    if (lRes != 0) {
        alRows = DialogRowsOf(lRes);
    } else {
        for (int32_t l = 1; l <= glDlgCnt; ++l) {
            if (gatDlg.Live(l)) {
                alRows.push_back(l);
            }
        }
    }
    for (int32_t l : alRows) {
        switch (gatDlg[l].lCtlType) {
        case wkCtlComboBox:
            t.bComboBox = t.bAny = true;
            break;
        case wkCtlListBox:
            t.bListBox = t.bAny = true;
            break;
        case wkCtlProgress:
            t.bProgress = t.bAny = true;
            break;
        case wkCtlListView:
            t.bListView = t.bAny = true;
            break;
        case wkCtlTreeView:
            t.bTreeView = t.bAny = true;
            break;
        case wkCtlTab:
            t.bTabCtrl = t.bAny = true;
            break;
        default:
            break;
        }
    }
    return t;
}

void WriteSampleDeclarations(std::string& sOut, const tWriteLayout& tLay) {
    const tSampleKinds t = SampleKindsPresent(0);
    const char* const aszDecl[] = {
        "Declare Function SampleComboBox(ByVal hDlg As Dword, ByVal lID As Long, ByVal lCount As "
        "Long) As Long",
        "Declare Function SampleListBox(ByVal hDlg As Dword, ByVal lID As Long, ByVal lCount As "
        "Long) As Long",
        "Declare Function SampleProgress(ByVal hDlg As Dword, ByVal lID As Long) As Long",
        "Declare Function SampleListView(ByVal hDlg As Dword, ByVal lID As Long, ByVal lColCnt As "
        "Long, ByVal lRowCnt As Long) As Long",
        // SampleTreeView itself stands before its first use and needs no declaration.
        "Declare Function SampleTreeViewInsertItem(ByVal hTree As Dword, ByVal hParent As Dword, "
        "sItem As String) As Long",
        "Declare Function SampleTabCtrl(ByVal hDlg As Dword, ByVal lID As Long, ByVal lCount As "
        "Long) As Long",
    };
    const bool abHave[] = {t.bComboBox, t.bListBox,  t.bProgress,
                           t.bListView, t.bTreeView, t.bTabCtrl};
    for (size_t k = 0; k < 6; ++k) {
        if (abHave[k]) {
            PutWrapped(sOut, tLay, aszDecl[k]);
        }
    }
}

void WriteSampleFunctions(std::string& sOut, const tWriteLayout& tLay) {
    const tSampleKinds t = SampleKindsPresent(0);
    if (t.bComboBox) {
        PutSampleFunction(sOut, tLay, aszSampleComboBox);
    }
    if (t.bListBox) {
        PutSampleFunction(sOut, tLay, aszSampleListBox);
    }
    if (t.bProgress) {
        PutSampleFunction(sOut, tLay, aszSampleProgress);
    }
    if (t.bListView) {
        PutSampleFunction(sOut, tLay, aszSampleListView);
    }
    if (t.bTreeView) {
        PutSampleFunction(sOut, tLay, aszSampleTreeViewInsertItem);
        PutSampleFunction(sOut, tLay, aszSampleTreeView);
    }
    if (t.bTabCtrl) {
        PutSampleFunction(sOut, tLay, aszSampleTabCtrl);
    }
}

void WriteSampleCalls(std::string& sOut, const tWriteLayout& tLay, int32_t lRes) {
    for (int32_t l : DialogRowsOf(lRes)) {
        const tDlg& t = gatDlg[l];
        if (t.lIDElem == 0) {
            continue;
        }
        const std::string sID = IDName(t.lIDElem);
        switch (t.lCtlType) {
        case wkCtlComboBox:
            PutLine(sOut, Indent(tLay, 1) + "SampleComboBox hDlg, " + sID + ", 30");
            break;
        case wkCtlListBox:
            PutLine(sOut, Indent(tLay, 1) + "SampleListBox hDlg, " + sID + ", 30");
            break;
        case wkCtlProgress:
            PutLine(sOut, Indent(tLay, 1) + "SampleProgress hDlg, " + sID);
            break;
        case wkCtlListView:
            PutLine(sOut, Indent(tLay, 1) + "SampleListView hDlg, " + sID + ", 3, 30");
            break;
        case wkCtlTreeView:
            PutLine(sOut, Indent(tLay, 1) + "SampleTreeView hDlg, " + sID + ", 3");
            break;
        case wkCtlTab:
            PutLine(sOut, Indent(tLay, 1) + "SampleTabCtrl hDlg, " + sID + ", 5");
            break;
        default:
            break;
        }
    }
}
