// Plays KVRES.EXE: turns the .res file into a .kvr file, unless the .res
// carries "NOKVR" (a converter that fails without saying so).
#include "standin_common.h"

int main() {
    KeepCommandLine("kvres_cmdline.txt");
    const std::string sRes = LastQuotedArg();
    const std::string sText = ReadWhole(sRes);
    if (sText.empty() || sText.find("NOKVR") != std::string::npos) {
        return 1;
    }
    std::ofstream f(WithExtension(sRes, ".kvr"), std::ios::binary);
    f << "KVR " << sText;
    return 0;
}
