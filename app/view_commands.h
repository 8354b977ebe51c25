// The View menu's code commands: generated text shown in the code viewer.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Commands 1036 to 1042: builds the text of the command and shows it under
// the command's title (the two "New" views show new files).
void ViewCodeCmd(HWND hOwner, int32_t lCmd);

// The text and title a View command shows, and its colouring (2 BASIC, 4
// resource script); without showing it.
struct tCodeView {
    std::string sTitle;
    std::string sText;
    int lMode;
};
tCodeView BuildCodeView(int32_t lCmd);

// The code viewer reaches the IDE, the save, the current file and the help
// through the main window's functions.
void InstallCodeViewerHooks();
