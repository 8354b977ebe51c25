#include "designer/design_undo.h"

#include "app/main_window.h"
#include "designer/design_state.h"
#include "edit/design_edits.h"
#include "model/align.h"
#include "model/project.h"
#include "model/undo_store.h"
#include "resources/resource_ids.h"
#include "styles/control_kinds.h"

#include <cstring>
#include <vector>

namespace {

bool gbFrameStep = false;

struct tAlignName {
    int32_t lAlign;
    const char* szName;
};
constexpr tAlignName katAlignName[] = {
    {wkAlignLefts, "Align Lefts"},
    {wkAlignRights, "Align Rights"},
    {wkAlignTops, "Align Tops"},
    {wkAlignBottoms, "Align Bottoms"},
    {wkAlignCentresH, "Align Centres Horizontally"},
    {wkAlignCentresV, "Align Centres Vertically"},
    {wkSameWidth, "Make Same Width"},
    {wkSameHeight, "Make Same Height"},
    {wkSameSize, "Make Same Size"},
    {wkSpaceAcross, "Space Evenly Across"},
    {wkSpaceDown, "Space Evenly Down"},
    {wkCentreInDialogH, "Centre in Dialog Horizontally"},
    {wkCentreInDialogV, "Centre in Dialog Vertically"},
};

// The selected controls, the leader first.
std::vector<int32_t> SelectedControls() {
    std::vector<int32_t> al;
    for (const tMarkers& t : gtDesign.atGroup) {
        al.push_back(t.lElem);
    }
    if (al.empty() && gtDesign.lGripShown && gtElem.lCtl != gtElem.lDlg &&
        gatDlg.Live(gtElem.lCtl)) {
        al.push_back(gtElem.lCtl);
    }
    return al;
}

// The two rows differ in nothing but their rectangle and, when bOrder, their
// tab position: a control window shows neither (the table order, not the tab
// position, is the sibling order), so it stays and at most moves.
bool OnlyPlaceDiffers(const tDlg& tOld, const tDlg& tNew, bool bOrder) {
    tDlg a;
    tDlg b;
    std::memcpy(&a, &tOld, sizeof a);
    std::memcpy(&b, &tNew, sizeof b);
    b.nLeft = a.nLeft;
    b.nTop = a.nTop;
    b.nRight = a.nRight;
    b.nBottom = a.nBottom;
    b.hWnd = a.hWnd;
    if (bOrder) {
        b.lCtlOrder = a.lCtlOrder;
    }
    return std::memcmp(&a, &b, sizeof a) == 0;
}

HWND AsWindow(int64_t h) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(h));
}

// Selects the controls (one: focus grippers; more: a group led by the first).
void SelectControls(const std::vector<int32_t>& al) {
    OverlayBatch tBatch;
    HideFocusGrippers();
    ClearGroup();
    gtElem.lCtl = gtElem.lDlg;
    if (al.size() == 1) {
        gtElem.lCtl = al[0];
        ShowFocusGrippers(RowWindow(al[0]));
        ShowRowReadout(al[0]);
        return;
    }
    if (al.empty()) {
        ShowRowReadout(gtElem.lDlg);
        return;
    }
    gtElem.lCtl = al[0];
    gtDesign.lMarkerBatch = 1;
    for (int32_t l : al) {
        AddToGroup(l);
    }
    gtDesign.lMarkerBatch = 0;
    PlaceGroupMarkers();
    ClearReadout();
}

// The surface shows dialog resource lRes again from the tables.
void Rebuild(HWND hMain, int32_t lRes) {
    if (HWND hOld = DesignDialogWindow()) {
        DestroyWindow(hOld);
    }
    if (lRes != 0 && FindDialogRow(lRes) != 0) {
        BuildDesignDialog(hMain, lRes);
    } else {
        gtElem.lResDlg = 0;
        gtElem.lDlg = 0;
        gtElem.lCtl = 0;
    }
}

// A control of dialog resource lRes that has a window.
bool ShownControl(int32_t l, int32_t lRes) {
    const tDlg& t = gatDlg[l];
    return !t.byDeleted && t.lResElem == lRes && t.lCtlType != wkCtlDialog && t.hWnd != 0;
}

// The windows made for restored rows take the sibling places a build gives
// them: right after the window of the row before them in the table.
void PlaceMadeWindows(const std::vector<int32_t>& alMade, int32_t lRes) {
    HDWP hPos = BeginDeferWindowPos(static_cast<int>(alMade.size()));
    for (int32_t lElem : alMade) {
        HWND hAfter = HWND_TOP;
        for (int32_t l = lElem - 1; l >= 1; --l) {
            if (ShownControl(l, lRes)) {
                hAfter = RowWindow(l);
                break;
            }
        }
        if (hPos) {
            hPos = DeferWindowPos(hPos, RowWindow(lElem), hAfter, 0, 0, 0, 0,
                                  SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    if (hPos) {
        EndDeferWindowPos(hPos);
    }
}

// What a step changed on the dialog shown, and how the surface follows it.
struct tFollow {
    bool bRebuild = false;           // the dialog itself, its fonts or another dialog
    bool bMoveDialog = false;        // the dialog row's rectangle alone
    bool bRemoved = false;           // a control went
    std::vector<int32_t> alMove;     // windows that stay and move
    std::vector<int32_t> alRemake;   // windows made anew (or none: not live now)
    std::vector<HWND> ahGone;        // their old windows (a row past the table's end too)
    std::vector<int32_t> alForemost; // controls made, restored, moved or sized
    std::vector<int32_t> alChanged;  // every control of the dialog whose row changed
};

// The changes of the last Undo or Redo on dialog resource lShownRes, the one
// the step belongs to.
tFollow SortChanges(int32_t lShownRes, bool bOther) {
    tFollow tF;
    tF.bRebuild = bOther || !gtDesign.hDialog || (UndoChangedTables() & (1 << wkUndoFont)) != 0;
    for (const tUndoDlgChange& t : UndoDlgChanges()) {
        const int32_t l = t.lElem;
        const tDlg& tNow = gatDlg[l];
        const bool bLive = gatDlg.Live(l);
        if (t.tOld.lResElem != lShownRes && (!bLive || tNow.lResElem != lShownRes)) {
            continue;
        }
        // A row that did not exist is all zero, which reads as a dialog row:
        // only a row with its resource is one.
        const bool bOldDialog = t.tOld.lResElem != 0 && t.tOld.lCtlType == wkCtlDialog;
        const bool bNowDialog = tNow.lResElem != 0 && tNow.lCtlType == wkCtlDialog;
        if (bOldDialog || bNowDialog) {
            if (bOldDialog && bNowDialog && bLive && OnlyPlaceDiffers(t.tOld, tNow, false)) {
                tF.bMoveDialog = true;
            } else {
                tF.bRebuild = true;
            }
            continue;
        }
        const bool bWant = bLive && tNow.lResElem == lShownRes;
        const bool bWas = t.tOld.lResElem == lShownRes && t.tOld.byDeleted == 0;
        HWND hOld = AsWindow(t.tOld.hWnd);
        if (bWant) {
            tF.alChanged.push_back(l);
            if (!bWas ||
                RowRect(l) != tDlgRect{t.tOld.nLeft, t.tOld.nTop, t.tOld.nRight, t.tOld.nBottom}) {
                tF.alForemost.push_back(l);
            }
        } else if (bWas) {
            tF.bRemoved = true;
        }
        if (bWant && bWas && hOld && OnlyPlaceDiffers(t.tOld, tNow, true)) {
            if (RowRect(l) != tDlgRect{t.tOld.nLeft, t.tOld.nTop, t.tOld.nRight, t.tOld.nBottom}) {
                tF.alMove.push_back(l);
            }
        } else {
            tF.alRemake.push_back(l);
            if (hOld) {
                tF.ahGone.push_back(hOld);
            }
        }
    }
    return tF;
}

// After Undo or Redo: the windows follow the rows that changed and nothing
// else is touched (a delete renumbers the tab positions of every control
// after it, and none of their windows shows that). The controls the step
// made, restored, moved or sized become the selection; else those it
// changed, unless it removed some.
void FollowUndo(HWND hMain, int32_t lWasShown) {
    // The step's own dialog is the one shown from now on.
    const int32_t lShownRes = gtElem.lResDlg;
    const tFollow tF = SortChanges(lShownRes, lShownRes != lWasShown);
    const std::vector<int32_t>& alSelect =
        !tF.alForemost.empty() || tF.bRemoved ? tF.alForemost : tF.alChanged;
    if (tF.bRebuild) {
        Rebuild(hMain, gtElem.lResDlg);
    } else {
        const int32_t lKeepCtl = gtElem.lCtl;
        OverlayBatch tBatch;
        HideFocusGrippers();
        ClearGroup();
        if (tF.bMoveDialog) {
            // The dialog itself moved or was sized: its window follows.
            const RECT r =
                DialogWindowRect(RowRect(gtElem.lDlg), GetMenu(gtDesign.hDialog) != nullptr);
            gtDesign.lBuilding = 1;
            SetWindowPos(gtDesign.hDialog, nullptr, r.left, r.top, r.right - r.left,
                         r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            gtDesign.lBuilding = 0;
        }
        std::vector<int32_t> alMade;
        const OverlayFreeze tFreeze;
        for (HWND hOld : tF.ahGone) {
            if (IsWindow(hOld)) {
                BatchUncover(WindowRectIn(hOld, gtDesign.hOverlay));
                DestroyWindow(hOld);
            }
        }
        for (int32_t l : tF.alRemake) {
            gatDlg.W(l).hWnd = 0; // past the table's end this writes nothing
        }
        for (int32_t l : tF.alRemake) {
            // A row the step changed twice is made once.
            if (gatDlg.Live(l) && gatDlg[l].lResElem == lShownRes && !RowWindow(l)) {
                CreateControlWindow(gtDesign.hOverlay, l);
                if (RowWindow(l)) {
                    alMade.push_back(l);
                    BatchUncover(ControlPixelRect(l));
                }
            }
        }
        PlaceMadeWindows(alMade, lShownRes);
        MoveRowWindows(tF.alMove, false);
        gtElem.lCtl = lKeepCtl;
    }
    if (gtDesign.hDialog) {
        SelectControls(alSelect);
    }
    // Showing the menu bar again draws the whole dialog anew: only when its
    // menu may differ (a delete that frees captions changes the texts too).
    const int32_t lTables = UndoChangedTables();
    const bool bMenuTexts = (lTables & (1 << wkUndoDynStr)) != 0 && gtDesign.hDialog &&
                            (gtElem.lResMenu != 0 || GetMenu(gtDesign.hDialog) != nullptr);
    if (!tF.bRebuild && (bMenuTexts || (lTables & ((1 << wkUndoMenu) | (1 << wkUndoRes) |
                                                   (1 << wkUndoAccel))) != 0)) {
        RefreshDesignMenuBar();
    }
}

void ApplyUndo(HWND hMain, bool bBack) {
    if (gtDesign.lDrag != wkDragNone) {
        return; // the drag under way ends first
    }
    const int32_t lShownRes = gtDesign.hDialog ? gtElem.lResDlg : 0;
    if (!(bBack ? Undo() : Redo())) {
        return;
    }
    glUpdatesSuspended = 1;
    FollowUndo(hMain, lShownRes);
    glUpdatesSuspended = 0;
    UpdateCommands();
}

std::string AlignName(int32_t lAlign) {
    for (const tAlignName& t : katAlignName) {
        if (t.lAlign == lAlign) {
            return t.szName;
        }
    }
    return std::string();
}

} // namespace

DesignStep::DesignStep(const std::string& sName, int32_t lMergeKey) {
    BeginUndoStep(sName, lMergeKey);
}

DesignStep::~DesignStep() {
    EndUndoStep();
    UpdateCommands(); // the Undo item names the step
}

std::string SelectionStepName(const char* szVerb, const char* szOne) {
    const std::size_t n = SelectedControls().size();
    if (n == 0) {
        return std::string(szVerb) + (szOne ? std::string(" ") + szOne : std::string());
    }
    return std::string(szVerb) + (n == 1 ? " control" : " " + std::to_string(n) + " controls");
}

int32_t SelectionMergeKey(bool bSize) {
    // The selection's elements folded into one number that is never 0.
    uint32_t l = bSize ? 0x9E3779B9u : 0x7F4A7C15u;
    for (int32_t lElem : SelectedControls()) {
        l = (l ^ static_cast<uint32_t>(lElem)) * 16777619u;
    }
    l ^= static_cast<uint32_t>(gtElem.lDlg) * 2654435761u;
    return static_cast<int32_t>(l | 1u);
}

void BeginFrameStep() {
    if (!gbFrameStep) {
        gbFrameStep = true;
        BeginUndoStep("Move dialog");
    }
}

void EndFrameStep() {
    if (gbFrameStep) {
        gbFrameStep = false;
        EndUndoStep();
        UpdateCommands();
    }
}

void UndoCmd(HWND hMain) {
    ApplyUndo(hMain, true);
}

void RedoCmd(HWND hMain) {
    ApplyUndo(hMain, false);
}

int32_t AlignCmdAllowed(int32_t lCmd) {
    const int32_t lAlign = lCmd - IDM_ALIGN_FIRST + 1;
    if (lAlign < wkAlignLefts || lAlign > wkAlignLast || !gtDesign.hDialog) {
        return 0;
    }
    return static_cast<int32_t>(SelectedControls().size()) >= AlignMinimum(lAlign) ? 1 : 0;
}

void AlignCmd(HWND, int32_t lCmd) {
    if (!AlignCmdAllowed(lCmd) || gtDesign.lDrag != wkDragNone) {
        return;
    }
    const int32_t lAlign = lCmd - IDM_ALIGN_FIRST + 1;
    const std::vector<int32_t> al = SelectedControls();
    std::vector<tDlgRect> atRect;
    for (int32_t l : al) {
        atRect.push_back(RowRect(l));
    }
    const tDlgRect tDialog = RowRect(gtElem.lDlg);
    const std::vector<tDlgRect> atNew = AlignedRects(atRect, lAlign, tDialog.nRight - tDialog.nLeft,
                                                     tDialog.nBottom - tDialog.nTop);
    {
        DesignStep tStep(AlignName(lAlign));
        std::vector<int32_t> alMove;
        for (std::size_t i = 0; i < al.size(); ++i) {
            if (atNew[i] != atRect[i]) {
                EditSetRect(al[i], atNew[i]);
                alMove.push_back(al[i]);
            }
        }
        OverlayBatch tBatch;
        MoveRowWindows(alMove, false);
        if (!gtDesign.atGroup.empty()) {
            PlaceGroupMarkers(true);
        }
    }
    if (gtDesign.atGroup.empty()) {
        ShowFocusGrippers(RowWindow(al[0]));
        ShowRowReadout(al[0]);
    }
    UpdateCommands();
}

void SetUndoMenuItems(HMENU hMenu) {
    if (!hMenu) {
        return;
    }
    for (int32_t lCmd = IDM_ALIGN_FIRST; lCmd <= IDM_ALIGN_LAST; ++lCmd) {
        EnableMenuItem(hMenu, static_cast<UINT>(lCmd),
                       MF_BYCOMMAND | (AlignCmdAllowed(lCmd) ? MF_ENABLED : MF_GRAYED));
    }
    struct tItem {
        int32_t lCmd;
        const char* szVerb;
        std::string sStep;
        const char* szKey;
    };
    const tItem atItem[] = {{IDM_UNDO, "&Undo", UndoStepName(), "\tCtrl+Z"},
                            {IDM_REDO, "R&edo", RedoStepName(), "\tCtrl+Y"}};
    for (const tItem& t : atItem) {
        if (GetMenuState(hMenu, static_cast<UINT>(t.lCmd), MF_BYCOMMAND) == static_cast<UINT>(-1)) {
            continue;
        }
        const bool bOn = !t.sStep.empty() && gtDesign.lDrag == wkDragNone;
        const std::string sText =
            std::string(t.szVerb) + (t.sStep.empty() ? "" : " " + t.sStep) + t.szKey;
        ModifyMenuA(hMenu, static_cast<UINT>(t.lCmd),
                    MF_BYCOMMAND | MF_STRING | (bOn ? MF_ENABLED : MF_GRAYED),
                    static_cast<UINT_PTR>(t.lCmd), sText.c_str());
    }
}
