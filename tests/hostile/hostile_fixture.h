// Damaged and hostile input for every reader: a clean project with the styles
// catalog and a default font, and the runs of each reader over a text (with a
// seam that answers every question the same way and records the messages).
#pragma once

#include "model/table_index.h"
#include "readers/import_detect.h"
#include "readers/kvl_reader.h"
#include "readers/vbform_reader.h"
#include "tests/support/recording_seam.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/start_up.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

class HostileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bSelfCheck = gbIndexSelfCheck;
        // The indexes are compared with the plain scans in the model's own
        // tests; here the inputs are too large for a scan per search.
        gbIndexSelfCheck = false;
        Clean();
    }
    void TearDown() override {
        Clean();
        gbIndexSelfCheck = bSelfCheck;
    }

    static void Clean() { StartProject(); }

    // Every reader and the format detection over the text, each on a fresh
    // project; then the writers over what it read. A reader that refuses the
    // text says why; one that takes it leaves a project whose file, as the
    // designer writes it, reads back without a complaint.
    void ReadEveryWay(const std::string& sText) {
        RecordingSeam tSeam(wkAnsYes);
        const int32_t lFormat = DetectFormat(sText);
        EXPECT_TRUE(lFormat >= wkFormatNone && lFormat <= wkFormatVBForm);
        for (int lWay = 0; lWay < 5; ++lWay) {
            Clean();
            const size_t lReportsBefore = tSeam.Reports().size();
            int32_t lRead = 0;
            switch (lWay) {
            case 0:
                lRead = LoadKVL(sText, 1, 0, std::string());
                break;
            case 1:
                lRead = LoadKVL(sText, 1, 1, std::string());
                break;
            case 2:
                lRead = LoadRC(sText, 1, 0, std::string());
                break;
            case 3:
                lRead = LoadRC(sText, 1, 1, std::string());
                break;
            default:
                (void)LoadVBForm(sText, 1); // 0 for a text without a form, no message
                lRead = 1;
            }
            if (!lRead) {
                EXPECT_GT(tSeam.Reports().size(), lReportsBefore) << "way " << lWay;
                continue;
            }
            WriteBack();
        }
        Clean();
    }

    // The writers must cope with whatever a reader left, and the designer's
    // own new file must read again without a message.
    static void WriteBack() {
        gtDoc.lAsNew = 1;
        const std::string sKvl = BuildNewKvlFile(gtDoc, tWriteLayout{});
        (void)BuildFullRCFile(tWriteLayout{});
        gtDoc.lAsNew = 0;
        (void)BuildKvlFile(gtDoc, tWriteLayout{}, false);
        (void)BuildRCFile(gtDoc, tWriteLayout{}, false);
        RecordingSeam tStrict; // a question fails the test
        Clean();
        EXPECT_EQ(LoadKVL(sKvl, 1, 0, std::string()), 1);
        EXPECT_EQ(tStrict.Reports(), std::vector<std::string>());
    }

  private:
    bool bSelfCheck = false;
};
