// Reading resource scripts: what the statements read into is in the
// tests/data/read/rc-*.rc goldens (damaged scripts among them); here the two
// ways a script reaches the reader and the class words.
#include "readers/rc_kinds.h"
#include "tests/rc/rc_fixture.h"

#include <utility>
#include <vector>

using RcReaderTest = RcTest;

TEST_F(RcReaderTest, AScriptGivenWholeReadsAsItsCopy) {
    const std::string s = ReadAll(WK_SOURCE_DIR "/tests/data/read/rc-marked-user-text.rc");
    ASSERT_EQ(1, LoadRC(s, 1, 0));
    ASSERT_NE(nullptr, OpenText(gtDoc.tRCWork));
    const std::string sCopied = *OpenText(gtDoc.tRCWork);
    const std::vector<tBlock> atCopied(gatRCBlock.begin(), gatRCBlock.end());
    // Read from its file, the script gathers the same user text inside its own
    // text, and reads the same blocks and strings.
    std::string sGiven = s;
    ASSERT_EQ(1, LoadRC(std::move(sGiven), 1, 0));
    ASSERT_NE(nullptr, OpenText(gtDoc.tRCWork));
    EXPECT_EQ(sCopied, *OpenText(gtDoc.tRCWork));
    EXPECT_EQ(1, glStrCnt);
    ASSERT_EQ(static_cast<int32_t>(atCopied.size()), glRCBlockCnt);
    for (int32_t l = 1; l <= glRCBlockCnt; ++l) {
        EXPECT_EQ(atCopied[l - 1].lFilePos, gatRCBlock[l].lFilePos) << l;
        EXPECT_EQ(atCopied[l - 1].lLen, gatRCBlock[l].lLen) << l;
    }
    EXPECT_EQ(wkCtlCustom, KindFromRCWord("RichEdit20A"));
    EXPECT_EQ(wkCtlRichEdit, KindFromRCWord("richedit"));
}
