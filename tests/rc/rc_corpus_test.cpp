// Real resource scripts from public projects: every one imports without a
// crash, and what they write literally comes through.
#include "tests/rc/rc_fixture.h"

#include <filesystem>

namespace {

std::string CorpusDir() {
    return std::string(WK_CORPUS_DIR) + "/rc/";
}

int32_t CountLive(int32_t lKind) {
    int32_t n = 0;
    for (int32_t l = 1; l <= glResCnt; ++l) {
        n += gatRes.Live(l) && gatRes[l].lType == lKind;
    }
    return n;
}

int32_t CountControls() {
    int32_t n = 0;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        n += gatDlg.Live(l) && gatDlg[l].lCtlType != 0;
    }
    return n;
}

} // namespace

class RcCorpusTest : public RcTest {};

TEST_F(RcCorpusTest, EveryScriptImports) {
    namespace fs = std::filesystem;
    int32_t lFiles = 0;
    for (const auto& tEntry : fs::directory_iterator(CorpusDir())) {
        std::string sText = ReadFile(tEntry.path().string());
        Reset();
        ASSERT_EQ(1, LoadRC(sText, 1, 0, tEntry.path().string()));
        ++lFiles;
        std::printf("%-28s dlg %3d ctl %4d menu %2d items %4d accel %3d str %4d ver %d\n",
                    tEntry.path().filename().c_str(), CountLive(wkResDialog), CountControls(),
                    CountLive(wkResMenu) + CountLive(wkResPopupMenu), glMenuCnt, glAccelCnt,
                    glStrCnt, VersionBlockCount());
    }
    EXPECT_EQ(24, lFiles);
}
