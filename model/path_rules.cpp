#include "model/path_rules.h"

#include "model/case_blind.h"

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
        c = UpperAscii(c);
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

std::string RelativeToSource(const std::string& sPath, const std::string& sSourcePath) {
    const std::string sDir = FolderOf(sSourcePath);
    if (sDir.empty() || !StartsWithNoCase(sPath, sDir)) {
        return sPath;
    }
    std::string sRest = sPath.substr(sDir.size());
    if (sRest.find('\\') != std::string::npos) {
        sRest = ".\\" + sRest;
    }
    return sRest;
}
