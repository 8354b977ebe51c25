// What the file commands keep for the whole run: the current file, the state
// of the files the readers hold open, the last-write times, and the hooks
// through which the Win32 program (or the command-line tool) lends them its
// dialogs, title, design windows and resource compiler.
#pragma once

#include <cstdint>
#include <string>

// ---- State ---------------------------------------------------------------------------

// The path, file type and file times of the current file are kept in the
// document record gtDoc (model/document.h).
// 1 from a successful load of the KVL file until it is closed; the companion
// script likewise (its text or copy is held by the reader).
extern int32_t glSourceFileOpen;
extern int32_t glRCFileOpen;

// Makes sPath the current file (also the path the writers put in the
// #Resource line); an empty path forgets the file times.
void SetCurrentFile(const std::string& sPath, int32_t lType);

// ---- Hooks -------------------------------------------------------------------------------
// Every hook may stay null; the step is then skipped (the command-line tool
// has no title, no design windows and no dialogs).

struct tFileHooks {
    // The caption "Wrenkit - [path]" and the recent-files menu ("" gives "Wrenkit").
    void (*pfnSetTitle)(const std::string& sFile);
    // The path goes to the top of the recent files.
    void (*pfnAddRecentFile)(const std::string& sFile);
    // 1 suspends command enabling for a long operation; 0 ends the suspension
    // and updates the commands.
    void (*pfnSuspendUpdates)(int32_t lSuspend);
    // 0 hides the design windows (around questions and file dialogs), 1 shows them.
    void (*pfnShowDesignWindows)(int32_t lShow);
    // Save of an untitled project: asks for a name; "" when cancelled.
    std::string (*pfnAskSaveName)();
    // Compiles a saved companion script into binary resources; 1 when done.
    int32_t (*pfnCompileResources)(const std::string& sScript);
    // The results box: labels and numbers, each joined by carriage returns.
    void (*pfnShowResults)(const std::string& sLabels, const std::string& sNumbers);
    // Before the reload question: closes the program's modal window, if one is open.
    void (*pfnCloseModalWindow)();
};
extern tFileHooks gtFileHooks;
