#include "app/files/file_paths.h"

#include <cctype>

namespace {

// Where the file name begins: after the last "\", "/" or drive colon.
std::size_t NameStart(const std::string& sPath) {
    const std::size_t l = sPath.find_last_of("\\/:");
    return l == std::string::npos ? 0 : l + 1;
}

// The position of the extension's "." within the file name, npos when none.
std::size_t ExtensionDot(const std::string& sPath) {
    const std::size_t lDot = sPath.rfind('.');
    if (lDot == std::string::npos || lDot < NameStart(sPath)) {
        return std::string::npos;
    }
    return lDot;
}

} // namespace

std::string FileExtension(const std::string& sPath) {
    const std::size_t lDot = ExtensionDot(sPath);
    if (lDot == std::string::npos) {
        return std::string();
    }
    std::string sExt = sPath.substr(lDot);
    for (char& c : sExt) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return sExt;
}

int32_t FileTypeOf(const std::string& sPath) {
    const std::string sExt = FileExtension(sPath);
    if (sExt == ".BAS" || sExt == ".BI" || sExt == ".INC") {
        return wkFileKvl;
    }
    if (sExt == ".RC" || sExt == ".DLG" || sExt == ".H") {
        return wkFileRC;
    }
    if (sExt == ".FRM") {
        return wkFileForm;
    }
    return wkFileNone;
}

std::string ReplaceExtension(const std::string& sPath, const std::string& sExt) {
    const std::size_t lDot = ExtensionDot(sPath);
    return (lDot == std::string::npos ? sPath : sPath.substr(0, lDot)) + sExt;
}

std::string CompanionPath(const std::string& sPath) {
    return ReplaceExtension(sPath, ".rc");
}

std::string FolderOf(const std::string& sPath) {
    return sPath.substr(0, NameStart(sPath));
}
