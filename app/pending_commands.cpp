#include "app/pending_commands.h"

#include "props/properties_dialog.h"
#include "resources/resource_ids.h"

int32_t IsPendingCommand(int32_t lCmd) {
    switch (lCmd) {
    case IDM_SELECTDIALOG:
    case IDM_IDEDITOR:
    case IDM_TABORDER:
        return 1;
    default:
        return 0;
    }
}

void PropertiesCmd(HWND hOwner, HWND) {
    // Owned by the main window: applying to the dialog itself rebuilds the design window.
    ShowPropertiesDialog(hOwner);
}
void SelectDialogCmd(HWND) {}
void IDEditorCmd(HWND) {}
void TabOrderCmd(HWND) {}
