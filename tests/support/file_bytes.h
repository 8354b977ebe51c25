// Whole files as bytes, for the tests that put files on disk and read what the
// program wrote there.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string ReadAll(const std::filesystem::path& tPath) {
    std::ifstream tIn(tPath, std::ios::binary);
    std::ostringstream tOut;
    tOut << tIn.rdbuf();
    return tOut.str();
}

inline void WriteAll(const std::filesystem::path& tPath, const std::string& sText) {
    std::ofstream(tPath, std::ios::binary) << sText;
}
