// A clean project with the styles catalog loaded, for the resource-script
// reader and writer tests; status texts and messages go to a recording seam.
#pragma once

#include "tests/support/file_bytes.h"
#include "tests/support/recording_seam.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

#include <string>

class RcTest : public ::testing::Test {
  protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() { StartProject(); }

    RecordingSeam tSeam;
};
