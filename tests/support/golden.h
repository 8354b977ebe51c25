// Long expected texts live in files under tests/data/, byte for byte, so that a
// change of the generated code shows as a diff of a file. After a deliberate
// change, WK_UPDATE_GOLDENS=1 rewrites the expected files from what the code
// produces now.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::filesystem::path GoldenPath(const std::string& sName) {
    return std::filesystem::path(WK_SOURCE_DIR) / "tests" / "data" / sName;
}

// sName is relative to tests/data ("writers/menu.kvl").
inline ::testing::AssertionResult MatchesGolden(const std::string& sName,
                                                const std::string& sActual) {
    const std::filesystem::path tPath = GoldenPath(sName);
    if (std::getenv("WK_UPDATE_GOLDENS") != nullptr) {
        std::ofstream(tPath, std::ios::binary) << sActual;
    }
    std::ifstream tIn(tPath, std::ios::binary);
    if (!tIn) {
        return ::testing::AssertionFailure() << "no golden file " << tPath;
    }
    std::ostringstream tText;
    tText << tIn.rdbuf();
    if (tText.str() == sActual) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << tPath << " differs; the text now written:\n" << sActual;
}
