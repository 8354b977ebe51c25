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

// Above this many changed controls the dialog is built again instead of
// following row by row.
constexpr std::size_t kRebuildAbove = 200;

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

// The two rows differ in nothing but their rectangle.
bool OnlyRectDiffers(const tDlg& tOld, const tDlg& tNew) {
    tDlg a;
    tDlg b;
    std::memcpy(&a, &tOld, sizeof a);
    std::memcpy(&b, &tNew, sizeof b);
    b.nLeft = a.nLeft;
    b.nTop = a.nTop;
    b.nRight = a.nRight;
    b.nBottom = a.nBottom;
    b.hWnd = a.hWnd;
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

// The windows of the rows go where their rows say, in one batch.
void MoveWindows(const std::vector<int32_t>& al) {
    HDWP hPos = BeginDeferWindowPos(static_cast<int>(al.size()));
    for (int32_t l : al) {
        const RECT r = ControlPixelRect(l);
        if (hPos) {
            hPos = DeferWindowPos(hPos, RowWindow(l), nullptr, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (!hPos || !EndDeferWindowPos(hPos)) {
        for (int32_t l : al) {
            PlaceControlWindow(l, SWP_NOZORDER);
        }
    }
    for (int32_t l : al) {
        ReloadStretchedImage(l);
    }
}

// Of the controls a step changed, those it made, removed, moved or sized;
// the others changed along with them (the tab positions a delete closes up).
// All of them when none was.
std::vector<int32_t> Foremost(const std::vector<int32_t>& al,
                              const std::vector<tUndoDlgChange>& at) {
    std::vector<int32_t> alFirst;
    for (int32_t l : al) {
        for (const tUndoDlgChange& t : at) {
            if (t.lElem == l && (t.tOld.byDeleted != 0 || t.tOld.lResElem == 0 ||
                                 RowRect(l) != tDlgRect{t.tOld.nLeft, t.tOld.nTop, t.tOld.nRight,
                                                        t.tOld.nBottom})) {
                alFirst.push_back(l);
                break;
            }
        }
    }
    return alFirst.empty() ? al : alFirst;
}

// After Undo or Redo: the windows follow the rows that changed, and those
// that are controls of the dialog shown become the selection.
void FollowUndo(HWND hMain, int32_t lShownRes) {
    const std::vector<tUndoDlgChange>& at = UndoDlgChanges();
    bool bRebuild = gtElem.lResDlg != lShownRes || !gtDesign.hDialog ||
                    (UndoChangedTables() & (1 << wkUndoFont)) != 0;
    std::size_t lOurs = 0;
    for (const tUndoDlgChange& t : at) {
        const tDlg& tNow = gatDlg[t.lElem];
        if (t.tOld.lResElem != lShownRes && tNow.lResElem != lShownRes) {
            continue;
        }
        ++lOurs;
        const bool bDialogRow = t.tOld.lCtlType == wkCtlDialog && tNow.lCtlType == wkCtlDialog;
        if ((t.tOld.lCtlType == wkCtlDialog || tNow.lCtlType == wkCtlDialog) &&
            !(bDialogRow && OnlyRectDiffers(t.tOld, tNow) && gatDlg.Live(t.lElem))) {
            bRebuild = true;
        }
    }
    bRebuild = bRebuild || lOurs > kRebuildAbove;
    std::vector<int32_t> alSelect;
    if (bRebuild) {
        Rebuild(hMain, gtElem.lResDlg);
        for (const tUndoDlgChange& t : at) {
            if (gatDlg.Live(t.lElem) && gatDlg[t.lElem].lResElem == gtElem.lResDlg &&
                gatDlg[t.lElem].lCtlType != wkCtlDialog) {
                alSelect.push_back(t.lElem);
            }
        }
    } else {
        const int32_t lKeepCtl = gtElem.lCtl;
        std::vector<int32_t> alMove;
        HideFocusGrippers();
        ClearGroup();
        for (const tUndoDlgChange& t : at) {
            const int32_t l = t.lElem;
            const tDlg& tNow = gatDlg[l];
            const bool bWant =
                gatDlg.Live(l) && tNow.lResElem == lShownRes && tNow.lCtlType != wkCtlDialog;
            if (gatDlg.Live(l) && tNow.lCtlType == wkCtlDialog && tNow.lResElem == lShownRes) {
                // The dialog itself moved or was sized: its window follows.
                const RECT r = DialogWindowRect(RowRect(l), GetMenu(gtDesign.hDialog) != nullptr);
                gtDesign.lBuilding = 1;
                SetWindowPos(gtDesign.hDialog, nullptr, r.left, r.top, r.right - r.left,
                             r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
                gtDesign.lBuilding = 0;
                continue;
            }
            HWND hOld = AsWindow(t.tOld.hWnd);
            if (hOld && IsWindow(hOld) && bWant && OnlyRectDiffers(t.tOld, tNow)) {
                alMove.push_back(l);
            } else {
                if (hOld && IsWindow(hOld)) {
                    DestroyWindow(hOld);
                    if (gatDlg.InRange(l)) {
                        gatDlg.W(l).hWnd = 0;
                    }
                }
                if (bWant) {
                    CreateControlWindow(gtDesign.hOverlay, l);
                }
            }
            if (bWant) {
                alSelect.push_back(l);
            }
        }
        MoveWindows(alMove);
        gtElem.lCtl = lKeepCtl;
    }
    if (gtDesign.hDialog) {
        SelectControls(Foremost(alSelect, at));
    }
    // Showing the menu bar again sizes the dialog: only when a menu may differ.
    if (!bRebuild && (UndoChangedTables() & ((1 << wkUndoMenu) | (1 << wkUndoRes) |
                                             (1 << wkUndoAccel) | (1 << wkUndoDynStr))) != 0) {
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
        MoveWindows(alMove);
    }
    if (gtDesign.atGroup.empty()) {
        ShowFocusGrippers(RowWindow(al[0]));
        ShowRowReadout(al[0]);
    } else {
        PlaceGroupMarkers(true);
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
