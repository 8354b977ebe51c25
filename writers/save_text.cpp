#include "writers/save_text.h"

#include "model/file_errors.h"
#include "model/user_seam.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
int ErrorNumber(const std::error_code& ec) {
    // The portable condition carries an errno value on every platform.
    return FileErrorFromErrno(ec.default_error_condition().value());
}
#endif

// A file name beside the target that does not exist yet.
fs::path TempPathBeside(const fs::path& tTarget) {
    for (int n = 0; n < 1000; ++n) {
        fs::path t = tTarget;
        t += ".wk" + std::to_string(n) + ".tmp";
        std::error_code ec;
        if (fs::symlink_status(t, ec).type() == fs::file_type::not_found) {
            return t;
        }
    }
    return fs::path();
}

// Writes the whole text as fnMake hands it out; 0 on success, else the runtime
// error number. After a failed write the remaining pieces are not written.
int WriteWhole(const fs::path& tPath, const std::function<void(const TextPut&)>& fnMake) {
    errno = 0;
    std::FILE* pFile = std::fopen(tPath.string().c_str(), "wb");
    if (!pFile) {
        return FileErrorFromErrno(errno ? errno : ENOENT);
    }
    int lErr = 0;
    try {
        fnMake([&](std::string_view sPiece) {
            if (lErr == 0 && !sPiece.empty() &&
                std::fwrite(sPiece.data(), 1, sPiece.size(), pFile) != sPiece.size()) {
                lErr = FileErrorFromErrno(errno ? errno : EIO);
            }
        });
    } catch (...) {
        std::fclose(pFile); // closed, so that the unfinished file can be removed
        throw;
    }
    if (std::fflush(pFile) != 0 && lErr == 0) {
        lErr = FileErrorFromErrno(errno ? errno : EIO);
    }
    if (std::fclose(pFile) != 0 && lErr == 0) {
        lErr = FileErrorFromErrno(errno ? errno : EIO);
    }
    return lErr;
}

// Puts the complete new file in the old one's place in one step.
int ReplaceWith(const fs::path& tTemp, const fs::path& tTarget) {
#ifdef _WIN32
    // rename() refuses an existing target on Windows; the library's rename replaces it.
    std::error_code ec;
    fs::rename(tTemp, tTarget, ec);
    return ec ? ErrorNumber(ec) : 0;
#else
    errno = 0;
    if (std::rename(tTemp.string().c_str(), tTarget.string().c_str()) != 0) {
        return FileErrorFromErrno(errno ? errno : EIO);
    }
    return 0;
#endif
}

} // namespace

int32_t SaveTextToFile(const std::string& sText, const std::string& sPath) {
    return SaveTextPiecesToFile([&](const TextPut& fnPut) { fnPut(sText); }, sPath);
}

int32_t SaveTextPiecesToFile(const std::function<void(const TextPut&)>& fnMake,
                             const std::string& sPath) {
    std::error_code ec;
    fs::path tTemp;
    int lErr = 0;
    try {
        fs::path tTarget(sPath);
        // A link is saved through: the file it names is replaced, the link stays.
        if (fs::is_symlink(fs::symlink_status(tTarget, ec))) {
            fs::path tReal = fs::canonical(tTarget, ec);
            if (!ec) {
                tTarget = tReal;
            }
        }
        tTemp = sPath.empty() ? fs::path() : TempPathBeside(tTarget);
        lErr = tTemp.empty() ? 75 : WriteWhole(tTemp, fnMake); // 75: no free name beside the file
        if (lErr == 0) {
            // The new file keeps the old one's permissions.
            fs::file_status tOld = fs::status(tTarget, ec);
            if (!ec && fs::exists(tOld)) {
                fs::permissions(tTemp, tOld.permissions(), ec);
            }
            lErr = ReplaceWith(tTemp, tTarget);
        }
    } catch (...) {
        lErr = 75; // a path the system cannot represent, or no memory left
    }
    if (lErr == 0) {
        return 1;
    }
    if (!tTemp.empty()) {
        // A copied read-only attribute would keep the leftover from being removed.
        fs::permissions(tTemp, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove(tTemp, ec);
    }
    ReportError(SaveErrorMessage(lErr, sPath));
    return 0;
}
