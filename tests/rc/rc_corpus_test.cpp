// Real resource scripts from public projects: every one imports without a
// crash, and the dialogs, controls, menus, accelerators and strings they write
// literally come through.
#include "tests/rc/rc_fixture.h"
#include "tests/support/corpus_files.h"

#include <filesystem>
#include <regex>

namespace {

namespace fs = std::filesystem;

std::string CorpusFile(const std::string& sName) {
    return CorpusPath("rc", sName);
}

int32_t CountControls() {
    int32_t n = 0;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        n += gatDlg.Live(l) && gatDlg[l].lCtlType != 0;
    }
    return n;
}

bool HasControl(const std::string& sText, int32_t x, int32_t y, int32_t cx, int32_t cy) {
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        const tDlg& t = gatDlg[l];
        if (t.lCtlType != 0 && t.nLeft == x && t.nTop == y && t.nRight - t.nLeft == cx &&
            t.nBottom - t.nTop == cy && GetDynStr(t.lCaptionElem) == sText) {
            return true;
        }
    }
    return false;
}

// What a file writes literally, found line by line without the reader.
struct tLiteral {
    int32_t lDialogs = 0;
    int32_t lMenuLines = 0;
    struct tCtl {
        std::string sText;
        int32_t x, y, cx, cy;
    };
    std::vector<tCtl> atControls;
};

tLiteral Literal(const std::string& sText) {
    static const std::regex kDialog(R"(^\s*\w+\s+DIALOG(EX)?\b)");
    static const std::regex kMenu(R"(^\s*(MENUITEM|POPUP)\b)");
    static const std::regex kShort(
        R"re(^\s*(LTEXT|RTEXT|CTEXT|PUSHBUTTON|DEFPUSHBUTTON|GROUPBOX|CHECKBOX|AUTOCHECKBOX|RADIOBUTTON|AUTORADIOBUTTON)\s+"([^"\\]*)"\s*,\s*\w+\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+))re");
    static const std::regex kControl(
        R"re(^\s*CONTROL\s+"([^"\\]*)"\s*,\s*\w+\s*,\s*"\w+"\s*,[^,"]*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+))re");
    tLiteral t;
    std::istringstream ss(sText);
    std::string sLine;
    std::smatch m;
    while (std::getline(ss, sLine)) {
        t.lDialogs += std::regex_search(sLine, kDialog);
        t.lMenuLines += std::regex_search(sLine, kMenu);
        if (std::regex_search(sLine, m, kShort)) {
            t.atControls.push_back(
                {m[2], std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6])});
        } else if (std::regex_search(sLine, m, kControl)) {
            t.atControls.push_back(
                {m[1], std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5])});
        }
    }
    return t;
}

} // namespace

class RcCorpusTest : public RcTest {};

TEST_F(RcCorpusTest, EveryScriptImportsWithWhatItWritesLiterally) {
    int32_t lFiles = 0;
    size_t lLiteralControls = 0;
    for (const std::string& sPath : CorpusPaths("rc")) {
        const std::string sName = fs::path(sPath).filename().string();
        std::string sText = ReadAll(sPath);
        Reset();
        ASSERT_EQ(1, LoadRC(sText, 1, 0, sPath)) << sName;
        ++lFiles;
        tLiteral tLit = Literal(sText);
        lLiteralControls += tLit.atControls.size();
        EXPECT_EQ(tLit.lDialogs, CountResources(wkResDialog)) << sName;
        EXPECT_EQ(tLit.lMenuLines, glMenuCnt) << sName;
        for (const tLiteral::tCtl& t : tLit.atControls) {
            // A caption ending in the shortcut of its own key is shortened by the
            // reader; the corpus controls have none.
            EXPECT_TRUE(HasControl(t.sText, t.x, t.y, t.cx, t.cy))
                << sName << ": \"" << t.sText << "\" at " << t.x << ", " << t.y;
        }
    }
    // The project carries 23; the shared corpus adds one of unstated licence.
    EXPECT_EQ(SharedCorpusPresent() ? 24 : 22, lFiles);
    EXPECT_GT(lLiteralControls, 900u); // the line checker itself found them
}

TEST_F(RcCorpusTest, ChosenScriptsGiveExactCounts) {
    struct tExpect {
        const char* szFile;
        int32_t lControls, lAccels, lStrings, lVersionBlocks;
    };
    // The dialogs and menu items of every file are checked against its text above.
    const tExpect katExpect[] = {
        {"wine_notepad.rc", 18, 6, 14, 0},     {"wcs_ted.rc", 28, 11, 97, 1},
        {"wcs_sdkdiff.rc", 62, 21, 104, 0},    {"wcs_Dialer.rc", 89, 14, 29, 1},
        {"wcs_ipxchat_About.dlg", 8, 0, 0, 0},
    };
    for (const tExpect& t : katExpect) {
        Reset();
        ASSERT_EQ(1, LoadRC(ReadAll(CorpusFile(t.szFile)), 1, 0));
        EXPECT_EQ(t.lControls, CountControls()) << t.szFile;
        EXPECT_EQ(t.lAccels, glAccelCnt) << t.szFile;
        EXPECT_EQ(t.lStrings, glStrCnt) << t.szFile;
        EXPECT_EQ(t.lVersionBlocks, VersionBlockCount()) << t.szFile;
    }
}
