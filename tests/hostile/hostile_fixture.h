// Damaged and hostile input for every reader: a clean project with the styles
// catalog and a default font, a seam that answers every question the same way
// and records the messages, and the runs of each reader over a text.
#pragma once

#include "model/fonts.h"
#include "model/options.h"
#include "model/project.h"
#include "model/table_index.h"
#include "model/user_seam.h"
#include "model/version_info.h"
#include "readers/import_detect.h"
#include "readers/kvl_reader.h"
#include "readers/rc_reader.h"
#include "readers/source_text.h"
#include "readers/vbform_reader.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "tests/support/scratch_folder.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

// Answers every question with lAnswer; keeps the messages.
class AnsweringSeam final : public UserSeam {
  public:
    explicit AnsweringSeam(int lAnswerAll) : lAnswer(lAnswerAll), pOld(SetSeam(this)) {}
    ~AnsweringSeam() override { SetSeam(pOld); }
    AnsweringSeam(const AnsweringSeam&) = delete;
    AnsweringSeam& operator=(const AnsweringSeam&) = delete;
    int Ask(const std::string& sText, WkButtons, WkIcon, int) override {
        asAsked.push_back(sText);
        return lAnswer;
    }
    void Report(const std::string& sText, WkIcon) override { asReported.push_back(sText); }
    void ShowStatus(const std::string&) override {}

    std::vector<std::string> asAsked;
    std::vector<std::string> asReported;

  private:
    int lAnswer;
    UserSeam* pOld;
};

class HostileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bSelfCheck = gbIndexSelfCheck;
        // The indexes are compared with the plain scans in the model's own
        // tests; here the inputs are too large for a scan per search.
        gbIndexSelfCheck = false;
        lMaxBefore = glMaxSourceBytes;
        LoadStylesCatalog();
        BuildControlDefaults();
        ResetOptions();
        Clean();
    }
    void TearDown() override {
        Clean();
        glMaxSourceBytes = lMaxBefore;
        gbIndexSelfCheck = bSelfCheck;
    }

    static void Clean() {
        ClearProject();
        ClearRCBlocks();
        CloseWorkFiles();
        CloseRCTexts();
        ResetVersionInfo();
        ClearFonts();
        AddFont(DefaultFontDescription());
        glChanged = 0;
    }

    // Every reader and the format detection over the text, each on a fresh
    // project; then the writers over what it read. A reader that refuses the
    // text says why; one that takes it leaves a project whose file, as the
    // designer writes it, reads back without a complaint.
    void ReadEveryWay(const std::string& sText) {
        AnsweringSeam tSeam(wkAnsYes);
        const int32_t lFormat = DetectFormat(sText);
        EXPECT_TRUE(lFormat >= wkFormatNone && lFormat <= wkFormatVBForm);
        for (int lWay = 0; lWay < 5; ++lWay) {
            Clean();
            const size_t lReportsBefore = tSeam.asReported.size();
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
                EXPECT_GT(tSeam.asReported.size(), lReportsBefore) << "way " << lWay;
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
        AnsweringSeam tStrict(wkAnsNo);
        Clean();
        EXPECT_EQ(LoadKVL(sKvl, 1, 0, std::string()), 1);
        EXPECT_TRUE(tStrict.asReported.empty() && tStrict.asAsked.empty())
            << (tStrict.asReported.empty() ? std::string() : tStrict.asReported[0]);
    }

  private:
    bool bSelfCheck = false;
    int64_t lMaxBefore = 0;
};
