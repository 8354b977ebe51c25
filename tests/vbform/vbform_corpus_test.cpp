// Real forms from public projects, read in place: every one imports, and its
// controls, menus and shortcuts are what the file says.
#include "readers/file_text.h"
#include "readers/vbform_parts.h"
#include "readers/vbform_reader.h"
#include "tests/support/corpus_files.h"
#include "tests/vbform/vbform_fixture.h"

#include <filesystem>
#include <sstream>

namespace {

using FormCorpusTest = FormTest;

std::string ReadCorpus(const std::string& sFile) {
    return ReadFileText(CorpusPath("frm", sFile));
}

// What a form file says, read from its Begin/End lines and a few properties.
struct tBlock {
    std::string sType, sName, sIndex, sCaption, sShortcut;
    bool bHidden = false, bChildren = false;
};
struct tExpected {
    int32_t lControls = 0, lMenus = 0;
    std::vector<tBlock> atControl; // controls of known kinds with a plain caption
    std::vector<tBlock> atItem;    // visible menu items with a shortcut
};

std::string ValueOf(const std::string& sLine) {
    const std::size_t p = sLine.find('=');
    const std::size_t a = sLine.find_first_not_of(" \t", p == std::string::npos ? p : p + 1);
    const std::size_t b = sLine.find_last_not_of(" \t\r");
    return a == std::string::npos || b < a ? std::string() : sLine.substr(a, b - a + 1);
}

tExpected ReadExpected(const std::string& sText) {
    tExpected t;
    std::vector<tBlock> atOpen;
    std::istringstream in(sText);
    std::string sLine, sWord;
    while (std::getline(in, sLine)) {
        std::istringstream words(sLine);
        words >> sWord;
        const std::string sValue = ValueOf(sLine);
        if (sWord == "Begin") {
            if (!atOpen.empty()) {
                atOpen.back().bChildren = true;
            }
            atOpen.emplace_back();
            words >> atOpen.back().sType >> atOpen.back().sName;
        } else if (sWord == "End" && !atOpen.empty()) {
            tBlock b = atOpen.back();
            atOpen.pop_back();
            if (b.sType == "VB.Menu") {
                ++t.lMenus;
                if (!b.bChildren && !b.bHidden && !b.sShortcut.empty()) {
                    t.atItem.push_back(b);
                }
            } else if (!atOpen.empty()) {
                ++t.lControls;
                if (!b.sCaption.empty() && VBTypeKind(b.sType) != wkCtlCustom) {
                    t.atControl.push_back(b);
                }
            } else {
                break;
            }
        } else if (!atOpen.empty() && sWord == "Caption" && sValue.size() > 1 &&
                   sValue.back() == '"' && sValue.find("\"\"") == std::string::npos) {
            atOpen.back().sCaption = sValue.substr(1, sValue.size() - 2);
        } else if (!atOpen.empty() && sWord == "Index") {
            atOpen.back().sIndex = sValue;
        } else if (!atOpen.empty() && sWord == "Shortcut") {
            atOpen.back().sShortcut = sValue;
        } else if (!atOpen.empty() && sWord == "Visible") {
            atOpen.back().bHidden = sValue == "0" || sValue.rfind("0 ", 0) == 0;
        }
    }
    return t;
}

std::string IDFor(const std::string& sPrefix, const tBlock& b) {
    return sPrefix + b.sName + (b.sIndex.empty() ? "" : "_" + b.sIndex);
}

TEST_F(FormCorpusTest, EveryFormImportsWithItsControlsMenusAndShortcuts) {
    if (!SharedCorpusPresent()) {
        GTEST_SKIP() << SharedCorpusMissing();
    }
    std::vector<std::string> asFile;
    for (const std::string& sPath : CorpusPaths("frm")) {
        asFile.push_back(std::filesystem::path(sPath).filename().string());
    }
    ASSERT_EQ(asFile.size(), 13u);
    for (const std::string& sFile : asFile) {
        SCOPED_TRACE(sFile);
        const std::string sText = ReadCorpus(sFile);
        const tExpected t = ReadExpected(sText);
        const int32_t lRes = LoadVBForm(sText);
        ASSERT_NE(lRes, 0);
        EXPECT_EQ(CountDialogRows(lRes), t.lControls + 1);
        EXPECT_EQ(glMenuCnt, t.lMenus);
        EXPECT_EQ(glAccelCnt, static_cast<int32_t>(t.atItem.size()));
        for (const tBlock& b : t.atControl) {
            SCOPED_TRACE(b.sName);
            EXPECT_EQ(Caption(RowByName(IDFor("%IDC_", b))), b.sCaption);
        }
        for (const tBlock& b : t.atItem) {
            SCOPED_TRACE(b.sName);
            const int32_t lItem = FindMenuItemByID(FindIDByName(IDFor("%IDM_", b)));
            ASSERT_NE(lItem, 0);
            EXPECT_EQ(GetDynStr(gatMenu[lItem].lCaptionElem), b.sCaption);
            EXPECT_EQ(gatAccel[gatMenu[lItem].lAccelElem].lIDElem, gatMenu[lItem].lIDElem);
        }
        // Every control row stands in tab order, numbered without gaps.
        int32_t lOrder = 0;
        for (int32_t l = FindDialogRow(lRes) + 1; l <= glDlgCnt; ++l) {
            EXPECT_EQ(gatDlg[l].lCtlOrder, ++lOrder);
        }
    }
}

} // namespace
