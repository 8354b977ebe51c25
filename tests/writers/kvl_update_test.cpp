// The update writer on blocks as the reader leaves them: user text comes back
// byte for byte, blocks are regenerated, and only resources new to the file
// get declarations and whole functions.
#include "tests/support/golden.h"
#include "tests/support/recording_seam.h"
#include "tests/writers/writer_fixture.h"

#include <algorithm>

namespace {

class UpdateTest : public WriterTest {
  protected:
    // Appends user text the way the reader keeps it.
    static void User(const std::string& s) {
        int32_t lPos = AppendWorkFile(gtDoc.tWork, s);
        AddBlock(0, 0, lPos, static_cast<int32_t>(s.size()));
    }
    static void StartFile() {
        OpenWorkFile(gtDoc.tWork);
        AddBlock(1, 0, 0, 0);
    }
};

TEST_F(UpdateTest, NothingToUpdateWithoutAFileWithBlocks) {
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc, tWriteLayout{}), "");
    OpenWorkFile(gtDoc.tWork);
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc, tWriteLayout{}), "");
    gtDoc.tWork.lOpen = 0;
    AddBlock(1, 0, 0, 0);
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc, tWriteLayout{}), "");
    EXPECT_EQ(BuildKvlFile(gtDoc, tWriteLayout{}, false), BuildNewKvlFile(gtDoc, tWriteLayout{}));
}

TEST_F(UpdateTest, UnchangedProjectComesBackByteForByte) {
    StartFile();
    User("'  my header  \r\n\t\r\n");
    AddBlock(3, 0, 0, 0);
    User("Declare Sub Mine()\r\n");
    AddBlock(4, 0, 0, 0);
    User("Sub Mine()\r\nEnd Sub"); // no final line end
    AddID("%IDC_X", "5", 0);
    RecordingSeam tSeam;
    const std::string sExpected =
        Crlf("#Wrenkit Created\n'  my header  \n\t\n"
             "#Wrenkit Begin Constants \n%IDC_X  = 5\n#Wrenkit End Constants\n"
             "Declare Sub Mine()\n#Wrenkit Declarations\nSub Mine()\nEnd Sub");
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc, tWriteLayout{}), sExpected);
    EXPECT_EQ(BuildUpdatedKvlFile(gtDoc, tWriteLayout{}),
              sExpected); // and again: no line is added per save
    EXPECT_EQ(BuildKvlFile(gtDoc, tWriteLayout{}, true), sExpected);
    gtDoc.lAsNew = 1;
    EXPECT_EQ(BuildKvlFile(gtDoc, tWriteLayout{}, true), BuildNewKvlFile(gtDoc, tWriteLayout{}));
    EXPECT_EQ(tSeam.StatusTexts().front(), "Saving KVL");
}

TEST_F(UpdateTest, NewResourcesGetDeclarationsAndWholeFunctions) {
    StartFile();
    AddBlock(4, 0, 0, 0);
    User("Sub Mine()\r\nEnd Sub"); // the user left no final line end
    int32_t lDlg = NewDialog("%IDD_NEW", "101", "New", 0, 0, 10, 10);
    NewControl(lDlg, wkCtlListView, "%IDC_LV", "1001", "", 0, 0, 1, 1);
    int32_t lAccel = NewRes("%IDR_KEYS", "102", wkResAccel);
    AddAccel(AddID("%IDM_GO", "1002", 0), lAccel, 'G', wkFControl);
    const std::string s = BuildUpdatedKvlFile(gtDoc, tWriteLayout{});
    EXPECT_TRUE(MatchesGolden("writers/update-new-resources.kvl", s));
    EXPECT_NE(s.find("    SampleListView hDlg, %IDC_LV, 3, 30\r\n"), std::string::npos);
    EXPECT_EQ(s.find("Function SampleListView("), std::string::npos);
    EXPECT_FALSE(FullFile());
}

TEST_F(UpdateTest, BlocksOfDeletedResourcesAndAnExistingAssignAccel) {
    StartFile();
    int32_t lOld = NewRes("%IDR_OLD", "100", wkResAccel);
    int32_t lKept = NewRes("%IDR_KEPT", "101", wkResAccel);
    AddAccel(AddID("%IDM_A", "1000", 0), lKept, 'A', 0);
    AddBlock(5, 0, 0, 0);
    User("Function AttachOLD(ByVal hDlg As Dword) As Dword\r\n");
    AddBlock(6, lOld, 0, 0);
    User("End Function\r\n");
    AddBlock(6, lKept, 0, 0);
    AddBlock(7, lKept, 0, 0); // a menu block cannot stand for an accelerator table
    AddBlock(4, 0, 0, 0);
    DeleteResource(lOld);
    int32_t lNew = NewRes("%IDR_NEW", "102", wkResAccel);
    std::string s = BuildUpdatedKvlFile(gtDoc, tWriteLayout{});
    std::string sKept;
    WriteAccelFunction(sKept, tWriteLayout{}, lKept);
    std::string sAssign;
    WriteAssignAccelBlock(sAssign, tWriteLayout{});
    EXPECT_EQ(s.find("%IDR_OLD"), std::string::npos);
    EXPECT_TRUE(s.starts_with(
        "#Wrenkit Created\r\n" + sAssign +
        "Function AttachOLD(ByVal hDlg As Dword) As Dword\r\nEnd Function\r\n" + sKept +
        "Declare Function AttachNEW(ByVal hDlg As Dword) As Dword\r\n"
        "#Wrenkit Declarations\r\n"))
        << s;
    // The file already has its AssignAccel function: it is neither declared nor added again.
    EXPECT_EQ(s.find("Declare Function AssignAccel"), std::string::npos);
    EXPECT_EQ(s.find(sAssign, 19), std::string::npos);
    EXPECT_NE(s.find("Function AttachNEW(ByVal hDlg As Dword) As Dword\r\n#Wrenkit Begin Accel "),
              std::string::npos);
    (void)lNew;
}

TEST_F(UpdateTest, NewFunctionsStayAboveTheCopyOfAnImportedFile) {
    StartFile();
    AddBlock(4, 0, 0, 0);
    const std::string sEquals = "'" + std::string(80, '=') + "\r\n";
    User("End Function\r\n\r\n" + sEquals);
    AddBlock(12, 0, 0, 0);
    User("'The following is a copy of your code before importing:\r\n#If "
         "0\r\nold\r\n\r\n#EndIf\r\n");
    int32_t lMenu = NewRes("%IDR_MENU1", "100", wkResMenu);
    AddMenuItem(AddID("%IDM_X", "1000", 0), lMenu, 0, 0, wkMenuItem, 0, 0, "X");
    std::string s = BuildUpdatedKvlFile(gtDoc, tWriteLayout{});
    std::string sMenu;
    {
        const FullFileScope tFull(true);
        WriteMenuFunction(sMenu, tWriteLayout{}, lMenu);
    }
    EXPECT_TRUE(s.ends_with("End Function\r\n\r\n" + sMenu + "\r\n" + sEquals +
                            "#Wrenkit Copy\r\n'The following is a copy of your code before "
                            "importing:\r\n#If 0\r\nold\r\n\r\n#EndIf\r\n"))
        << s;
}

// Save hands the updated file on in pieces while it is made; joined they are
// the text the viewer shows. User text of more than a piece's size lies before
// the line above the Copy marker, where the appended functions need that line
// still at hand, and in the second file before the constants and a last line
// without its line end.
TEST_F(UpdateTest, PiecesOfALargeFileJoinToTheWholeText) {
    std::string sLarge;
    for (int32_t l = 0; sLarge.size() < 1500000; ++l) {
        sLarge += "' user line " + std::to_string(l) + "\r\n";
    }
    const std::string sEquals = "'" + std::string(80, '=') + "\r\n";
    auto Pieces = [](std::size_t& lCount) {
        std::string s;
        lCount = 0;
        BuildKvlFilePieces(gtDoc, tWriteLayout{}, true, [&](std::string_view sPiece) {
            s += sPiece;
            ++lCount;
        });
        return s;
    };
    for (int32_t lCase = 0; lCase < 2; ++lCase) {
        ResetModel();
        ResetWriterInputs();
        StartFile();
        AddBlock(4, 0, 0, 0);
        if (lCase == 0) {
            User(sLarge + "End Function\r\n\r\n" + sEquals);
            AddBlock(12, 0, 0, 0);
            User("'The following is a copy of your code before importing:\r\n");
        } else {
            User(sLarge);
            AddBlock(3, 0, 0, 0);
            User("Sub Mine()\r\nEnd Sub"); // no final line end
        }
        int32_t lMenu = NewRes("%IDR_MENU1", "100", wkResMenu);
        AddMenuItem(AddID("%IDM_X", "1000", 0), lMenu, 0, 0, wkMenuItem, 0, 0, "X");
        const std::string sWhole = BuildKvlFile(gtDoc, tWriteLayout{}, true);
        std::size_t lCount = 0;
        // Compared without printing: a diff of texts this large takes minutes.
        const std::string sJoined = Pieces(lCount);
        const auto [itJoined, itWhole] =
            std::mismatch(sJoined.begin(), sJoined.end(), sWhole.begin(), sWhole.end());
        EXPECT_TRUE(sJoined == sWhole)
            << "case " << lCase << ": first difference at byte " << (itJoined - sJoined.begin());
        EXPECT_GT(lCount, 1u) << lCase;
    }
}

} // namespace
