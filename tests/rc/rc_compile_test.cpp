// Generated scripts must compile with a real resource compiler.
#include "edit/data_files.h"
#include "edit/design_edits.h"
#include "tests/rc/rc_fixture.h"
#include "tests/support/corpus_files.h"
#include "tests/support/scratch_folder.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

const char* const kszCompiler = "x86_64-w64-mingw32-windres";

bool HaveCompiler() {
    return std::system((std::string("command -v ") + kszCompiler + " >/dev/null 2>&1").c_str()) ==
           0;
}

void WriteFile(const fs::path& tPath, const std::string& s) {
    fs::create_directories(tPath.parent_path());
    std::ofstream f(tPath, std::ios::binary);
    f << s;
}

// Compiles the script in its folder; the compiler's messages go to a log.
int Compile(const fs::path& tDir, const std::string& sScript, std::string& sLog) {
    WriteFile(tDir / "Resource.h", "#include <windows.h>\n");
    WriteFile(tDir / "test.rc", sScript);
    std::string sCmd = "cd '" + tDir.string() + "' && " + kszCompiler +
                       " -I/usr/share/mingw-w64/include -I. -i test.rc -o test.res > log.txt 2>&1";
    int lRc = std::system(sCmd.c_str());
    std::ifstream f(tDir / "log.txt");
    sLog.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return lRc;
}

// A 1x1 bitmap file and a 1x1 icon file.
std::string SmallBitmap() {
    return std::string(
        "BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0"
        "\x04\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\xff\xff\xff\0",
        58);
}

std::string SmallIcon() {
    std::string sDib = SmallBitmap().substr(14);
    sDib[8] = 2; // an icon's height counts the mask too
    sDib += std::string(4, '\0');
    std::string sIco("\0\0\x01\0\x01\0\x01\x01\0\0\x01\0\x18\0", 14);
    uint32_t lSize = static_cast<uint32_t>(sDib.size());
    sIco += std::string(reinterpret_cast<const char*>(&lSize), 4);
    sIco += std::string("\x16\0\0\0", 4);
    return sIco + sDib;
}

} // namespace

class RcCompileTest : public RcTest {
  protected:
    void TearDown() override {
        gtDoc.sPath.clear();
        RcTest::TearDown();
    }
};

TEST_F(RcCompileTest, CompanionScriptWithImagesStringsAndVersion) {
    if (!HaveCompiler()) {
        GTEST_SKIP() << "no resource compiler on this machine";
    }
    const ScratchFolder tScratch("wk_rc_companion");
    const fs::path& tDir = tScratch.Path();
    WriteFile(tDir / "logo.bmp", SmallBitmap());
    WriteFile(tDir / "app.ico", SmallIcon());

    gtDoc.sPath = (tDir / "Prog.bas").string();
    // The dialog shows an icon, its image control a bitmap.
    const int32_t lDlg = NewDialog();
    SetDataFile(lDlg, (tDir / "app.ico").string());
    SetDataFile(NewControl(lDlg, wkCtlImage, tDlgRect{5, 5, 25, 25}), (tDir / "logo.bmp").string());
    AddStr(AddID("%IDS_HELLO", "2001", 0), "Say \"hi\" \\t tab");
    NewVersionInfo(0x040904E4);
    std::string sLong;
    for (int i = 0; i < 12; ++i) {
        sLong += "Caf\xe9 \"quoted\" C:\\dir\\file ";
    }
    SetVersionStringValue(1, "Comments", sLong);
    SetVersionStringValue(1, "PrivateBuild", "private");
    std::string sLog;
    EXPECT_EQ(0, Compile(tDir, BuildNewRCFile(gtDoc, tWriteLayout{}, false), sLog)) << sLog;
}

TEST_F(RcCompileTest, FullScriptWithDialogsMenusAcceleratorsAndStrings) {
    if (!HaveCompiler()) {
        GTEST_SKIP() << "no resource compiler on this machine";
    }
    const ScratchFolder tScratch("wk_rc_full");
    const fs::path& tDir = tScratch.Path();
    for (const std::string& sPath : CorpusPaths("rc")) {
        std::string szFile = fs::path(sPath).filename().string();
        if (szFile == "wcs_Printer.rc") {
            continue; // its menu is named MENU, which the compiler refuses in the original too
        }
        Reset();
        std::string sScript = ReadAll(sPath);
        ASSERT_EQ(1, LoadRC(sScript, 1, 0, (tDir / "x.rc").string()));
        // The images the script names, made where it expects them.
        for (int32_t l = 1; l <= glResCnt; ++l) {
            if (gatRes[l].lRCDataElem != 0) {
                std::string sData = gatRes[l].lType == wkResBitmap ? SmallBitmap() : SmallIcon();
                if (gatRes[l].lType == wkResCursor) {
                    sData[2] = 2; // a cursor file
                }
                WriteFile(GetDynStr(gatRes[l].lRCDataElem), sData);
            }
        }
        std::string sLog;
        ASSERT_EQ(0, Compile(tDir, BuildFullRCFile(tWriteLayout{}), sLog)) << szFile << "\n"
                                                                           << sLog;
    }
}
