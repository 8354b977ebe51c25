// The file commands over a KVL file and its companion script made of any
// bytes: open, save, open again. Opening never writes; a save that fails or is
// declined leaves both files byte for byte as they were and no temporary file
// behind; a save that succeeds reads back to the same project.
#include "fuzz_checks.h"

#include "app/files/file_ops.h"
#include "app/files/file_state.h"
#include "model/fonts.h"
#include "model/path_rules.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "writers/save_text.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& t) {
    std::ifstream tIn(t, std::ios::binary);
    std::ostringstream tOut;
    tOut << tIn.rdbuf();
    return tOut.str();
}

void WriteAll(const fs::path& t, const std::string& s) {
    std::ofstream(t, std::ios::binary) << s;
}

const fs::path& Folder() {
    static const fs::path tDir = [] {
        fs::path t = fs::temp_directory_path() / ("wk_files_fuzz_" + std::to_string(getpid()));
        fs::create_directories(t);
        return t;
    }();
    // Registered after the folder's name is made, so that it runs before the
    // name is destroyed at the end of the run.
    static const bool bRemoveAtExit = std::atexit([] {
                                          std::error_code ec;
                                          fs::remove_all(Folder(), ec);
                                      }) == 0;
    (void)bRemoveAtExit;
    return tDir;
}

void ExpectNoLeftovers() {
    for (const fs::directory_entry& e : fs::directory_iterator(Folder())) {
        if (e.path().extension() == ".tmp") {
            std::abort(); // a temporary file outlived its save
        }
    }
}

void Close() {
    glChanged = 0;
    CloseFile();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t lSize) {
    LoadDesignerCatalogOnce();
    if (lSize == 0) {
        return 0;
    }
    // The first byte: bit 0 a Created marker and a #Resource line in front of
    // the KVL file, bit 1 a Created marker in front of the script. The rest is
    // the KVL file, then after "\x01RC\x01" the script.
    const uint8_t byMode = pData[0];
    const std::string sInput(reinterpret_cast<const char*>(pData + 1), lSize - 1);
    const std::size_t lSplit = sInput.find("\x01RC\x01");
    std::string sKvl = (byMode & 1) ? "#Wrenkit Created\r\n#Wrenkit Begin Includes \r\n"
                                      "#Resource \"a.kvr\"\r\n#Wrenkit End Includes\r\n"
                                    : "";
    sKvl += sInput.substr(0, lSplit);
    std::string sRC = (byMode & 2) ? "//#Wrenkit Created\r\n" : "";
    sRC += lSplit == std::string::npos ? std::string() : sInput.substr(lSplit + 4);
    const fs::path tBas = Folder() / "a.bas";
    const fs::path tRC = Folder() / "a.rc";
    WriteAll(tBas, sKvl);
    WriteAll(tRC, sRC);
    ResetDefaultFont();
    // The silent seam answers with the default button: Yes to reading a file
    // without markers, No to replacing a script and to "Save anyway?".
    if (OpenFile(tBas.string(), wkFileKvl)) {
        const tProjectCounts tRead = CountProject();
        glChanged = 1;
        const int32_t lSaved = SaveFile();
        ExpectNoLeftovers();
        if (!lSaved) {
            if (ReadAll(tBas) != sKvl || ReadAll(tRC) != sRC) {
                std::abort(); // a save that failed changed a file
            }
        } else {
            Close();
            if (!OpenFile(tBas.string(), wkFileKvl)) {
                std::abort(); // the designer's own file must open
            }
            ExpectSameCounts(tRead, CountProject(), "saved and opened again");
        }
    } else if (ReadAll(tBas) != sKvl || ReadAll(tRC) != sRC) {
        std::abort(); // opening wrote
    }
    Close();
    ClearFonts();
    return 0;
}
