#include "app/pending_commands.h"

#include "resources/resource_ids.h"

int32_t IsPendingCommand(int32_t lCmd) {
    switch (lCmd) {
    case IDM_PROPERTIES:
        return 1;
    default:
        return 0;
    }
}

void PropertiesCmd(HWND, HWND) {}
