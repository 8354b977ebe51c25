#include "app/files/file_state.h"

#include "model/document.h"

int32_t glSourceFileOpen = 0;
int32_t glRCFileOpen = 0;

tFileHooks gtFileHooks{};

void SetCurrentFile(const std::string& sPath, int32_t lType) {
    gtDoc.sPath = sPath;
    gtDoc.lFileType = sPath.empty() ? 0 : lType;
    if (sPath.empty()) {
        gtDoc.ftSource = 0;
        gtDoc.ftRC = 0;
    }
}
