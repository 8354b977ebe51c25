#include "readers/file_text.h"

#include "model/file_errors.h"
#include "model/large_pages.h"
#include "model/user_seam.h"
#include "readers/source_text.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

namespace {

int32_t Fail(int lErr, std::string& sText) {
    sText.clear();
    return lErr;
}

} // namespace

// The runtime's error number of a failed file-system query.
static int ErrorOf(const std::error_code& ec) {
    const std::error_condition c = ec.default_error_condition();
    if (c == std::errc::no_such_file_or_directory) {
        return 53;
    }
    if (c == std::errc::not_a_directory) {
        return 76;
    }
    if (c == std::errc::permission_denied || c == std::errc::operation_not_permitted) {
        return 70;
    }
    return 75;
}

int32_t FileExists(const std::string& sPath) {
    std::error_code ec;
    return !sPath.empty() && std::filesystem::is_regular_file(std::filesystem::path(sPath), ec) ? 1
                                                                                                : 0;
}

int32_t ReadFileText(const std::string& sPath, std::string& sText) {
    const int32_t lErr = FileTextError(sPath, sText);
    if (lErr != 0) {
        ReportError(OpenErrorMessage(lErr, sPath));
        return 0;
    }
    return 1;
}

int32_t FileTextError(const std::string& sPath, std::string& sText) {
    sText.clear();
    // The size is asked with 64 bits: a file beyond the 32-bit block positions
    // is refused before a byte of it is read.
    const std::filesystem::path tPath(sPath);
    std::error_code ec;
    const std::filesystem::file_status tStatus = std::filesystem::status(tPath, ec);
    if (ec || !std::filesystem::exists(tStatus)) {
        return Fail(ec ? ErrorOf(ec) : 53, sText);
    }
    if (!std::filesystem::is_regular_file(tStatus)) {
        // A folder, a pipe or a device is no source file; a pipe is never
        // opened, as reading it would wait for a writer that may never come.
        return Fail(75, sText);
    }
    const std::uintmax_t lSize = std::filesystem::file_size(tPath, ec);
    if (ec) {
        return Fail(ErrorOf(ec), sText);
    }
    if (lSize > static_cast<std::uintmax_t>(glMaxSourceBytes)) {
        return Fail(7, sText);
    }
    std::FILE* pFile = std::fopen(sPath.c_str(), "rb");
    if (!pFile) {
        return Fail(FileErrorFromErrno(errno), sText);
    }
    int lErr = 0;
    try {
        // Room for the whole file at once: a text grown by appending is copied
        // again at every doubling.
        sText.reserve(static_cast<std::size_t>(lSize));
        AdviseLargePages(sText.data(), sText.capacity());
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
        return Fail(lErr, sText);
    }
    return 0;
}

std::string ReadFileText(const std::string& sPath) {
    std::string sText;
    ReadFileText(sPath, sText);
    return sText;
}
