#include "app/pending_commands.h"

#include "resources/resource_ids.h"

int32_t IsPendingCommand(int32_t lCmd) {
    switch (lCmd) {
    case IDM_SELECTDIALOG:
    case IDM_CUT:
    case IDM_COPY:
    case IDM_PASTE:
    case IDM_PROPERTIES:
    case IDM_TOOLBOX:
    case IDM_TESTDIALOG:
    case IDM_IDEDITOR:
    case IDM_MENUEDITOR:
    case IDM_VERSIONEDITOR:
    case IDM_TABORDER:
        return 1;
    default:
        return 0;
    }
}

void CutControlsCmd(HWND) {}
void CopyControlsCmd(HWND) {}
void PasteControlsCmd(HWND) {}
void TestDialogCmd(HWND) {}
void PropertiesCmd(HWND, HWND) {}
void SelectDialogCmd(HWND) {}
void IDEditorCmd(HWND) {}
void MenuEditorCmd(HWND) {}
void VersionEditorCmd(HWND) {}
void TabOrderCmd(HWND) {}
HWND CreateToolboxWindow(HWND) {
    return nullptr;
}
void DestroyToolboxWindow() {}
