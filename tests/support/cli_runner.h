// The command-line tool run in-process as a user runs it, with the file
// helpers that the tests of its commands share.
#pragma once

#include "cli/cli_app.h"
#include "tests/support/file_bytes.h"

#include <cstdio>
#include <string>
#include <vector>

// Everything written to a temporary file; the file is closed.
inline std::string Drain(std::FILE* pFile) {
    std::rewind(pFile);
    std::string s;
    char ac[4096];
    while (size_t n = std::fread(ac, 1, sizeof(ac), pFile)) {
        s.append(ac, n);
    }
    std::fclose(pFile);
    return s;
}

struct tCliRun {
    int lExit;
    std::string sOut;
    std::string sErr;
    bool bParsed; // the arguments were understood (else sErr says why)
};

// Runs "wrenkit-cli" with asArgs. Standard output goes to pOut when given
// (sOut then stays empty) and is captured otherwise.
inline tCliRun RunCliArgs(std::vector<std::string> asArgs, std::FILE* pOut = nullptr) {
    asArgs.insert(asArgs.begin(), "wrenkit-cli");
    std::vector<const char*> apArg;
    for (const std::string& s : asArgs) {
        apArg.push_back(s.c_str());
    }
    tCliArgs tArgs;
    std::string sError;
    if (!ParseCliArgs(static_cast<int>(apArg.size()), apArg.data(), tArgs, sError)) {
        return {wkExitRefused, "", sError, false};
    }
    std::FILE* pErr = std::tmpfile();
    std::FILE* pOwnOut = pOut ? nullptr : std::tmpfile();
    const int lExit = RunCli(tArgs, pOut ? pOut : pOwnOut, pErr);
    return {lExit, pOwnOut ? Drain(pOwnOut) : std::string(), Drain(pErr), true};
}
