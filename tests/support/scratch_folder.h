// A folder of its own under the temporary folder for one test: a new name on
// every run, so that two build trees testing on the same machine at the same
// time (or a run left behind by a crash) never share a file. Removed again
// when the test is over, unless it failed: then its files are there to look at.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& sTag = "wk") {
        std::random_device tRandom;
        std::error_code tErr;
        const std::filesystem::path tBase = std::filesystem::temp_directory_path(tErr);
        // The clock as well: a random device may repeat itself between processes.
        const auto lTicks = std::chrono::steady_clock::now().time_since_epoch().count();
        do {
            tPath = tBase / (sTag + "_" + std::to_string(lTicks) + "_" + std::to_string(tRandom()));
        } while (!std::filesystem::create_directory(tPath, tErr) && !tErr);
    }
    ~ScratchFolder() {
        if (::testing::Test::HasFailure()) {
            return;
        }
        std::error_code tErr;
        std::filesystem::permissions(tPath, std::filesystem::perms::all, tErr);
        std::filesystem::remove_all(tPath, tErr);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return tPath; }
    // The path of a file in the folder.
    std::string File(const std::string& sName) const { return (tPath / sName).string(); }

  private:
    std::filesystem::path tPath;
};
