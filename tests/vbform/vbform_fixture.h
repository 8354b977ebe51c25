// A clean project with the styles catalog loaded, a recording seam, and
// helpers to find what a form turned into.
#pragma once

#include "tests/support/recording_seam.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

#include <string>

class FormTest : public ::testing::Test {
  protected:
    void SetUp() override { StartProject(); }
    void TearDown() override { StartProject(); }

    // The live gatDlg row whose ID has this name; 0 when none.
    static int32_t RowByName(const std::string& sIDName) {
        return FindDlgRowByID(FindIDByName(sIDName));
    }
    static std::string Caption(int32_t lRow) { return GetDynStr(gatDlg[lRow].lCaptionElem); }
    static std::string IDName(int32_t lIDElem) { return gatID[lIDElem].szIDName.str(); }

    RecordingSeam tSeam;
};
