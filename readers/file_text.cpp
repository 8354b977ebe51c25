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

int32_t Fail(int lErr, const std::string& sPath, std::string& sText) {
    sText.clear();
    ReportError(OpenErrorMessage(lErr, sPath));
    return 0;
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
    sText.clear();
    // The size is asked with 64 bits: a file beyond the 32-bit block positions
    // is refused before a byte of it is read.
    const std::filesystem::path tPath(sPath);
    std::error_code ec;
    const std::filesystem::file_status tStatus = std::filesystem::status(tPath, ec);
    if (ec || !std::filesystem::exists(tStatus)) {
        return Fail(ec ? ErrorOf(ec) : 53, sPath, sText);
    }
    if (!std::filesystem::is_regular_file(tStatus)) {
        return Fail(75, sPath, sText); // a folder or a device is no source file
    }
    const std::uintmax_t lSize = std::filesystem::file_size(tPath, ec);
    if (ec) {
        return Fail(ErrorOf(ec), sPath, sText);
    }
    if (lSize > static_cast<std::uintmax_t>(glMaxSourceBytes)) {
        return Fail(7, sPath, sText);
    }
    std::FILE* pFile = std::fopen(sPath.c_str(), "rb");
    if (!pFile) {
        return Fail(FileErrorFromErrno(errno), sPath, sText);
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
        return Fail(lErr, sPath, sText);
    }
    return 1;
}

std::string ReadFileText(const std::string& sPath) {
    std::string sText;
    ReadFileText(sPath, sText);
    return sText;
}
