#include "app/pending_commands.h"

#include "resources/resource_ids.h"

int32_t IsPendingCommand(int32_t lCmd) {
    switch (lCmd) {
    case IDM_SELECTDIALOG:
    case IDM_PROPERTIES:
    case IDM_IDEDITOR:
    case IDM_TABORDER:
        return 1;
    default:
        return 0;
    }
}

void PropertiesCmd(HWND, HWND) {}
void SelectDialogCmd(HWND) {}
void IDEditorCmd(HWND) {}
void TabOrderCmd(HWND) {}
