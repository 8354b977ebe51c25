// wrenkit-cli: opens a file exactly as the designer does and writes, views or
// checks what the designer would write.
#pragma once

#include <cstdio>
#include <string>

struct tCliArgs {
    std::string sSettings; // --settings INI; "" for the first-start defaults
    bool bYes = false;     // --yes answers every question with Yes
    std::string sCommand;  // view, save or check
    std::string sKind;     // view: kvl, rc, new-kvl, new-rc, sdk-rc, sdk-basic, json, counts
    std::string sFile;
    std::string sAs;   // save --as OUT
    bool bNew = false; // save --as OUT --new
};

// Exit codes: 0 done (check: nothing would change), 1 a file error or (check)
// changes, 2 a usage error or a question the user did not answer Yes.
enum : int { wkExitOk = 0, wkExitFailed = 1, wkExitRefused = 2 };

extern const char* const gszCliUsage;

// Reads the arguments; false with a message in sError when they are not usable.
bool ParseCliArgs(int argc, const char* const* argv, tCliArgs& tArgs, std::string& sError);

// Runs one command; the generated text goes to pOut, messages to pErr.
int RunCli(const tCliArgs& tArgs, std::FILE* pOut, std::FILE* pErr);
