// Which commands the project allows now: menu items are grayed and toolbar
// buttons shown indeterminate when their command has nothing to work on.
#include "app/command_enabling.h"
#include "app/file_commands.h"
#include "app/main_window.h"
#include "designer/ctl_clipboard.h"
#include "designer/design_undo.h"
#include "designer/designer.h"
#include "model/project.h"
#include "model/undo_store.h"
#include "model/version_info.h"
#include "resources/resource_ids.h"

#include <commctrl.h>

namespace {

void Enable(HMENU hMenu, int32_t lCmd) {
    const bool bEnable = CommandAllowed(lCmd) != 0;
    if (hMenu) {
        EnableMenuItem(hMenu, static_cast<UINT>(lCmd),
                       MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
    }
    if (ghToolbar) {
        // Buttons of commands without one ignore the message.
        SendMessageA(ghToolbar, TB_SETSTATE, static_cast<WPARAM>(lCmd),
                     MAKELPARAM(bEnable ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE, 0));
    }
}

void ShowToolbox(bool bDesign) {
    if (!ghToolbox || !IsWindow(ghToolbox)) {
        return;
    }
    const bool bShow = bDesign && glAppActive && glToolboxAllowed && !IsIconic(ghWndMain);
    ShowWindow(ghToolbox, bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}

// Every command the enabling pass sets.
constexpr int32_t kRuledCommands[] = {
    IDM_NEWDIALOG,
    IDM_SELECTDIALOG,
    IDM_CLOSE,
    IDM_SAVE,
    IDM_SAVEAS,
    IDM_SAVEASNEW,
    IDM_CLIP_KVL_ALL,
    IDM_CLIP_KVL_ACCEL,
    IDM_CLIP_KVL_CONST,
    IDM_CLIP_KVL_DIALOG,
    IDM_CLIP_KVL_MENU,
    IDM_CLIP_KVL_CODE,
    IDM_CLIP_RC_ALL,
    IDM_CLIP_RC_ACCEL,
    IDM_CLIP_RC_CONST,
    IDM_CLIP_RC_DIALOG,
    IDM_CLIP_RC_MENU,
    IDM_CLIP_RC_STRINGS,
    IDM_CLIP_RC_VERSION,
    IDM_CLIP_RC_CODE,
    IDM_UNDO,
    IDM_REDO,
    IDM_CUT,
    IDM_COPY,
    IDM_PASTE,
    IDM_DELETE,
    IDM_SELECTALL,
    IDM_SENDTOBACK,
    IDM_PROPERTIES,
    IDM_TOOLBOX,
    IDM_VIEW_KVL,
    IDM_VIEW_RC,
    IDM_VIEW_NEWKVL,
    IDM_VIEW_NEWRC,
    IDM_VIEW_SDKRC,
    IDM_VIEW_SDKBASIC,
    IDM_VIEW_TESTVALUES,
    IDM_TESTDIALOG,
    IDM_IDEDITOR,
    IDM_MENUEDITOR,
    IDM_VERSIONEDITOR,
    IDM_TABORDER,
    IDM_IDE_OPENFILE,
};

} // namespace

int32_t CommandAllowed(int32_t lCmd) {
    const bool bDesign = gtElem.lDlg > 0;
    const int32_t lDlgRows = bDesign ? CountDialogRows(gtElem.lResDlg) : 0;
    const int32_t lCode = glIDCnt + glAccelCnt + glDlgCnt + glMenuCnt;
    const int32_t lScript = lCode + glStrCnt + VersionBlockCount();
    switch (lCmd) {
    case IDM_SELECTDIALOG:
        return CountResources(wkResDialog) > 0;
    case IDM_TESTDIALOG:
    case IDM_PROPERTIES:
    case IDM_MENUEDITOR:
    case IDM_TOOLBOX:
        return bDesign;
    case IDM_SELECTALL:
        return bDesign && lDlgRows > 1;
    case IDM_TABORDER:
        return bDesign && lDlgRows > 2;
    case IDM_IDEDITOR:
    case IDM_CLIP_KVL_CONST:
    case IDM_CLIP_KVL_CODE:
    case IDM_CLIP_RC_CONST:
    case IDM_CLIP_RC_CODE:
        return glIDCnt > 0;
    case IDM_CLIP_KVL_ALL:
        return lCode > 0;
    case IDM_CLIP_KVL_ACCEL:
    case IDM_CLIP_RC_ACCEL:
        return glAccelCnt > 0;
    case IDM_CLIP_KVL_DIALOG:
    case IDM_CLIP_RC_DIALOG:
        return glDlgCnt > 0;
    case IDM_CLIP_KVL_MENU:
    case IDM_CLIP_RC_MENU:
        return glMenuCnt > 0;
    case IDM_CLIP_RC_ALL:
    case IDM_SAVEAS:
    case IDM_SAVEASNEW:
    case IDM_CLOSE:
        return lScript > 0;
    case IDM_CLIP_RC_STRINGS:
        return glStrCnt > 0;
    case IDM_CLIP_RC_VERSION:
        return VersionBlockCount() > 0;
    case IDM_SAVE:
        return glChanged != 0;
    case IDM_UNDO:
        return CanUndo();
    case IDM_REDO:
        return CanRedo();
    case IDM_CUT:
    case IDM_COPY:
    case IDM_DELETE:
        return DesignHasGroup() || FocusGripperShown();
    case IDM_PASTE:
        return bDesign && IsClipboardFormatAvailable(ControlsClipboardFormat());
    case IDM_SENDTOBACK:
        return !DesignHasGroup() && FocusGripperShown();
    case IDM_IDE_OPENFILE:
        return !CurrentFile().empty();
    default:
        // New Dialog, the View commands and the version editor have no rule of their own.
        return 1;
    }
}

void UpdateCommands() {
    if (glUpdatesSuspended || !ghWndMain) {
        return;
    }
    HMENU hMenu = GetMenu(ghWndMain);
    for (int32_t lCmd : kRuledCommands) {
        Enable(hMenu, lCmd);
    }
    SetUndoMenuItems(hMenu);
    ShowToolbox(gtElem.lDlg > 0);
}
