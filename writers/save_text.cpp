#include "writers/save_text.h"

#include "model/file_errors.h"
#include "model/user_seam.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

void (*gpfnAfterCommit)(const std::string& sTarget) = nullptr;

namespace {

#ifdef _WIN32
int ErrorNumber(const std::error_code& ec) {
    // The portable condition carries an errno value on every platform.
    return FileErrorFromErrno(ec.default_error_condition().value());
}
#endif

// The file a save replaces: a link is saved through, the link stays.
fs::path FinalTarget(const std::string& sPath) {
    fs::path tTarget(sPath);
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(tTarget, ec))) {
        fs::path tReal = fs::canonical(tTarget, ec);
        if (!ec) {
            tTarget = tReal;
        }
    }
    return tTarget;
}

// Removes a temporary file, even one that took over a read-only mode.
void RemoveTemp(const fs::path& tTemp) {
    std::error_code ec;
    if (fs::symlink_status(tTemp, ec).type() == fs::file_type::not_found) {
        return;
    }
    fs::permissions(tTemp, fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove(tTemp, ec);
}

// Earlier versions named their temporary files NAME.wk0.tmp, NAME.wk1.tmp...:
// the leftovers of such saves go too.
void RemoveOldLeftovers(const fs::path& tTarget) {
    for (int n = 0; n < 1000; ++n) {
        fs::path t = tTarget;
        t += ".wk" + std::to_string(n) + ".tmp";
        std::error_code ec;
        if (!fs::is_regular_file(fs::symlink_status(t, ec))) {
            return;
        }
        RemoveTemp(t);
    }
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

int32_t Failed(int lErr, const std::string& sPath) {
    ReportError(SaveErrorMessage(lErr, sPath));
    return 0;
}

} // namespace

tPendingFile::~tPendingFile() {
    if (!sTemp.empty()) {
        RemoveTemp(fs::path(sTemp));
    }
}

std::string PendingPathOf(const std::string& sTarget) {
    return sTarget + ".wk.tmp";
}

int32_t SaveTargetError(const std::string& sPath) {
    if (sPath.empty()) {
        return 75;
    }
    try {
        std::error_code ec;
        const fs::file_status tStatus = fs::status(FinalTarget(sPath), ec);
        if (tStatus.type() == fs::file_type::not_found) {
            return 0;
        }
        if (ec || tStatus.type() != fs::file_type::regular) {
            return 75; // a folder, a pipe or a device is never replaced by a file
        }
        // The mode, not the right to write: an administrator may write any
        // file, but a file marked read-only was marked so by its owner.
        if ((tStatus.permissions() & fs::perms::owner_write) == fs::perms::none) {
            return 70;
        }
    } catch (...) {
        return 75; // a path the system cannot represent
    }
    return 0;
}

int32_t WritePendingFile(tPendingFile& tFile, const std::string& sPath,
                         const std::function<void(const TextPut&)>& fnMake) {
    if (!tFile.sTemp.empty()) {
        RemoveTemp(fs::path(tFile.sTemp));
    }
    tFile.sPath = sPath;
    tFile.sTemp.clear();
    tFile.sFinal.clear();
    if (int32_t lErr = SaveTargetError(sPath)) {
        return Failed(lErr, sPath);
    }
    fs::path tTemp;
    int lErr = 0;
    try {
        const fs::path tTarget = FinalTarget(sPath);
        tTemp = fs::path(PendingPathOf(tTarget.string()));
        RemoveTemp(tTemp);
        RemoveOldLeftovers(tTarget);
        lErr = WriteWhole(tTemp, fnMake);
        if (lErr == 0) {
            // The new file keeps the old one's permissions.
            std::error_code ec;
            fs::file_status tOld = fs::status(tTarget, ec);
            if (!ec && fs::exists(tOld)) {
                fs::permissions(tTemp, tOld.permissions(), ec);
            }
            tFile.sTemp = tTemp.string();
            tFile.sFinal = tTarget.string();
        }
    } catch (...) {
        lErr = 75; // a path the system cannot represent, or no memory left
    }
    if (lErr == 0) {
        return 1;
    }
    if (!tTemp.empty()) {
        RemoveTemp(tTemp);
    }
    return Failed(lErr, sPath);
}

int32_t CommitPendingFile(tPendingFile& tFile) {
    if (tFile.sTemp.empty()) {
        return Failed(75, tFile.sPath);
    }
    int lErr = 75;
    try {
        lErr = ReplaceWith(fs::path(tFile.sTemp), fs::path(tFile.sFinal));
    } catch (...) {
    }
    if (lErr != 0) {
        RemoveTemp(fs::path(tFile.sTemp));
        tFile.sTemp.clear();
        return Failed(lErr, tFile.sPath);
    }
    tFile.sTemp.clear();
    if (gpfnAfterCommit) {
        gpfnAfterCommit(tFile.sPath);
    }
    return 1;
}

int32_t SaveTextToFile(const std::string& sText, const std::string& sPath) {
    return SaveTextPiecesToFile([&](const TextPut& fnPut) { fnPut(sText); }, sPath);
}

int32_t SaveTextPiecesToFile(const std::function<void(const TextPut&)>& fnMake,
                             const std::string& sPath) {
    tPendingFile tFile;
    return WritePendingFile(tFile, sPath, fnMake) && CommitPendingFile(tFile) ? 1 : 0;
}
