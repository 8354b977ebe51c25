// Whole files: the new-file layout, the header and includes rules, and the
// update writer's walk over the blocks of a file that was read.
#include "tests/support/golden.h"
#include "tests/support/recording_seam.h"
#include "tests/writers/writer_fixture.h"

#include <fstream>
#include <iterator>

namespace {

std::string ReadFile(const std::string& sPath) {
    std::ifstream f(sPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

class KvlFileTest : public WriterTest {};

TEST_F(KvlFileTest, ExampleProjectGivesTheSampleFile) {
    BuildExampleProject();
    RecordingSeam tSeam;
    // The sample file is the designer's whole new file, down to its last empty line.
    std::string sExpected = ReadFile(std::string(WK_SOURCE_DIR) + "/examples/sample.bas");
    EXPECT_EQ(BuildNewKvlFile(gtDoc, tWriteLayout{}), sExpected);
    EXPECT_EQ(tSeam.StatusTexts(), std::vector<std::string>{"Saving KVL"});
    EXPECT_FALSE(FullFile());
}

TEST_F(KvlFileTest, EmptyProjectHasEveryFrameButNoFunctions) {
    const tWriteLayout tLay{.lWrapPos = 60, .bHdrComment = false};
    EXPECT_TRUE(MatchesGolden("writers/empty-project.kvl", BuildNewKvlFile(gtDoc, tLay)));
}

TEST_F(KvlFileTest, EquateColumnAndValueTexts) {
    AddID("%IDC_FIFTEEN_CHR", "1001", 0); // 16 characters: column 20
    AddID("%A", "&H3E9%", 0);
    int32_t lGone = AddID("%A_VERY_LONG_DELETED_NAME_123456", "1", 0);
    AddID("%B", "7&", 0);
    gatID.W(lGone).byDeleted = 1;
    std::string s;
    WriteKvlConstants(s, tWriteLayout{});
    EXPECT_EQ(s, Crlf("#Wrenkit Begin Constants \n"
                      "%IDC_FIFTEEN_CHR    = 1001\n"
                      "%A                  = &H3E9%\n"
                      "%B                  = 7&\n"
                      "#Wrenkit End Constants\n"));
    gatID.W(1).szIDName = "%IDC_FIFTEEN_CH"; // 15 characters: column 16, one blank
    s.clear();
    WriteKvlConstants(s, tWriteLayout{});
    EXPECT_NE(s.find("%IDC_FIFTEEN_CH = 1001\r\n"), std::string::npos);
}

TEST_F(KvlFileTest, FunctionNamesDropThePrefixAndOnePercent) {
    int32_t lMain = NewRes("%MAINDLG", "100", wkResDialog);
    int32_t lStd = NewRes("%IDD_ABOUT", "101", wkResDialog);
    int32_t lOdd = NewRes("%IDD_%X", "103", wkResDialog);
    int32_t lMenu = NewRes("%IDD_MENU", "104", wkResMenu); // a menu drops the resource prefix only
    EXPECT_EQ(FunctionBaseName(lMain), "MAINDLG");
    EXPECT_EQ(FunctionBaseName(lStd), "ABOUT");
    EXPECT_EQ(FunctionBaseName(lOdd), "X");
    EXPECT_EQ(FunctionBaseName(lMenu), "IDD_MENU");
    SetIDPrefix(0, "%DLG_");
    EXPECT_EQ(FunctionBaseName(lStd), "IDD_ABOUT");
    EXPECT_EQ(BlockArgument(lStd), "%IDD_ABOUT->->");
}

TEST_F(KvlFileTest, ResourceLineIsRelativeToTheSourceFolder) {
    RecordingSeam tSeam;
    NewDialog("%IDD_DIALOG1", "101", "D", 0, 0, 10, 10);
    std::string s;
    WriteKvlIncludes(s, tWriteLayout{}, gtDoc, false, false);
    EXPECT_EQ(s.find("#Resource"), std::string::npos); // nothing to compile
    AddStr(AddID("%IDS_HELLO", "200", wkUsedByStr), "Hello");
    const struct {
        const char* szPath;
        const char* szLine;
    } at[] = {
        {"", "#Resource \"NoName.kvr\""},
        {"C:\\Work\\Demo.bas", "#Resource \"Demo.kvr\""},
        {"C:\\Work\\Demo", "#Resource \"Demo.kvr\""},
        {"C:\\Work.v2\\Demo", "#Resource \"Demo.kvr\""},
        {"C:Demo.inc", "#Resource \"Demo.kvr\""},
        {"Demo.bas", "#Resource \"Demo.kvr\""},
    };
    for (const auto& t : at) {
        tDocument tDoc{};
        tDoc.sPath = t.szPath;
        s.clear();
        WriteKvlIncludes(s, tWriteLayout{}, tDoc, false, false);
        EXPECT_NE(s.find(std::string(t.szLine) + "\r\n"), std::string::npos) << t.szPath;
    }
}

TEST_F(KvlFileTest, IncludeFlagsAndEntryFunction) {
    int32_t lDlg = NewDialog("%IDD_DIALOG1", "101", "D", 0, 0, 10, 10);
    NewControl(lDlg, wkCtlRichEdit, "%IDC_RICHEDIT1", "1001", "", 0, 0, 10, 10);
    NewControl(lDlg, wkCtlMonthCal, "%IDC_CAL1", "1002", "", 0, 0, 10, 10);
    bool bComCtl = false;
    bool bRichEdit = false;
    KvlIncludeFlags(bComCtl, bRichEdit);
    EXPECT_TRUE(bComCtl);
    EXPECT_TRUE(bRichEdit);
    std::string s;
    WriteKvlMain(s, tWriteLayout{}, bComCtl, bRichEdit);
    const std::string sSep = SeparatorLine(tWriteLayout{});
    EXPECT_EQ(s, Crlf(sSep +
                      "\nFunction KvMain()\n"
                      "    Local hModRE As Dword\n\n"
                      "    WrenkitInitComCtls (%ICC_WIN95_CLASSES Or %ICC_DATE_CLASSES Or "
                      "%ICC_INTERNET_CLASSES)\n\n"
                      "    hModRE = LoadLibrary(\"RICHED32.DLL\")\n\n"
                      "    ShowDIALOG1 %HWND_DESKTOP\n\n"
                      "    FreeLibrary hModRE\n"
                      "End Function\n" +
                      sSep + "\n\n"));
    s.clear();
    WriteKvlIncludes(s, tWriteLayout{}, gtDoc, bComCtl, bRichEdit);
    EXPECT_NE(s.find("#If Not %Def(%KVCOMCTL_INC)\r\n    #Include \"KVCOMCTL.INC\"\r\n#EndIf\r\n"
                     "#If Not %Def(%KVRICHED_INC)\r\n    #Include \"KVRICHED.INC\"\r\n#EndIf\r\n"
                     "#Include \"Wrenkit.INC\"\r\n#Wrenkit End Includes"),
              std::string::npos);
}

TEST_F(KvlFileTest, OwnFontAloneNeedsTheHelperInclude) {
    int32_t lDlg = NewDialog("%IDD_DIALOG1", "101", "D", 0, 0, 10, 10);
    tFontDesc t{};
    t.szFontName = "MS Sans Serif";
    t.fFontSize = 8;
    AddFont(t);
    t.lWeight = 700;
    int32_t lRow = NewControl(lDlg, wkCtlLabel, "", "", "x", 0, 0, 10, 10);
    std::string s;
    WriteKvlIncludes(s, tWriteLayout{}, gtDoc, false, false);
    EXPECT_EQ(s.find("Wrenkit.INC"), std::string::npos);
    gatDlg.W(lRow).lFontElem = AddFont(t);
    WriteKvlIncludes(s, tWriteLayout{}, gtDoc, false, false);
    EXPECT_NE(s.find("#Include \"Wrenkit.INC\"\r\n"), std::string::npos);
}

TEST_F(KvlFileTest, SectionsAloneReportTheirStatusAndLeaveTheFlagClear) {
    BuildExampleProject();
    RecordingSeam tSeam;
    const std::string sFile = BuildNewKvlFile(gtDoc, tWriteLayout{});
    for (const std::string& s :
         {KvlConstantsSection(tWriteLayout{}), KvlMenusSection(tWriteLayout{}),
          KvlAcceleratorsSection(tWriteLayout{}), KvlCallBacksSection(tWriteLayout{}),
          KvlDialogsSection(tWriteLayout{}), KvlIncludesSection(gtDoc, tWriteLayout{}),
          KvlDeclarationsSection(tWriteLayout{})}) {
        EXPECT_FALSE(s.empty());
        EXPECT_NE(sFile.find(s), std::string::npos) << s;
    }
    EXPECT_EQ(KvlSampleCodeSection(tWriteLayout{}), "");
    EXPECT_FALSE(FullFile());
    EXPECT_EQ(tSeam.StatusTexts(),
              (std::vector<std::string>{"Saving KVL", "Saving KVL Constants", "Saving KVL Menu",
                                        "Saving KVL Accelerators", "Saving KVL Basic Code",
                                        "Saving KVL Dialog", "Saving KVL",
                                        "Saving KVL Declarations", "Saving KVL Basic Code"}));
}

// The document handed in, not the program's own: a writer that read the open
// file's globals would lose the copy here.
TEST_F(KvlFileTest, ImportedTextIsCopiedOnlyByAnOrdinarySave) {
    const std::string sImported = "Function KvMain()\r\nEnd Function";
    tDocument tDoc{};
    OpenWorkFile(tDoc.tPreImport);
    AppendWorkFile(tDoc.tPreImport, sImported);
    const std::string sCopy = Crlf("\n'" + std::string(80, '=') +
                                   "\n#Wrenkit Copy\n"
                                   "'The following is a copy of your code before importing:\n"
                                   "#If 0\n") +
                              sImported + Crlf("\n#EndIf\n");
    const std::string sPlain = BuildNewKvlFile(tDoc, tWriteLayout{}, false);
    EXPECT_EQ(BuildNewKvlFile(tDoc, tWriteLayout{}, true), sPlain + sCopy);
    EXPECT_EQ(BuildKvlFile(tDoc, tWriteLayout{}, true), sPlain + sCopy);
    EXPECT_EQ(BuildNewKvlFile(gtDoc, tWriteLayout{}, true), sPlain);
    tDoc.lAsNew = 1;
    EXPECT_EQ(BuildNewKvlFile(tDoc, tWriteLayout{}, true), sPlain);
}

} // namespace
