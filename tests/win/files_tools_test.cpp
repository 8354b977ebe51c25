// The outside programs, played by stand-ins built with the tests: RC.EXE and
// KVRES.EXE compiling the companion script, and the IDE KVEDIT.EXE.
#include "tests/win/files_support.h"

namespace {

class ToolsTest : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        sTools = MakeTempFolder("wk tools");
        sSource = MakeTempFolder("wk my source");
        SetProgramFolder(sTools);
    }
    // RC.EXE and KVRES.EXE in the program folder, KVWIN.INI naming include folders.
    void PlaceCompilers(bool bConverter = true) {
        PlaceStandin("standin_rc_exe.exe", sTools, "RC.EXE");
        if (bConverter) {
            PlaceStandin("standin_kvres_exe.exe", sTools, "KVRES.EXE");
        }
        WriteFileText(sTools + "KVWIN.INI",
                      "[Compiler]\r\nRcInclude0=\r\nRcInclude1= C:\\Kv Inc \r\n");
    }
    std::string sTools;
    std::string sSource;
};

} // namespace

TEST_F(ToolsTest, BothStepsBuildTheKvrFileWithTheirCommandLines) {
    PlaceCompilers();
    const std::string sScript = sSource + "app.rc";
    WriteFileText(sScript, "WARN only\r\n");
    WriteFileText(sSource + "app.kvr", "stale");
    EXPECT_EQ(CompileResources(hOwner, sScript), 1);
    EXPECT_EQ(ReadFileWhole(sTools + "rc_cmdline.txt"),
              "\"" + sTools + "RC.EXE\" /x  /i \"C:\\Kv Inc\" \"" + sScript + "\"");
    EXPECT_EQ(ReadFileWhole(sTools + "kvres_cmdline.txt"),
              "\"" + sTools + "KVRES.EXE\" \"" + sSource + "app.res\"");
    EXPECT_EQ(ReadFileWhole(sSource + "app.kvr"), "KVR RES WARN only\r\n");
    EXPECT_FALSE(Exists(sSource + "app.rclog")); // read and deleted
    EXPECT_TRUE(SeenBoxes().empty());            // warnings alone are not shown
    EXPECT_TRUE(IsWindowEnabled(hOwner));
}

TEST_F(ToolsTest, CompilerErrorsAreShownAndStopTheConversion) {
    PlaceCompilers();
    const std::string sScript = sSource + "app.rc";
    WriteFileText(sScript, "FAIL here\r\n");
    Answer("Wrenkit", IDOK);
    EXPECT_EQ(CompileResources(hOwner, sScript), 0);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText,
              "app.rc(1) : error RC2104 : undefined keyword or key name: FAIL\r\n");
    EXPECT_FALSE(Exists(sSource + "app.res"));
    EXPECT_FALSE(Exists(sTools + "kvres_cmdline.txt"));
    EXPECT_TRUE(IsWindowEnabled(hOwner));
}

TEST_F(ToolsTest, MissingProgramsAndAMissingKvrAreReported) {
    const std::string sScript = sSource + "app.rc";
    WriteFileText(sScript, "NOKVR\r\n");
    Answer("Wrenkit", IDOK);
    EXPECT_EQ(CompileResources(hOwner, sScript), 0);

    PlaceCompilers(false);
    Answer("Wrenkit", IDOK);
    EXPECT_EQ(CompileResources(hOwner, sScript), 0);
    EXPECT_TRUE(Exists(sSource + "app.res")); // the first step was done

    PlaceStandin("standin_kvres_exe.exe", sTools, "KVRES.EXE");
    Answer("Wrenkit", IDOK);
    EXPECT_EQ(CompileResources(hOwner, sScript), 0);
    ASSERT_EQ(SeenBoxes().size(), 3u);
    EXPECT_EQ(SeenBoxes()[0].sText, "Can't find resource compiler: " + sTools + "RC.EXE");
    EXPECT_EQ(SeenBoxes()[1].sText, "Can't find Korvel resource compiler: " + sTools + "KVRES.EXE");
    EXPECT_EQ(SeenBoxes()[2].sText, "Error creating .KVR resource.");
}

TEST_F(ToolsTest, IdeGetsTheFileInQuotesOrIsBroughtToTheFront) {
    const std::string sFile = sSource + "My App.bas";
    WriteFileText(sFile, "");
    SetCurrentFile(sFile, 1);

    Answer("Wrenkit", IDOK);
    IdeOpenFileCmd(hOwner);
    ASSERT_EQ(SeenBoxes().size(), 1u);
    EXPECT_EQ(SeenBoxes()[0].sText, "File is not found: " + sTools + "KVEDIT.EXE");

    PlaceStandin("standin_kvedit_exe.exe", sTools, "KVEDIT.EXE");
    const std::string sNoted = sTools + "kvedit_cmdline.txt";
    IdeOpenFileCmd(hOwner);
    ASSERT_TRUE(PumpUntil([&] { return !ReadFileWhole(sNoted).empty(); }, 10000));
    EXPECT_EQ(ReadFileWhole(sNoted), sTools + "KVEDIT.EXE \"" + sFile + "\"");
    DeleteFileA(sNoted.c_str());

    // A changed project answered with Cancel opens nothing.
    AddID("%IDC_CHANGED", "1001", 0);
    Answer("Wrenkit", IDCANCEL);
    IdeOpenFileCmd(hOwner);
    EXPECT_EQ(SeenBoxes().back().sText, "Save current changes?");

    // A running IDE is found by its window class and nothing is started.
    WNDCLASSA tClass{};
    tClass.lpfnWndProc = DefWindowProcA;
    tClass.hInstance = GetModuleHandleA(nullptr);
    tClass.lpszClassName = "KVWIN32MAIN";
    RegisterClassA(&tClass);
    HWND hIde = CreateWindowExA(0, "KVWIN32MAIN", "IDE", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(hOwner);
    IdeActivateCmd(hOwner);
    PumpMessages(1500);
    EXPECT_FALSE(Exists(sNoted));
    EXPECT_EQ(GetForegroundWindow(), hIde);
    DestroyWindow(hIde);

    // No IDE running: F7 starts it without a file.
    IdeActivateCmd(hOwner);
    ASSERT_TRUE(PumpUntil([&] { return !ReadFileWhole(sNoted).empty(); }, 10000));
    EXPECT_EQ(ReadFileWhole(sNoted), sTools + "KVEDIT.EXE");
}
