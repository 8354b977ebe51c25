// Input of hostile size: a single 100 MB line, menus nested 100,000 deep, a
// million controls, a script that includes itself. Each ends in a clean
// import or a refusal, in seconds, never a crash, a hang or a stack overflow.
#include "hostile_fixture.h"

#include "app/files/file_ops.h"
#include "model/path_rules.h"

#include <filesystem>
#include <fstream>

namespace {

// The sizes the designer must cope with, in an optimised build. Unoptimised
// builds (the debug and sanitizer trees) read a tenth, which finds the same
// faults of logic and keeps the run short; the nesting depth stays whole.
#if defined(__OPTIMIZE__)
constexpr size_t kScale = 1;
#else
constexpr size_t kScale = 10;
#endif

} // namespace

TEST_F(HostileTest, OneLineOf100MegabytesIsReadOrRefusedQuickly) {
    std::string sLine = "#define IDD_A ";
    sLine.append((100u << 20) / kScale, 'x');
    const auto tStart = std::chrono::steady_clock::now();
    RecordingSeam tSeam(wkAnsYes);
    EXPECT_NE(DetectFormat(sLine), wkFormatKVL);
    // Read to its end, though no value of it makes sense.
    EXPECT_EQ(LoadRC(sLine, 1, 0), 1);
    Clean();
    sLine[0] = '%'; // now a KVL equate
    EXPECT_EQ(LoadKVL(sLine, 1, 0, std::string()), 1);
    Clean();
    EXPECT_EQ(LoadVBForm(sLine, 1), 0); // no form in it
    Clean();
    // One word of 100 MB with no blank: the words of each reader; nothing of it
    // makes a resource.
    std::string sWord((100u << 20) / kScale, 'A');
    EXPECT_EQ(LoadRC(sWord, 1, 1), 1);
    EXPECT_EQ(glResCnt, 0);
    Clean();
    EXPECT_EQ(LoadKVL(sWord, 1, 1, std::string()), 1);
    EXPECT_EQ(glResCnt, 0);
    EXPECT_TRUE(tSeam.Reports().empty());
    const double fSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
    EXPECT_LT(fSeconds, 20.0);
}

TEST_F(HostileTest, MenusNested100000Deep) {
    const int32_t lDepth = 100000;
    std::string sScript = "M MENU\n";
    for (int32_t l = 0; l < lDepth; ++l) {
        sScript += "BEGIN POPUP \"p\"\n";
    }
    sScript += "BEGIN MENUITEM \"x\", 1\n";
    for (int32_t l = 0; l <= lDepth; ++l) {
        sScript += "END\n";
    }
    sScript += "END\n";
    RecordingSeam tSeam(wkAnsYes);
    LoadRC(sScript, 1, 0);
    ASSERT_EQ(glMenuCnt, lDepth + 1);
    for (int32_t l = 1; l <= glMenuCnt; ++l) {
        ASSERT_LE(gatMenu[l].lLevel, wkMaxMenuLevel);
    }
    // Every line of an item is indented by its level: held to the deepest
    // level kept, the written file grows with the items, not their square.
    gtDoc.lAsNew = 1;
    EXPECT_LT(BuildNewKvlFile(gtDoc, tWriteLayout{}).size(), 2000u * lDepth);
    EXPECT_LT(BuildFullRCFile(tWriteLayout{}).size(), 2000u * lDepth);
    gtDoc.lAsNew = 0;
    Clean();

    std::string sForm = "VERSION 5.00\r\nBegin VB.Form F\r\n";
    for (int32_t l = 0; l < lDepth; ++l) {
        sForm += "Begin VB.Menu m" + std::to_string(l) + "\r\nCaption = \"m\"\r\n";
    }
    for (int32_t l = 0; l <= lDepth; ++l) {
        sForm += "End\r\n";
    }
    LoadVBForm(sForm, 1);
    WriteBack();
    Clean();

    // The KVL reader's nesting is in its text only; a deep pile of blocks.
    std::string sKvl;
    for (int32_t l = 0; l < lDepth; ++l) {
        sKvl += "Menu New Popup To hPopup" + std::to_string(l % 10) + "\r\n";
    }
    LoadKVL(sKvl, 1, 0, std::string());
    WriteBack();
}

TEST_F(HostileTest, AMillionControls) {
    const int32_t lCount = static_cast<int32_t>(1000000 / kScale);
    std::string sScript = "#define IDD_A 100\nIDD_A DIALOGEX 0, 0, 100, 100\n{\n";
    sScript.reserve(static_cast<size_t>(lCount) * 32);
    for (int32_t l = 0; l < lCount; ++l) {
        sScript += " LTEXT \"\", -1, 0, 0, 1, 1\n";
    }
    sScript += "}\n";
    // A reader that scanned the dialog per control would not finish within the
    // suite's time-out; its speed itself is measured by the benchmarks.
    RecordingSeam tSeam(wkAnsYes);
    ASSERT_EQ(LoadRC(sScript, 1, 0), 1);
    EXPECT_EQ(CountDialogRows(FindResourceByID(FindIDByName("%IDD_A"))), lCount + 1);
}

TEST_F(HostileTest, AScriptThatIncludesItself) {
    const ScratchFolder tScratch("wk_hostile_include_self");
    const std::string sPath = tScratch.File("self.rc");
    {
        std::ofstream tOut(sPath, std::ios::binary);
        tOut << "#include \"self.rc\"\n#include \"" << sPath
             << "\"\nrcinclude self.rc\n#define IDD_A 100\nIDD_A DIALOG 0, 0, 10, 10\n{\n}\n";
    }
    RecordingSeam tSeam(wkAnsYes);
    EXPECT_EQ(ImportFile(sPath), 1);
    EXPECT_NE(FindIDByName("%IDD_A"), 0);
    glChanged = 0;
    CloseFile();
}

TEST_F(HostileTest, AVersionValueOfAMegabyteIsWrittenInMoments) {
    // Wrapping the value into literals once cost time by the square of its length.
    std::string sValue;
    for (int32_t l = 0; sValue.size() < (1u << 20); ++l) {
        sValue += "word" + std::to_string(l) + " ";
    }
    const std::string sScript = "VS_VERSION_INFO VERSIONINFO\n FILEVERSION 1,0,0,0\nBEGIN\n"
                                " BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"040904E4\"\n  BEGIN\n"
                                "   VALUE \"Comments\", \"" +
                                sValue + "\"\n  END\n END\nEND\n";
    RecordingSeam tSeam(wkAnsYes);
    ASSERT_EQ(LoadRC(sScript, 1, 0), 1);
    const auto tStart = std::chrono::steady_clock::now();
    const std::string sOut = BuildNewRCFile(gtDoc, tWriteLayout{});
    const double fSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
    EXPECT_LT(fSeconds, 5.0);
    // Broken into literals of the wrap width that join to the value again.
    std::string sJoined;
    for (size_t l = 0; l < sOut.size(); ++l) {
        if (sOut.compare(l, 3, "\"\r\n") == 0) {
            l = sOut.find('"', l + 3);
            ASSERT_NE(l, std::string::npos);
            continue;
        }
        sJoined += sOut[l];
    }
    EXPECT_NE(sJoined.find("\"" + sValue + "\\0"), std::string::npos);
    EXPECT_GT(static_cast<size_t>(std::count(sOut.begin(), sOut.end(), '\n')), sValue.size() / 100);
}
