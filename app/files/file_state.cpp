#include "app/files/file_state.h"

#include "writers/kvl_writer.h"

std::string gsCurrentFile;
int32_t glCurrentFileType = 0;
std::string gsSourceFolder;
uint64_t gftSourceTime = 0;
uint64_t gftRCTime = 0;
int32_t glSourceFileOpen = 0;
int32_t glRCFileOpen = 0;

tFileHooks gtFileHooks{};

void SetCurrentFile(const std::string& sPath, int32_t lType) {
    gsCurrentFile = sPath;
    glCurrentFileType = sPath.empty() ? 0 : lType;
    // The #Resource line of the generated text names the companion of this file.
    gsKvlFilePath = sPath;
    if (sPath.empty()) {
        gftSourceTime = 0;
        gftRCTime = 0;
    }
}
