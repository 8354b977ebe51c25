// A clean project as at start-up (styles catalog, control defaults, the default
// font as element 1), no file loaded, and a recording seam for the messages.
#pragma once

#include "readers/kvl_reader.h"
#include "readers/metastatements.h"
#include "tests/support/recording_seam.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

class ReaderTest : public ::testing::Test {
  protected:
    void SetUp() override { StartProject(); }
    void TearDown() override { StartProject(); }

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

    static std::string IDName(int32_t lID) { return gatID[lID].szIDName.str(); }
    static int32_t IDValue(const char* szName) { return gatID[FindIDByName(szName)].lIDValue; }
};
