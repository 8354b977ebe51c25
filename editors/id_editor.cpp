// The ID Editor: every ID of the project in a list view with its value and
// users, sorted by a column header, reordered by dragging rows, and edited
// through the ID rules of the model. The list's order becomes the order of the
// ID table (and of the equates written) when the editor closes.
#include "app/editor_commands.h"
#include "app/help.h"
#include "app/main_window.h"
#include "edit/id_edits.h"
#include "editors/editor_ids.h"
#include "model/project.h"

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

struct tIDEditor {
    HWND hDlg = nullptr;
    HWND hList = nullptr;
    int32_t lSortCol = -1;
    bool bDescending = false;
    std::set<int32_t> alRenumbered; // IDs given new values by Renumber
    // A drag of rows: the run being dragged and the row under the pointer.
    bool bDragging = false;
    int32_t lDragFirst = 0;
    int32_t lDragCount = 0;
    int32_t lDropRow = -1;
};
tIDEditor* gpIDs = nullptr;

int Ask(HWND hOwner, const std::string& sText, const char* szTitle = "Wrenkit") {
    return MessageBoxA(hOwner, sText.c_str(), szTitle, MB_YESNO | MB_ICONQUESTION);
}

int32_t RowCount() {
    return static_cast<int32_t>(SendMessageA(gpIDs->hList, LVM_GETITEMCOUNT, 0, 0));
}

int32_t RowID(int32_t lRow) {
    LVITEMA t{};
    t.mask = LVIF_PARAM;
    t.iItem = lRow;
    SendMessageA(gpIDs->hList, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&t));
    return static_cast<int32_t>(t.lParam);
}

// The IDs in the list's order.
std::vector<int32_t> ListOrder() {
    std::vector<int32_t> al;
    for (int32_t i = 0; i < RowCount(); ++i) {
        al.push_back(RowID(i));
    }
    return al;
}

std::vector<int32_t> SelectedRows() {
    std::vector<int32_t> al;
    for (int i = -1;
         (i = static_cast<int>(SendMessageA(gpIDs->hList, LVM_GETNEXTITEM, static_cast<WPARAM>(i),
                                            LVNI_SELECTED))) >= 0;) {
        al.push_back(i);
    }
    return al;
}

void SetRowState(int32_t lRow, UINT lState, UINT lMask) {
    LVITEMA t{};
    t.state = lState;
    t.stateMask = lMask;
    SendMessageA(gpIDs->hList, LVM_SETITEMSTATE, static_cast<WPARAM>(lRow),
                 reinterpret_cast<LPARAM>(&t));
}

void SetCell(int32_t lRow, int32_t lCol, const std::string& s) {
    LVITEMA t{};
    t.iSubItem = lCol;
    t.pszText = const_cast<char*>(s.c_str());
    SendMessageA(gpIDs->hList, LVM_SETITEMTEXTA, static_cast<WPARAM>(lRow),
                 reinterpret_cast<LPARAM>(&t));
}

void InsertRow(int32_t lRow, int32_t lID) {
    const std::string sName = IDColumnText(lID, wkIDColName);
    LVITEMA t{};
    t.mask = LVIF_TEXT | LVIF_PARAM;
    t.iItem = lRow;
    t.pszText = const_cast<char*>(sName.c_str());
    t.lParam = lID;
    const auto lAt = static_cast<int32_t>(
        SendMessageA(gpIDs->hList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&t)));
    for (int32_t lCol = 1; lCol < wkIDColCount; ++lCol) {
        SetCell(lAt, lCol, IDColumnText(lID, lCol));
    }
}

void Fill(const std::vector<int32_t>& alIDs) {
    SendMessageA(gpIDs->hList, LVM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < alIDs.size(); ++i) {
        InsertRow(static_cast<int32_t>(i), alIDs[i]);
    }
}

// ---- Add / Edit ID and Renumber Selected -----------------------------------------

struct tIDFields {
    int32_t lElem;
    std::string sName;
    std::string sValue;
};

std::string FieldText(HWND hDlg, int lId) {
    char sz[64] = "";
    GetDlgItemTextA(hDlg, lId, sz, sizeof sz);
    return sz;
}

INT_PTR CALLBACK IDFieldsProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM lParam) {
    auto* p = reinterpret_cast<tIDFields*>(GetWindowLongPtrA(hDlg, DWLP_USER));
    switch (lMsg) {
    case WM_INITDIALOG:
        p = reinterpret_cast<tIDFields*>(lParam);
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        SetWindowTextA(hDlg, p->lElem ? "Edit ID" : "Add New ID");
        SendDlgItemMessageA(hDlg, IDC_IDE_NAME, EM_LIMITTEXT, 32, 0);
        SendDlgItemMessageA(hDlg, IDC_IDE_VALUE, EM_LIMITTEXT, 13, 0);
        SetDlgItemTextA(hDlg, IDC_IDE_NAME, p->sName.c_str());
        SetDlgItemTextA(hDlg, IDC_IDE_VALUE, p->sValue.c_str());
        SetDlgItemInt(hDlg, IDC_IDE_ELEM, static_cast<UINT>(p->lElem), FALSE);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            std::string sName = FieldText(hDlg, IDC_IDE_NAME);
            int32_t lElem = p->lElem;
            const int32_t lResult = StoreIDFields(lElem, sName, FieldText(hDlg, IDC_IDE_VALUE));
            SetDlgItemTextA(hDlg, IDC_IDE_NAME, sName.c_str());
            if (lResult != wkIDStored) {
                MessageBoxA(hDlg, IDStoreMessage(lResult).c_str(), "Wrenkit",
                            MB_OK | MB_ICONEXCLAMATION);
                SetFocus(GetDlgItem(hDlg, IDC_IDE_NAME));
                return TRUE;
            }
            p->lElem = lElem;
            EndDialog(hDlg, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDCANCEL);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK RenumberProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM lParam) {
    auto* p = reinterpret_cast<tIDFields*>(GetWindowLongPtrA(hDlg, DWLP_USER));
    switch (lMsg) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        p = reinterpret_cast<tIDFields*>(lParam);
        SetDlgItemTextA(hDlg, IDC_IDE_NAME, p->sName.c_str());
        SetDlgItemTextA(hDlg, IDC_IDE_VALUE, "1");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            p->sName = FieldText(hDlg, IDC_IDE_NAME);
            p->sValue = FieldText(hDlg, IDC_IDE_VALUE);
            EndDialog(hDlg, IDOK);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(hDlg, IDCANCEL);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- Commands -------------------------------------------------------------------

void EditCmd(bool bAdd) {
    const std::vector<int32_t> alSel = SelectedRows();
    if (!bAdd && alSel.empty()) {
        return;
    }
    tIDFields t{};
    if (bAdd) {
        t.sName = "%ID_";
        t.sValue = std::to_string(NextControlIDValue());
    } else {
        t.lElem = RowID(alSel[0]);
        t.sName = gatID[t.lElem].szIDName.str();
        t.sValue = IDValueText(t.lElem);
    }
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IDEDIT), gpIDs->hDlg,
                        IDFieldsProc, reinterpret_cast<LPARAM>(&t)) != IDOK) {
        return;
    }
    if (bAdd) {
        SetRowState(-1, 0, LVIS_SELECTED);
        const int32_t lRow = RowCount();
        InsertRow(lRow, t.lElem);
        SetRowState(lRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        SendMessageA(gpIDs->hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(lRow), FALSE);
    } else {
        // Element numbers follow the list's order from here on.
        std::vector<int32_t> alOrder = ListOrder();
        const auto lAt = static_cast<size_t>(alSel[0]);
        ApplyIDOrder(alOrder);
        std::set<int32_t> alMoved;
        for (int32_t l : gpIDs->alRenumbered) {
            const auto it = std::find(alOrder.begin(), alOrder.end(), l);
            if (it != alOrder.end()) {
                alMoved.insert(static_cast<int32_t>(it - alOrder.begin()) + 1);
            }
        }
        gpIDs->alRenumbered = alMoved;
        Fill(LiveIDRows());
        SetRowState(static_cast<int32_t>(lAt), LVIS_SELECTED | LVIS_FOCUSED,
                    LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void DeleteCmd() {
    const std::vector<int32_t> alSel = SelectedRows();
    if (alSel.empty() || Ask(gpIDs->hDlg, alSel.size() == 1 ? gszDeleteOneIDQuestion
                                                            : gszDeleteIDsQuestion) != IDYES) {
        return;
    }
    std::vector<int32_t> alIDs;
    for (int32_t l : alSel) {
        alIDs.push_back(RowID(l));
    }
    const std::vector<int32_t> alGone = DeleteUnusedIDs(alIDs);
    for (auto it = alSel.rbegin(); it != alSel.rend(); ++it) {
        if (std::find(alGone.begin(), alGone.end(), RowID(*it)) != alGone.end()) {
            SendMessageA(gpIDs->hList, LVM_DELETEITEM, static_cast<WPARAM>(*it), 0);
        }
    }
}

void RenumberCmd() {
    const std::vector<int32_t> alSel = SelectedRows();
    if (alSel.empty()) {
        return;
    }
    tIDFields t{};
    t.sName = std::to_string(gatID[RowID(alSel[0])].lIDValue);
    if (DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IDRENUMBER), gpIDs->hDlg,
                        RenumberProc, reinterpret_cast<LPARAM>(&t)) != IDOK) {
        return;
    }
    std::vector<int32_t> alIDs;
    for (int32_t l : alSel) {
        alIDs.push_back(RowID(l));
        gpIDs->alRenumbered.insert(RowID(l));
    }
    RenumberIDs(alIDs, ValueFromText(t.sName), ValueFromText(t.sValue));
    for (int32_t l : alSel) {
        SetCell(l, wkIDColValue, std::to_string(gatID[RowID(l)].lIDValue));
    }
}

void OrderByUseCmd() {
    if (MessageBoxA(gpIDs->hDlg, gszOrderByUseQuestion, "Order by Use",
                    MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    Fill(IDsOrderedByUse());
}

void SortCmd(int32_t lCol) {
    gpIDs->bDescending = lCol == gpIDs->lSortCol && !gpIDs->bDescending;
    gpIDs->lSortCol = lCol;
    std::vector<int32_t> al = ListOrder();
    SortIDRows(al, lCol, gpIDs->bDescending);
    Fill(al);
}

// Closing: a renumbering that left two IDs of one dialog with one value is
// named first, and the user may go back to fix it.
void CloseCmd() {
    const std::vector<std::string> asClash = IDValueClashes(
        std::vector<int32_t>(gpIDs->alRenumbered.begin(), gpIDs->alRenumbered.end()));
    if (!asClash.empty()) {
        std::string s = "Renumbering gave these IDs the same value in one dialog:\r\n\r\n";
        for (const std::string& sLine : asClash) {
            s += sLine + "\r\n";
        }
        s += "\r\nThe program cannot tell them apart. Close the ID Editor anyway?";
        if (Ask(gpIDs->hDlg, s) != IDYES) {
            return;
        }
    }
    ApplyIDOrder(ListOrder());
    EndDialog(gpIDs->hDlg, IDCANCEL);
}

void OnCommand(int lId) {
    switch (lId) {
    case IDOK:
    case IDM_IDE_EDIT:
        EditCmd(false);
        break;
    case IDM_IDE_ADD:
        EditCmd(true);
        break;
    case IDM_IDE_SELECTALL:
        SetRowState(-1, LVIS_SELECTED, LVIS_SELECTED);
        break;
    case IDM_IDE_DELETE:
        DeleteCmd();
        break;
    case IDM_IDE_RENUMBER:
        RenumberCmd();
        break;
    case IDM_IDE_ORDERBYUSE:
        OrderByUseCmd();
        break;
    case IDCANCEL:
        CloseCmd();
        break;
    default:
        break;
    }
}

void ContextMenu() {
    HMENU hMenu = CreatePopupMenu();
    const struct {
        UINT lId;
        const char* sz;
    } atItem[] = {
        {IDM_IDE_EDIT, "&Edit...\tCtrl+E"},
        {IDM_IDE_ADD, "&Add New...\tCtrl+N"},
        {0, nullptr},
        {IDM_IDE_SELECTALL, "Select &All\tCtrl+A"},
        {IDM_IDE_DELETE, "&Delete\tDel"},
        {0, nullptr},
        {IDM_IDE_RENUMBER, "&Renumber Selected...\tCtrl+R"},
        {IDM_IDE_ORDERBYUSE, "&Order by Use...\tCtrl+O"},
    };
    for (const auto& t : atItem) {
        AppendMenuA(hMenu, t.sz ? MF_STRING : MF_SEPARATOR, t.lId, t.sz);
    }
    POINT tAt{};
    GetCursorPos(&tAt);
    const auto lCmd = static_cast<int>(TrackPopupMenu(hMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON, tAt.x,
                                                      tAt.y, 0, gpIDs->hDlg, nullptr));
    DestroyMenu(hMenu);
    if (lCmd) {
        OnCommand(lCmd);
    }
}

void OnKey(WORD lKey) {
    if (GetKeyState(VK_CONTROL) < 0) {
        const struct {
            WORD lKey;
            int lCmd;
        } atKey[] = {{'E', IDM_IDE_EDIT},
                     {'N', IDM_IDE_ADD},
                     {'A', IDM_IDE_SELECTALL},
                     {'R', IDM_IDE_RENUMBER},
                     {'O', IDM_IDE_ORDERBYUSE}};
        for (const auto& t : atKey) {
            if (t.lKey == lKey) {
                OnCommand(t.lCmd);
            }
        }
    } else if (lKey == VK_DELETE) {
        OnCommand(IDM_IDE_DELETE);
    }
}

// ---- Dragging rows --------------------------------------------------------------

int32_t RowAt(POINT tScreen) {
    LVHITTESTINFO t{};
    t.pt = tScreen;
    ScreenToClient(gpIDs->hList, &t.pt);
    const auto l = static_cast<int32_t>(
        SendMessageA(gpIDs->hList, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&t)));
    return (t.flags & LVHT_ONITEM) ? l : -1;
}

void MarkDropRow(int32_t lRow) {
    if (lRow == gpIDs->lDropRow) {
        return;
    }
    if (gpIDs->lDropRow >= 0) {
        SetRowState(gpIDs->lDropRow, 0, LVIS_DROPHILITED);
    }
    gpIDs->lDropRow = lRow;
    if (lRow >= 0) {
        SetRowState(lRow, LVIS_DROPHILITED, LVIS_DROPHILITED);
    }
}

void BeginRowDrag() {
    const std::vector<int32_t> alSel = SelectedRows();
    if (alSel.empty()) {
        return;
    }
    if (!IsConsecutive(alSel)) {
        MessageBoxA(gpIDs->hDlg, gszDragRunMessage, "Wrenkit", MB_OK | MB_ICONINFORMATION);
        return;
    }
    gpIDs->bDragging = true;
    gpIDs->lDragFirst = alSel.front();
    gpIDs->lDragCount = static_cast<int32_t>(alSel.size());
    gpIDs->lDropRow = -1;
    SetCapture(gpIDs->hDlg);
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32646))); // IDC_SIZEALL
}

void EndRowDrag(bool bDrop) {
    if (!gpIDs->bDragging) {
        return;
    }
    gpIDs->bDragging = false;
    POINT tAt{};
    GetCursorPos(&tAt);
    const int32_t lTarget = bDrop ? RowAt(tAt) : -1;
    MarkDropRow(-1);
    ReleaseCapture();
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); // IDC_ARROW
    if (lTarget < 0) {
        return;
    }
    std::vector<int32_t> al = ListOrder();
    const int32_t lFirst = MoveIDRows(al, gpIDs->lDragFirst, gpIDs->lDragCount, lTarget);
    if (lFirst == gpIDs->lDragFirst) {
        return;
    }
    Fill(al);
    for (int32_t i = 0; i < gpIDs->lDragCount; ++i) {
        SetRowState(lFirst + i, LVIS_SELECTED, LVIS_SELECTED);
    }
    SetRowState(lFirst + gpIDs->lDragCount - 1, LVIS_FOCUSED, LVIS_FOCUSED);
}

// ---- The editor window ------------------------------------------------------------

void InitEditor(HWND hDlg) {
    gpIDs->hDlg = hDlg;
    gpIDs->hList = GetDlgItem(hDlg, IDC_IDE_LIST);
    SendMessageA(gpIDs->hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
                 LVS_EX_FULLROWSELECT);
    static const int alWidth[wkIDColCount] = {140, 60, 110, 110, 110, 100, 45};
    for (int32_t lCol = 0; lCol < wkIDColCount; ++lCol) {
        LVCOLUMNA t{};
        t.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        t.cx = alWidth[lCol];
        t.pszText = const_cast<char*>(IDColumnTitle(lCol));
        t.iSubItem = lCol;
        SendMessageA(gpIDs->hList, LVM_INSERTCOLUMNA, static_cast<WPARAM>(lCol),
                     reinterpret_cast<LPARAM>(&t));
    }
    RecountUsage();
    Fill(LiveIDRows());
    RECT r{};
    GetClientRect(hDlg, &r);
    MoveWindow(gpIDs->hList, 0, 0, r.right, r.bottom, TRUE);
}

INT_PTR OnNotify(const NMHDR* p) {
    if (p->idFrom != IDC_IDE_LIST) {
        return FALSE;
    }
    switch (p->code) {
    case LVN_COLUMNCLICK:
        SortCmd(reinterpret_cast<const NMLISTVIEW*>(p)->iSubItem);
        return TRUE;
    case LVN_BEGINDRAG:
        BeginRowDrag();
        return TRUE;
    case LVN_KEYDOWN:
        OnKey(reinterpret_cast<const NMLVKEYDOWN*>(p)->wVKey);
        return TRUE;
    case NM_DBLCLK:
        OnCommand(IDM_IDE_EDIT);
        return TRUE;
    case NM_RCLICK:
        ContextMenu();
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK IDEditorProc(HWND hDlg, UINT lMsg, WPARAM wParam, LPARAM lParam) {
    switch (lMsg) {
    case WM_INITDIALOG:
        InitEditor(hDlg);
        return TRUE;
    case WM_SIZE:
        if (gpIDs && gpIDs->hList) {
            MoveWindow(gpIDs->hList, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return TRUE;
    case WM_NOTIFY:
        return gpIDs ? OnNotify(reinterpret_cast<const NMHDR*>(lParam)) : FALSE;
    case WM_MOUSEMOVE:
        if (gpIDs && gpIDs->bDragging) {
            POINT tAt{};
            GetCursorPos(&tAt);
            MarkDropRow(RowAt(tAt));
        }
        return TRUE;
    case WM_LBUTTONUP:
        EndRowDrag(true);
        return TRUE;
    case WM_CAPTURECHANGED:
        if (gpIDs && gpIDs->bDragging && reinterpret_cast<HWND>(lParam) != hDlg) {
            EndRowDrag(false);
        }
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_HELP:
        ShowHelp(hDlg, ProgramHelpFile(), "ID Editor");
        return TRUE;
    case WM_CLOSE:
        OnCommand(IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void IDEditorCmd(HWND hOwner) {
    if (gpIDs || glIDCnt == 0) {
        return;
    }
    tIDEditor tEditor;
    gpIDs = &tEditor;
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IDEDITOR), hOwner, IDEditorProc,
                    0);
    gpIDs = nullptr;
    UpdateCommands();
}
