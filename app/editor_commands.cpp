#include "app/editor_commands.h"

#include "props/properties_dialog.h"

void PropertiesCmd(HWND hOwner, HWND) {
    // Owned by the main window: applying to the dialog itself rebuilds the design window.
    ShowPropertiesDialog(hOwner);
}
