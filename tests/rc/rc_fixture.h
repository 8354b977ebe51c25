// A clean project with the styles catalog loaded, for the resource-script
// reader and writer tests; status texts and messages go to a recording seam.
#pragma once

#include "model/fonts.h"
#include "model/options.h"
#include "model/project.h"
#include "model/version_info.h"
#include "readers/rc_reader.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "tests/support/recording_seam.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

class RcTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static bool bBuilt = false;
        if (!bBuilt) {
            ClearProject();
            gasDynStr.Release();
            glDynStrBase = 0;
            LoadStylesCatalog();
            BuildControlDefaults();
            bBuilt = true;
        }
    }
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

    static void Reset() {
        ClearProject();
        ClearRCBlocks();
        CloseRCTexts();
        CloseWorkFiles();
        ResetVersionInfo();
        ClearFonts();
        ResetOptions();
        tFontDesc tDefault{};
        tDefault.szFontName = "MS Sans Serif";
        tDefault.fFontSize = 8;
        tDefault.lWeight = 400;
        AddFont(tDefault);
        gpfnRCImportCopyWanted = nullptr;
    }

    static std::string ReadFile(const std::string& sPath) {
        std::ifstream f(sPath, std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        return ss.str();
    }

    // The text of a row's caption.
    static std::string Caption(int32_t lRow) { return GetDynStr(gatDlg[lRow].lCaptionElem); }
    static std::string IDOf(int32_t lIDElem) { return gatID[lIDElem].szIDName.str(); }

    RecordingSeam tSeam;
};
