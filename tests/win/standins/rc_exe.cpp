// Plays RC.EXE: reports on standard output like the resource compiler and
// writes the .res file unless the script asks for an error.
#include "standin_common.h"

// Standard output byte for byte (it is the log file the program reads).
void Say(const std::string& s) {
    DWORD lWritten = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), s.data(), static_cast<DWORD>(s.size()), &lWritten,
              nullptr);
}

int main() {
    KeepCommandLine("rc_cmdline.txt");
    const std::string sScript = LastQuotedArg();
    const std::string sText = ReadWhole(sScript);
    if (sText.find("FAIL") != std::string::npos) {
        Say("app.rc(1) : error RC2104 : undefined keyword or key name: FAIL\r\n\r\n");
        return 1;
    }
    if (sText.find("WARN") != std::string::npos) {
        Say("app.rc(2) : warning RC4005 : redefinition\r\n\r\n");
    }
    std::ofstream f(WithExtension(sScript, ".res"), std::ios::binary);
    f << "RES " << sText;
    return 0;
}
