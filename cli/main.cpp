// wrenkit-cli: opens files as the designer does and writes what it would write.
#include "cli/cli_app.h"

#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Generated text is bytes with CR LF line ends: no translation on the way out.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(gszCliUsage, stdout);
            return wkExitOk;
        }
    }
    tCliArgs tArgs;
    std::string sError;
    if (!ParseCliArgs(argc, argv, tArgs, sError)) {
        std::fprintf(stderr, "wrenkit-cli: %s\n\n%s", sError.c_str(), gszCliUsage);
        return wkExitRefused;
    }
    return RunCli(tArgs, stdout, stderr);
}
