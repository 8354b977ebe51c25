// A fresh settings file per test in the temporary folder. The suite runs
// natively against the INI implementation and under Wine against the real
// private-profile functions, so it only uses portable file code.
#pragma once

#include "app/settings/settings.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override { NextFile(); }
    void TearDown() override {
        SetSettingsPath(std::string());
        std::error_code tErr;
        std::filesystem::remove(sPath, tErr);
    }
    // Another fresh file. A file that the real functions have read must not be
    // rewritten behind their back: they cache it by name and last-write time,
    // and two writes within one clock tick look the same.
    void NextFile() {
        std::error_code tErr;
        if (!sPath.empty()) {
            std::filesystem::remove(sPath, tErr);
        }
        const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
        sPath = tScratch.File(std::string(pInfo->test_suite_name()) + "_" + pInfo->name() + "_" +
                              std::to_string(++lFileNo) + ".ini");
        std::filesystem::remove(sPath, tErr);
        SetSettingsPath(sPath);
    }
    void WriteFile(const std::string& sText) const { WriteAll(sPath, sText); }
    std::string ReadFile() const { return ReadAll(sPath); }

    ScratchFolder tScratch{"wk_settings"};
    std::string sPath;
    int lFileNo = 0;
};
