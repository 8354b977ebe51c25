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
    // project; then the writers over what the last one read.
    void ReadEveryWay(const std::string& sText) {
        AnsweringSeam tSeam(wkAnsYes);
        (void)DetectFormat(sText);
        Clean();
        (void)LoadKVL(sText, 1, 0, std::string());
        WriteBack();
        Clean();
        (void)LoadKVL(sText, 1, 1, std::string());
        Clean();
        (void)LoadRC(sText, 1, 0, std::string());
        WriteBack();
        Clean();
        (void)LoadRC(sText, 1, 1, std::string());
        Clean();
        (void)LoadVBForm(sText, 1);
        WriteBack();
        Clean();
    }

    // The writers must cope with whatever a reader left.
    static void WriteBack() {
        glAsNew = 1;
        (void)BuildNewKvlFile();
        (void)BuildFullRCFile();
        glAsNew = 0;
        (void)BuildKvlFile(false);
        (void)BuildRCFile(false);
    }

  private:
    bool bSelfCheck = false;
    int64_t lMaxBefore = 0;
};
