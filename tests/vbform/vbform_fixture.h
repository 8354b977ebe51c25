// A clean project with the styles catalog loaded and a recording seam.
#pragma once

#include "tests/support/recording_seam.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

#include <string>

class FormTest : public ::testing::Test {
  protected:
    void SetUp() override { StartProject(); }
    void TearDown() override { StartProject(); }

    static std::string IDName(int32_t lIDElem) { return gatID[lIDElem].szIDName.str(); }

    RecordingSeam tSeam;
};
