// Writing resource scripts: the companion script new and updated, the
// version information with its escaping and wrapping, the full script and its
// round trip through the reader.
#include "model/accel_keys.h"
#include "readers/kvl_reader.h"
#include "readers/rc_lexer.h"
#include "tests/rc/rc_fixture.h"
#include "tests/support/golden.h"
#include "tests/support/scratch_folder.h"
#include "writers/kvl_text.h"
#include "writers/kvl_writer.h"
#include "writers/rc_writer.h"

#include <filesystem>

namespace {

// An image control showing a bitmap in a subfolder, and a string.
void MakeCompanionProject(bool bStrings = true) {
    int32_t lDlgID = AddID("%IDD_DIALOG1", "101", wkUsedByRes);
    int32_t lDlgRes = AddResource("%IDD_DIALOG1", wkResDialog, lDlgID, 0);
    tDlg tDialog{};
    tDialog.lIDElem = lDlgID;
    tDialog.lResElem = lDlgRes;
    AddDlgRow(tDialog);
    int32_t lImgID = AddID("%IDR_IMGFILE1", "102", wkUsedByRes);
    int32_t lImgRes =
        AddResource("%IDR_IMGFILE1", wkResBitmap, lImgID, AddDynStr("C:\\src\\res\\logo.bmp"));
    tDlg tImage{};
    tImage.lIDElem = AddID("%IDC_IMAGE1", "1001", wkUsedByDlg);
    tImage.lResElem = lDlgRes;
    tImage.lCtlType = wkCtlImage;
    tImage.lStyle = 0x5000000E;
    tImage.lDataResElem = lImgRes;
    tImage.lCtlOrder = 1;
    AddDlgRow(tImage);
    tImage.lIDElem = AddID("%IDC_IMAGE2", "1002", wkUsedByDlg);
    tImage.lCtlOrder = 2;
    AddDlgRow(tImage); // the same file shown twice
    if (bStrings) {
        AddStr(AddID("%IDS_HELLO", "2001", wkUsedByStr), "Say \"hi\"");
    }
    gtDoc.sPath = "C:\\src\\Prog.bas";
}

const std::string ksSep =
    "//--------------------------------------------------------------------------------\r\n";

} // namespace

class RcWriterTest : public RcTest {
  protected:
    void TearDown() override {
        gtDoc.sPath.clear();
        gtDoc.lAsNew = 0;
        RcTest::TearDown();
    }
};

TEST_F(RcWriterTest, NewCompanionScriptByteForByte) {
    MakeCompanionProject();
    std::string s = BuildNewRCFile(gtDoc, tWriteLayout{}, true);
    EXPECT_TRUE(MatchesGolden("rc/companion-new.rc", s));
    EXPECT_EQ((std::vector<std::string>{"Saving RC"}), tSeam.StatusTexts());
}

TEST_F(RcWriterTest, VersionInfoSectionAsTheExampleShows) {
    NewVersionInfo(0x040904E4);
    gtVersion.lFileVerLS = gtVersion.lProdVerLS = 0;
    for (const char* sz : {"FileVersion", "ProductVersion", "LegalCopyright"}) {
        SetVersionStringValue(1, sz, "");
    }
    SetVersionStringValue(1, "FileDescription", "Sample program");
    SetVersionStringValue(1, "FileVersion", "1.0.0.0");
    SetVersionStringValue(1, "PrivateBuild", "by me");
    std::string s;
    WriteRCVersionInfo(s, tWriteLayout{});
    EXPECT_TRUE(MatchesGolden("rc/version-info.rc", s));
}

TEST_F(RcWriterTest, LongVersionValuesWrapWithoutBreakingEscapes) {
    EXPECT_EQ("a\\r\\n\\t\\\\\"\"\\351\\001", EscapeRCValue("a\r\n\t\\\"\xe9\x01"));
    std::string sValue;
    for (int i = 0; i < 20; ++i) {
        sValue += "word\xe9\\x\"q ";
    }
    sValue += std::string(150, 'z'); // a run with no place to break
    NewVersionInfo(0x040904E4);
    SetVersionStringValue(1, "Comments", sValue);
    std::string s;
    WriteRCVersionInfo(s, tWriteLayout{});
    size_t lFirst = s.find("VALUE \"Comments\"");
    ASSERT_NE(std::string::npos, lFirst);
    size_t lStart = s.rfind('\n', lFirst) + 1;
    std::string sLines = s.substr(lStart, s.find("\\0\"\r\n", lStart) + 5 - lStart);
    int32_t lLines = 0;
    for (size_t l = 0; l < sLines.size();) {
        size_t lEnd = sLines.find("\r\n", l);
        std::string sLine = sLines.substr(l, lEnd - l);
        EXPECT_LE(sLine.size(), 82u) << sLine; // a part may keep its blank at W + 1
        EXPECT_EQ('"', sLine.back());
        if (lLines > 0) {
            EXPECT_EQ(std::string(16, ' ') + "\"", sLine.substr(0, 17));
        }
        ++lLines;
        l = lEnd + 2;
    }
    EXPECT_GT(lLines, 4);
    // Read back, the adjacent literals give the value again.
    std::string sScript = s;
    ResetVersionInfo();
    LoadRC(sScript, 0, 1);
    EXPECT_EQ(sValue, VersionStringValue(1, "Comments"));
}

TEST_F(RcWriterTest, UpdatedScriptKeepsUserTextAndIsStable) {
    MakeCompanionProject();
    std::string sFirst = BuildNewRCFile(gtDoc, tWriteLayout{}, true);
    std::string sUser = "// my own resources\r\nIDI_MINE ICON \"mine.ico\"  \r\n";
    std::string sEdited = sFirst;
    sEdited.insert(sEdited.find("#include"), sUser);
    sEdited += "// the end, no line end";
    // The KVL file brings the dialogs back, the script its strings.
    Reset();
    MakeCompanionProject(false);
    ASSERT_EQ(1, LoadRC(sEdited, 0, 0, "C:\\src\\Prog.rc"));
    EXPECT_EQ(1, glStrCnt);
    EXPECT_EQ(sEdited,
              BuildUpdatedRCFile(gtDoc, tWriteLayout{})); // nothing appended: byte for byte
    // A new section is appended after the walk, followed by one empty line.
    NewVersionInfo(0x040904E4);
    std::string sUpdated = BuildUpdatedRCFile(gtDoc, tWriteLayout{});
    EXPECT_EQ(0u, sUpdated.find(sEdited));
    EXPECT_NE(std::string::npos, sUpdated.find("//  ** Version Info **"));
    EXPECT_EQ("//#Wrenkit End VersionInfo\r\n\r\n\r\n", sUpdated.substr(sUpdated.size() - 32));
    EXPECT_EQ(sUpdated, BuildRCFile(gtDoc, tWriteLayout{}, true));
    gtDoc.lAsNew = 1;
    EXPECT_EQ(0u, BuildRCFile(gtDoc, tWriteLayout{}, true).find("//#Wrenkit Created\r\n//---"));
}

TEST_F(RcWriterTest, ImportedScriptIsCopiedOnTheFirstSave) {
    const std::string sScript = "STRINGTABLE { IDS_A \"a\" }";
    ASSERT_EQ(1, LoadRC(sScript, 0, 1)); // from the clipboard: no copy
    EXPECT_EQ(nullptr, OpenText(gtDoc.tRCPreImport));
    ASSERT_EQ(1, LoadRC(sScript, 0, 0)); // beside a KVL file that was not imported
    EXPECT_EQ(nullptr, OpenText(gtDoc.tRCPreImport));
    ASSERT_EQ(1, LoadRC(sScript, 1, 0)); // imported on its own
    ASSERT_NE(nullptr, OpenText(gtDoc.tRCPreImport));
    std::string s = BuildNewRCFile(gtDoc, tWriteLayout{}, true);
    EXPECT_NE(std::string::npos,
              s.find("\r\n\r\n//=========="
                     "======================================================================\r\n"
                     "//#Wrenkit Copy\r\n"
                     "//The following is a copy of your code before importing:\r\n"
                     "#if 0\r\nSTRINGTABLE { IDS_A \"a\" }\r\n#endif\r\n"));
    EXPECT_EQ(std::string::npos,
              BuildNewRCFile(gtDoc, tWriteLayout{}, false).find("#Wrenkit Copy"));
    gtDoc.lAsNew = 1;
    EXPECT_EQ(std::string::npos, BuildRCFile(gtDoc, tWriteLayout{}, true).find("#Wrenkit Copy"));
}

TEST_F(RcWriterTest, FullScriptMenusAndMergedAcceleratorTables) {
    ASSERT_EQ(1, LoadRC("IDR_MENU1 MENU\r\nBEGIN\r\n"
                        "  POPUP \"&File\"\r\n  BEGIN\r\n"
                        "    MENUITEM \"&Open\", IDM_FILE_OPEN\r\n"
                        "    MENUITEM SEPARATOR\r\n"
                        "    MENUITEM \"E&xit\", IDM_FILE_EXIT, GRAYED\r\n"
                        "  END\r\nEND\r\n"
                        "A1 ACCELERATORS { \"O\", IDM_FILE_OPEN, VIRTKEY, CONTROL }\r\n"
                        "A2 ACCELERATORS { VK_F1, IDM_FILE_EXIT, VIRTKEY, SHIFT, ALT }\r\n",
                        1, 0));
    std::string s;
    WriteRCMenus(s, tWriteLayout{});
    WriteRCAccelerators(s, tWriteLayout{});
    EXPECT_TRUE(MatchesGolden("rc/menus-and-accelerators.rc", s));
}

TEST_F(RcWriterTest, EmptyPopupsAreClosedAndQuotesEscaped) {
    int32_t lID = AddID("%IDR_M", "100", wkUsedByRes);
    int32_t lRes = AddResource("%IDR_M", wkResMenu, lID, 0);
    AddMenuItem(0, lRes, 0, 0, wkMenuPopup, 0, 0, "Empty");
    AddMenuItem(0, lRes, 0, 0, wkMenuPopup, 0, wkMfChecked | wkMfMenuBreak, "A \"b\"");
    AddMenuItem(AddID("%IDM_X", "1", 0), lRes, 0, 0, wkMenuItem, 1, 0, "x");
    AddMenuItem(0, lRes, 0, 0, wkMenuItem, 1, 0, ""); // no caption: left out
    std::string s;
    WriteRCMenus(s, tWriteLayout{});
    EXPECT_TRUE(MatchesGolden("rc/menus-empty-popup-and-quotes.rc", s));
}

TEST_F(RcWriterTest, FullScriptRoundTripIsStable) {
    // What the script reads into is a reader golden of its own.
    const std::string sPath = "C:\\proj\\app.rc";
    ASSERT_EQ(1, LoadRC(ReadAll(GoldenPath("read/rc-full-script-every-section.rc").string()), 1, 0,
                        sPath));
    // The first save names the one accelerator table IDR_ACCELERATOR1; from
    // then on the script comes back unchanged.
    ASSERT_EQ(1, LoadRC(BuildFullRCFile(tWriteLayout{}), 1, 0, sPath));
    const std::string sFull = BuildFullRCFile(tWriteLayout{});
    EXPECT_TRUE(MatchesGolden("rc/full-script-every-section.rc", sFull));
    const int32_t lDlgRows = glDlgCnt;
    ASSERT_EQ(1, LoadRC(sFull, 1, 0, sPath));
    EXPECT_EQ(lDlgRows, glDlgCnt);
    EXPECT_EQ(sFull, BuildFullRCFile(tWriteLayout{}));
}

TEST_F(RcWriterTest, BasicIntegrationCodeHasOneProcedurePerDialogAndMenu) {
    ASSERT_EQ(1, LoadRC("IDR_MENU1 MENU { MENUITEM \"&Open\", IDM_OPEN }\r\n"
                        "IDD_MAIN DIALOG 0, 0, 100, 50\r\nBEGIN\r\n"
                        "  PUSHBUTTON \"Go\", IDC_GO, 1, 1, 40, 14\r\nEND\r\n",
                        1, 0));
    EXPECT_TRUE(MatchesGolden("rc/basic-integration-code.bas", RCBasicCodeSection(tWriteLayout{})));
    EXPECT_EQ("Saving RC Basic Code", tSeam.StatusTexts().back());
}

TEST_F(RcWriterTest, SectionsAloneShowTheirStatusTexts) {
    MakeCompanionProject();
    EXPECT_EQ(0u, RCStringsSection(tWriteLayout{}).find(ksSep + "//  ** String Table **"));
    RCConstantsSection(tWriteLayout{});
    RCDataSection(gtDoc, tWriteLayout{});
    RCVersionInfoSection(tWriteLayout{});
    RCMenuSection(tWriteLayout{});
    RCAcceleratorsSection(tWriteLayout{});
    RCDialogSection(tWriteLayout{});
    EXPECT_EQ(
        (std::vector<std::string>{"Saving RC Strings", "Saving RC Constants", "Saving RC Data",
                                  "Saving RC Version Info", "Saving RC Menu",
                                  "Saving RC Accelerators", "Saving RC Dialog"}),
        tSeam.StatusTexts());
    EXPECT_FALSE(FullFile());
}

TEST_F(RcWriterTest, CompanionScriptComesBackThroughTheKvlFile) {
    const ScratchFolder tScratch("wk_rc_companion_kvl");
    const std::filesystem::path& tDir = tScratch.Path();
    MakeCompanionProject();
    NewVersionInfo(0x040904E4);
    gtDoc.sPath = (tDir / "Prog.bas").string();
    const std::string sKvl = BuildNewKvlFile(gtDoc, tWriteLayout{}, true);
    std::string sRC = BuildNewRCFile(gtDoc, tWriteLayout{}, true);
    sRC.insert(sRC.find("#include"), "// the user's line\r\n");
    std::ofstream(tDir / "Prog.rc", std::ios::binary) << sRC;
    Reset();
    ASSERT_EQ(1, LoadKVL(sKvl, 1, 0, gtDoc.sPath));
    ASSERT_NE(nullptr, OpenText(gtDoc.tRCWork));
    EXPECT_EQ(1, glStrCnt);
    EXPECT_EQ(1, VersionBlockCount());
    // The image control found the file the script names.
    int32_t lImage = FindDlgRowByID(FindIDByName("%IDC_IMAGE1"));
    ASSERT_NE(0, lImage);
    EXPECT_EQ("C:\\src\\res\\logo.bmp", DataFileName(lImage));
    EXPECT_EQ(sRC, BuildRCFile(gtDoc, tWriteLayout{}, true));
}
