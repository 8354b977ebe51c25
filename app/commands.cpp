// The main window's command table: every menu item, accelerator and toolbar
// button goes to the command that carries it out.
#include "app/commands.h"

#include "app/about_box.h"
#include "app/editor_commands.h"
#include "app/file_commands.h"
#include "app/help.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/recent_files_menu.h"
#include "app/view_commands.h"
#include "designer/ctl_clipboard.h"
#include "designer/design_undo.h"
#include "designer/designer.h"
#include "designer/test_mode.h"
#include "designer/toolbox.h"
#include "edit/resource_edits.h"
#include "model/case_blind.h"
#include "model/path_rules.h"
#include "model/project.h"
#include "resources/resource_ids.h"

namespace {

HWND DesignWindow() {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(gatDlg[gtElem.lDlg].hWnd));
}

bool IsVisibleWindow(HWND hWnd) {
    return hWnd && IsWindow(hWnd) && IsWindowVisible(hWnd);
}

void ToolboxCmd(HWND hWnd) {
    if (GetMenuState(GetMenu(hWnd), IDM_TOOLBOX, MF_BYCOMMAND) & MF_CHECKED) {
        DestroyToolboxWindow();
        ghToolbox = nullptr;
    } else {
        ghToolbox = CreateToolboxWindow(hWnd);
        SetForegroundWindow(hWnd);
    }
    CheckMenuItem(GetMenu(hWnd), IDM_TOOLBOX,
                  MF_BYCOMMAND | (ghToolbox ? MF_CHECKED : MF_UNCHECKED));
}

std::string UpperCase(std::string s) {
    for (char& ch : s) {
        ch = UpperAscii(ch);
    }
    return s;
}

} // namespace

void CancelCmd() {
    if (CancelDesignDrag()) {
        return;
    }
    if (gtElem.lDlg > 0 && gtElem.lCtl != 0) {
        ClearDesignSelection();
        gtElem.lCtl = gtElem.lDlg;
    }
}

void SwitchCmd(HWND hWnd) {
    HWND hFore = GetForegroundWindow();
    if (hFore == hWnd || (ghToolbox && hFore == ghToolbox)) {
        HWND hDesign = gtElem.lDlg > 0 ? DesignWindow() : nullptr;
        if (IsVisibleWindow(hDesign)) {
            SetForegroundWindow(hDesign);
        }
    } else if (IsVisibleWindow(ghToolbox)) {
        SetForegroundWindow(ghToolbox);
    }
}

namespace {

// The name of the undo step a command makes, "" for a command that changes
// nothing of the project or records its own steps.
std::string CommandStepName(int32_t lCmd) {
    switch (lCmd) {
    case IDM_NEWDIALOG:
        return "New Dialog";
    case IDM_CUT:
    case IDM_CUT2:
        return SelectionStepName("Cut");
    case IDM_PASTE:
    case IDM_PASTE2:
        return "Paste";
    case IDM_DELETE:
        return SelectionStepName("Delete");
    case IDM_IMPORTCLIP:
        return "Import from Clipboard";
    case IDM_IDEDITOR:
        return "ID Editor";
    case IDM_MENUEDITOR:
        return "Menu Editor";
    case IDM_VERSIONEDITOR:
        return "Version Info";
    case IDM_TABORDER:
        return "Tab Order";
    default:
        return std::string();
    }
}

void RunCommand(HWND hWnd, int32_t lCmd);

} // namespace

void OnMainCommand(HWND hWnd, int32_t lCmd) {
    const std::string sStep = CommandStepName(lCmd);
    if (sStep.empty()) {
        RunCommand(hWnd, lCmd);
        return;
    }
    {
        DesignStep tStep(sStep);
        RunCommand(hWnd, lCmd);
    }
    UpdateCommands();
}

namespace {

void RunCommand(HWND hWnd, int32_t lCmd) {
    if (lCmd >= IDM_RECENT_FIRST && lCmd <= IDM_RECENT_LAST) {
        OpenRecentFile(hWnd, lCmd);
        return;
    }
    if (lCmd >= IDM_ALIGN_FIRST && lCmd <= IDM_ALIGN_LAST) {
        AlignCmd(hWnd, lCmd);
        return;
    }
    switch (lCmd) {
    case IDM_UNDO:
        UndoCmd(hWnd);
        break;
    case IDM_REDO:
        RedoCmd(hWnd);
        break;
    case IDM_NEWDIALOG:
        if (HWND hDesign = gtElem.lDlg > 0 ? DesignWindow() : nullptr) {
            DestroyWindow(hDesign);
            gatDlg.W(gtElem.lDlg).hWnd = 0;
        }
        NewDialogCmd(hWnd);
        break;
    case IDM_SELECTDIALOG:
        SelectDialogCmd(hWnd);
        break;
    case IDM_OPEN:
        OpenCmd(hWnd);
        break;
    case IDM_CLOSE:
        CloseFileCmd(hWnd);
        break;
    case IDM_SAVE:
        SaveCmd(hWnd);
        break;
    case IDM_SAVEAS:
        SaveAsCmd(hWnd);
        break;
    case IDM_SAVEASNEW:
        SaveAsNewCmd(hWnd);
        break;
    case IDM_CLIP_KVL_ALL:
    case IDM_CLIP_KVL_CODE:
    case IDM_CLIP_RC_ALL:
    case IDM_CLIP_RC_ACCEL:
    case IDM_CLIP_RC_CODE:
    case IDM_CLIP_KVL_ACCEL:
    case IDM_CLIP_KVL_CONST:
    case IDM_CLIP_KVL_DIALOG:
    case IDM_CLIP_KVL_MENU:
    case IDM_CLIP_RC_CONST:
    case IDM_CLIP_RC_DIALOG:
    case IDM_CLIP_RC_MENU:
    case IDM_CLIP_RC_STRINGS:
    case IDM_CLIP_RC_VERSION:
        ClipboardCmd(hWnd, lCmd);
        break;
    case IDM_IMPORT:
        ImportCmd(hWnd);
        break;
    case IDM_IMPORTCLIP:
        ImportFromClipboardCmd(hWnd);
        break;
    case IDM_EXIT:
        PostMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case IDM_CUT:
    case IDM_CUT2:
        CutControlsCmd(hWnd);
        break;
    case IDM_COPY:
    case IDM_COPY2:
        CopyControlsCmd(hWnd);
        break;
    case IDM_PASTE:
    case IDM_PASTE2:
        PasteControlsCmd(hWnd);
        break;
    case IDM_DELETE:
        DeleteControlsCmd(hWnd);
        break;
    case IDM_SELECTALL:
        SelectAllControlsCmd(hWnd);
        break;
    case IDM_SENDTOBACK:
        if (FocusGripperShown() && !DesignHasGroup()) {
            SendToBackCmd(hWnd);
        }
        break;
    case IDM_PROPERTIES:
        if (gtElem.lCtl != 0) {
            PropertiesCmd(hWnd, DesignWindow());
        }
        break;
    case IDM_ENTER:
        if (gtElem.lDlg > 0 && gtElem.lCtl != 0 && DesignWindow() &&
            GetActiveWindow() == DesignWindow()) {
            PropertiesCmd(hWnd, DesignWindow());
        }
        break;
    case IDM_CANCEL:
        CancelCmd();
        break;
    case IDM_SWITCH:
        SwitchCmd(hWnd);
        break;
    case IDM_TOOLBOX:
        ToolboxCmd(hWnd);
        break;
    case IDM_VIEW_KVL:
    case IDM_VIEW_RC:
    case IDM_VIEW_NEWKVL:
    case IDM_VIEW_NEWRC:
    case IDM_VIEW_SDKRC:
    case IDM_VIEW_SDKBASIC:
    case IDM_VIEW_TESTVALUES:
        ViewCodeCmd(hWnd, lCmd);
        break;
    case IDM_TESTDIALOG:
        TestDialogCmd(hWnd);
        break;
    case IDM_IDEDITOR:
        IDEditorCmd(hWnd);
        break;
    case IDM_MENUEDITOR:
        if (gtElem.lResMenu == 0) {
            NewResource(wkResMenu);
        }
        MenuEditorCmd(hWnd);
        RefreshDesignMenuBar();
        break;
    case IDM_VERSIONEDITOR:
        VersionEditorCmd(hWnd);
        break;
    case IDM_TABORDER:
        TabOrderCmd(hWnd);
        break;
    case IDM_IDE_ACTIVATE:
        IdeActivateCmd(hWnd);
        break;
    case IDM_IDE_OPENFILE:
        IdeOpenFileCmd(hWnd);
        break;
    case IDM_OPTIONS:
        OptionsCmd(hWnd);
        break;
    case IDM_HELPTOPICS:
        ShowHelp(hWnd, ProgramHelpFile());
        break;
    case IDM_ABOUT:
        AboutCmd(hWnd);
        break;
    default:
        break;
    }
}

} // namespace

int32_t CloseMainWindow(HWND hWnd) {
    if (SourceFileOpen() || RCFileOpen() || glChanged) {
        if (!CloseFileCmd(hWnd)) {
            return 0;
        }
    }
    SaveMainWindowPos(hWnd);
    DestroyWindow(hWnd);
    return 1;
}

int32_t DropAction(const std::string& sFile) {
    switch (FileTypeOf(sFile)) {
    case wkFileKvl:
        return 1;
    case wkFileRC:
    case wkFileForm:
        return 2;
    default:
        return 0;
    }
}

std::string DropFiles(HWND hWnd, HDROP hDrop) {
    const UINT lCount = DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
    std::string sFile;
    if (lCount > 0) {
        char szFile[MAX_PATH] = "";
        DragQueryFileA(hDrop, 0, szFile, sizeof(szFile));
        sFile = szFile;
    }
    // Finished before the file opens: opening may ask questions, and the
    // drop's memory is freed whatever happens next.
    DragFinish(hDrop);
    switch (DropAction(sFile)) {
    case 1:
        OpenFileCmd(hWnd, sFile, 1);
        break;
    case 2:
        ImportFileCmd(hWnd, sFile);
        break;
    default:
        break;
    }
    return sFile;
}

int32_t CommandLineFileType(const std::string& sCmdLine, std::string& sFile) {
    const size_t lFirst = sCmdLine.find_first_not_of(" \t");
    const size_t lLast = sCmdLine.find_last_not_of(" \t");
    sFile = lFirst == std::string::npos ? "" : sCmdLine.substr(lFirst, lLast - lFirst + 1);
    if (!sFile.empty() && sFile[0] == '"') {
        const size_t lClose = sFile.find('"', 1);
        sFile = sFile.substr(1, lClose == std::string::npos ? std::string::npos : lClose - 1);
    }
    if (sFile.empty()) {
        return 0;
    }
    // The first dot of the whole path: a folder name with a dot in it gives
    // an extension no file type has, and the argument is ignored.
    const size_t lDot = sFile.find('.');
    const std::string sExt = lDot == std::string::npos ? "" : UpperCase(sFile.substr(lDot + 1));
    if (sExt == "BAS" || sExt == "BI" || sExt == "INC") {
        return 1;
    }
    if (sExt == "RC" || sExt == "DLG" || sExt == "H") {
        return 2;
    }
    return 0;
}
