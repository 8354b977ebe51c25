#include "readers/file_text.h"

#include "model/file_errors.h"
#include "model/user_seam.h"
#include "readers/source_text.h"

#include <cerrno>
#include <cstdio>
#include <new>
#include <sys/stat.h>

namespace {

int32_t Fail(int lErr, const std::string& sPath, std::string& sText) {
    sText.clear();
    ReportError(OpenErrorMessage(lErr, sPath));
    return 0;
}

} // namespace

int32_t FileExists(const std::string& sPath) {
    struct stat tStat {};
    return !sPath.empty() && stat(sPath.c_str(), &tStat) == 0 && S_ISREG(tStat.st_mode) ? 1 : 0;
}

int32_t ReadFileText(const std::string& sPath, std::string& sText) {
    sText.clear();
    struct stat tStat {};
    if (stat(sPath.c_str(), &tStat) != 0) {
        return Fail(FileErrorFromErrno(errno), sPath, sText);
    }
    if (!S_ISREG(tStat.st_mode)) {
        return Fail(75, sPath, sText); // a folder or a device is no source file
    }
    if (static_cast<int64_t>(tStat.st_size) > glMaxSourceBytes) {
        return Fail(7, sPath, sText);
    }
    std::FILE* pFile = std::fopen(sPath.c_str(), "rb");
    if (!pFile) {
        return Fail(FileErrorFromErrno(errno), sPath, sText);
    }
    int lErr = 0;
    try {
        char ab[65536];
        std::size_t n;
        while ((n = std::fread(ab, 1, sizeof ab, pFile)) > 0) {
            if (static_cast<int64_t>(sText.size() + n) > glMaxSourceBytes) {
                lErr = 7; // the file grew while it was read
                break;
            }
            sText.append(ab, n);
        }
        if (lErr == 0 && std::ferror(pFile)) {
            lErr = 57;
        }
    } catch (const std::bad_alloc&) {
        lErr = 7;
    }
    std::fclose(pFile);
    if (lErr != 0) {
        return Fail(lErr, sPath, sText);
    }
    return 1;
}

std::string ReadFileText(const std::string& sPath) {
    std::string sText;
    ReadFileText(sPath, sText);
    return sText;
}
