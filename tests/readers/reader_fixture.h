// A clean project as at start-up (styles catalog, control defaults, the default
// font as element 1), no file loaded, and a recording seam for the messages.
#pragma once

#include "model/options.h"
#include "model/project.h"
#include "readers/kvl_reader.h"
#include "readers/metastatements.h"
#include "readers/source_text.h"
#include "readers/work_files.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "tests/model/model_fixture.h"
#include "tests/support/recording_seam.h"

#include <string>
#include <string_view>
#include <vector>

class ReaderTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        LoadStylesCatalog();
        BuildControlDefaults();
        tFontDesc tDefault{};
        tDefault.szFontName = "MS Sans Serif";
        tDefault.fFontSize = 8;
        tDefault.lWeight = 400;
        AddFont(tDefault);
        ResetReaderInputs();
    }
    void TearDown() override {
        ResetReaderInputs();
        ModelTest::TearDown();
    }
    static void ResetReaderInputs() {
        CloseWorkFiles();
        ClearRCBlocks();
        glMaxSourceBytes = 0x7FFFFFFE;
        gpfnWorkFileFails = nullptr;
    }

    // Text written with "\n" line ends, as files hold it with CR LF.
    static std::string Crlf(std::string_view s) {
        std::string r;
        for (char c : s) {
            if (c == '\n') {
                r += '\r';
            }
            r += c;
        }
        return r;
    }

    // A marked file: the Created line, then the text.
    static std::string Marked(std::string_view sBody) {
        return Crlf("#Wrenkit Created\n") + Crlf(sBody);
    }

    // Reads a marked KVL text; the reader must ask nothing.
    static int32_t Load(const std::string& sText) { return LoadKVL(sText, 1, 0); }

    // The user text of every kind-0 row, in file order.
    static std::vector<std::string> UserTexts() {
        std::vector<std::string> as;
        for (int32_t l = 1; l <= glBlockCnt; ++l) {
            if (gatBlock[l].lType == wkBlockUser) {
                as.push_back(BlockUserText(gatBlock[l]));
            }
        }
        return as;
    }
    static std::vector<int32_t> BlockKinds() {
        std::vector<int32_t> al;
        for (int32_t l = 1; l <= glBlockCnt; ++l) {
            al.push_back(gatBlock[l].lType);
        }
        return al;
    }

    static std::string IDName(int32_t lID) { return gatID[lID].szIDName.str(); }
    static int32_t IDValue(const char* szName) { return gatID[FindIDByName(szName)].lIDValue; }
    static std::string Caption(int32_t lElem) { return GetDynStr(lElem); }
    static std::string Styles(int32_t lListElem) { return StyleListToText(GetDynStr(lListElem)); }
    // The live dialog or control row with that ID name.
    static int32_t Row(const char* szID) { return FindDlgRowByID(FindIDByName(szID)); }
};
