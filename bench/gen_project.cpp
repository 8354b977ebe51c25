// wk_genproject: writes a synthetic whole-application project at a given size,
// as a resource script (NAME.rc with its style header NAME_styles.h) and as
// the KVL file the designer writes for it (NAME_app.bas with its companion
// script NAME_app.rc), for the benchmarks and the size tests.
//
//   wk_genproject small|medium|large|DIALOGSxCONTROLS OUTDIR [NAME]
//
// small 10 x 20, medium 200 x 50, large 1000 x 100 controls; every ID has a
// #define, and the project has menus, accelerator tables, a string table and
// version information. The script also compiles with the usual resource
// compilers: the style constants come from the header, which the designer's
// reader skips (it knows the names from its catalog).
#include "bench/gen_project.h"

#include "cli/cli_app.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wk_genproject small|medium|large|DxC OUTDIR [NAME]\n");
        return 2;
    }
    int32_t lDialogs = 0;
    int32_t lControls = 0;
    if (!GenSize(argv[1], lDialogs, lControls)) {
        std::fprintf(stderr, "wk_genproject: unknown size %s\n", argv[1]);
        return 2;
    }
    const std::string sDir = argv[2];
    const std::string sName = argc > 3 ? argv[3] : argv[1];
    const std::string sRC = sDir + "/" + sName + ".rc";
    {
        std::ofstream tHeader(sDir + "/" + sName + "_styles.h", std::ios::binary);
        tHeader << GenStylesHeader();
        std::ofstream tOut(sRC, std::ios::binary);
        tOut << GenResourceScript(lDialogs, lControls, sName + "_styles.h");
        if (!tOut || !tHeader) {
            std::fprintf(stderr, "wk_genproject: cannot write to %s\n", sDir.c_str());
            return 1;
        }
    }
    // The KVL project: the script opened and saved as KVL, as the designer does.
    tCliArgs tArgs;
    tArgs.bYes = true;
    tArgs.sCommand = "save";
    tArgs.sFile = sRC;
    tArgs.sAs = sDir + "/" + sName + "_app.bas";
    return RunCli(tArgs, stdout, stderr);
}
