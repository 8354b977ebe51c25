// A clean project for the file commands: the writers' example builders, a
// recording seam, a fresh temporary folder, and hooks that record what the
// file commands ask of the window layer.
#pragma once

#include "app/files/file_ops.h"
#include "app/files/file_state.h"
#include "app/files/import_results.h"
#include "model/path_rules.h"
#include "tests/support/file_bytes.h"
#include "tests/support/recording_seam.h"
#include "tests/support/scratch_folder.h"
#include "tests/writers/writer_fixture.h"

#include <filesystem>
#include <string>
#include <vector>

class FilesTest : public WriterTest {
  protected:
    void SetUp() override {
        WriterTest::SetUp();
        gpThis = this;
        gtFileHooks = tFileHooks{};
        gtFileHooks.pfnAskSaveName = [] { return gpThis->sSaveName; };
        gtFileHooks.pfnSetTitle = [](const std::string& s) { gpThis->asTitles.push_back(s); };
        gtFileHooks.pfnAddRecentFile = [](const std::string& s) { gpThis->asRecent.push_back(s); };
        gtFileHooks.pfnCompileResources = [](const std::string& s) {
            gpThis->asCompiled.push_back(s);
            return int32_t{1};
        };
        gtFileHooks.pfnShowResults = [](const std::string& sLabels, const std::string& sNumbers) {
            gpThis->asResults.push_back(sLabels + "|" + sNumbers);
        };
    }

    void TearDown() override {
        {
            RecordingSeam tQuiet;
            glChanged = 0;
            CloseFile();
        }
        gtFileHooks = tFileHooks{};
        WriterTest::TearDown();
    }

    std::string PathOf(const std::string& sName) const { return (tDir / sName).string(); }

    // Another program writes the file: its time moves by lSeconds.
    static void Touch(const std::string& sPath, int lSeconds) {
        const auto t = std::filesystem::last_write_time(sPath);
        std::filesystem::last_write_time(sPath, t + std::chrono::seconds(lSeconds));
    }

    inline static FilesTest* gpThis = nullptr;
    ScratchFolder tScratch{"wk_files"};
    const std::filesystem::path tDir = tScratch.Path();
    std::string sSaveName;
    std::vector<std::string> asTitles;
    std::vector<std::string> asRecent;
    std::vector<std::string> asCompiled;
    std::vector<std::string> asResults;
};
