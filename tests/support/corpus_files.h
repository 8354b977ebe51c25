// The real files the tests read: the ones whose licence lets the project carry
// them live in tests/corpus/, the others are read in place from the shared
// corpus when this machine has it (a plain clone of the project passes
// without them; the tests that need them say why they were skipped).
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

inline std::string ProjectCorpusDir() {
    return std::string(WK_SOURCE_DIR) + "/tests/corpus";
}

inline bool SharedCorpusPresent() {
    std::error_code tErr;
    return std::filesystem::is_directory(std::string(WK_CORPUS_DIR) + "/rc", tErr);
}

// The reason a test gives when it needs a file of the shared corpus only.
inline const char* SharedCorpusMissing() {
    return "the shared corpus (files of unstated licence) is not on this machine; "
           "set -DWRENKIT_CORPUS_DIR to run this case";
}

// The path of a corpus file of the kind folder szKind ("rc" or "frm"): the
// project's copy first, else the shared one ("" when neither has it).
inline std::string CorpusPath(const std::string& sKind, const std::string& sName) {
    std::error_code tErr;
    for (const std::string& sDir : {ProjectCorpusDir(), std::string(WK_CORPUS_DIR)}) {
        const std::string sPath = sDir + "/" + sKind + "/" + sName;
        if (std::filesystem::is_regular_file(sPath, tErr)) {
            return sPath;
        }
    }
    return std::string();
}

// Every corpus file of a kind folder, each name once, sorted by name.
inline std::vector<std::string> CorpusPaths(const std::string& sKind) {
    std::vector<std::string> asNames;
    std::error_code tErr;
    for (const std::string& sDir : {ProjectCorpusDir(), std::string(WK_CORPUS_DIR)}) {
        const std::filesystem::path tDir = sDir + "/" + sKind;
        if (!std::filesystem::is_directory(tDir, tErr)) {
            continue;
        }
        for (const auto& tEntry : std::filesystem::directory_iterator(tDir, tErr)) {
            asNames.push_back(tEntry.path().filename().string());
        }
    }
    std::sort(asNames.begin(), asNames.end());
    asNames.erase(std::unique(asNames.begin(), asNames.end()), asNames.end());
    std::vector<std::string> asPaths;
    for (const std::string& sName : asNames) {
        asPaths.push_back(CorpusPath(sKind, sName));
    }
    return asPaths;
}
