// The command table as the user drives it: menu items and toolbar buttons
// follow the enabling rule as the project grows,
// Esc and F8 through the accelerator table, dropped files and the command line.
#include "tests/win/user_input.h"

#include "app/command_enabling.h"
#include "app/commands.h"
#include "app/view_commands.h"
#include "designer/design_undo.h"
#include "writers/kvl_writer.h"

#include <fstream>

namespace {

using Commands = ShellTest;

// What the message loop does with a key: the accelerator table first.
bool PressKey(WPARAM lKey, HWND hTarget) {
    MSG tMsg{};
    tMsg.hwnd = hTarget;
    tMsg.message = WM_KEYDOWN;
    tMsg.wParam = lKey;
    tMsg.lParam = 1;
    return TranslateAcceleratorA(ghWndMain, ghAccelMain, &tMsg) != 0;
}

// Every command of a menu, its pop-ups walked through.
std::vector<UINT> MenuCommands(HMENU hMenu) {
    std::vector<UINT> al;
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
        if (HMENU hSub = GetSubMenu(hMenu, i)) {
            const std::vector<UINT> alSub = MenuCommands(hSub);
            al.insert(al.end(), alSub.begin(), alSub.end());
        } else if (const UINT lId = GetMenuItemID(hMenu, i); lId && lId != static_cast<UINT>(-1)) {
            al.push_back(lId);
        }
    }
    return al;
}

// Every menu item and toolbar button shows what the enabling rule says.
void ExpectCommandsFollowTheRule(const char* szState) {
    UpdateCommands();
    for (UINT lId : MenuCommands(GetMenu(ghWndMain))) {
        // The align commands have the design surface's own rule.
        const auto l = static_cast<int32_t>(lId);
        const bool bAlign = l >= IDM_ALIGN_FIRST && l <= IDM_ALIGN_LAST;
        EXPECT_EQ(ShellTest::MenuEnabled(lId),
                  (bAlign ? AlignCmdAllowed(l) : CommandAllowed(l)) != 0)
            << szState << ", menu item " << lId;
    }
    const int lButtons = static_cast<int>(SendMessageA(ghToolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < lButtons; ++i) {
        TBBUTTON t{};
        SendMessageA(ghToolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&t));
        if (!(t.fsStyle & BTNS_SEP)) {
            EXPECT_EQ(ShellTest::ButtonState(static_cast<UINT>(t.idCommand)) &
                          TBSTATE_INDETERMINATE,
                      CommandAllowed(t.idCommand) ? 0 : TBSTATE_INDETERMINATE)
                << szState << ", button " << t.idCommand;
        }
    }
}

HWND MakeStandIn(const char* szTitle) {
    return CreateWindowExA(WS_EX_TOOLWINDOW, "Static", szTitle, WS_POPUP | WS_VISIBLE | WS_CAPTION,
                           100, 100, 200, 150, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

} // namespace

TEST_F(Commands, MenuAndToolbarFollowTheRuleAsTheProjectGrows) {
    ASSERT_TRUE(CreateShown());
    ExpectCommandsFollowTheRule("an empty project");
    for (UINT lId : {IDM_SAVE, IDM_CLOSE, IDM_PROPERTIES, IDM_CUT, IDM_PASTE, IDM_IDE_OPENFILE}) {
        EXPECT_FALSE(MenuEnabled(lId)) << lId;
    }
    EXPECT_TRUE(MenuEnabled(IDM_OPEN));
    MakeDialog(1);
    glChanged = 1;
    ExpectCommandsFollowTheRule("a changed dialog");
    EXPECT_TRUE(MenuEnabled(IDM_SAVE));
    EXPECT_FALSE(MenuEnabled(IDM_CLIP_RC_STRINGS));
    // Strings and version information reach the resource script's sections.
    AddStr(AddID("%IDS_HELLO", "3000", wkUsedByStr), "Hello");
    NewVersionInfo(0x040904B0);
    ExpectCommandsFollowTheRule("strings and version information");
    EXPECT_TRUE(MenuEnabled(IDM_CLIP_RC_STRINGS));
    EXPECT_TRUE(MenuEnabled(IDM_CLIP_RC_VERSION));
    glChanged = 0;
    ExpectCommandsFollowTheRule("a saved project");
    // Nothing changes while updates are suspended.
    glChanged = 1;
    glUpdatesSuspended = 1;
    UpdateCommands();
    glUpdatesSuspended = 0;
    EXPECT_FALSE(MenuEnabled(IDM_SAVE));
}

TEST_F(Commands, DialogRulesCountTheControls) {
    MakeDialog(1);
    EXPECT_TRUE(CommandAllowed(IDM_SELECTDIALOG));
    for (int32_t lId :
         {IDM_TESTDIALOG, IDM_PROPERTIES, IDM_MENUEDITOR, IDM_TOOLBOX, IDM_SELECTALL}) {
        EXPECT_TRUE(CommandAllowed(lId)) << lId;
    }
    EXPECT_FALSE(CommandAllowed(IDM_TABORDER)); // one control has no order to set
    ClearProject();
    MakeDialog(2);
    EXPECT_TRUE(CommandAllowed(IDM_SELECTALL));
    EXPECT_TRUE(CommandAllowed(IDM_TABORDER));
    // A control row that was deleted no longer counts.
    DeleteDlgRow(LastControlRow(gtElem.lResDlg));
    EXPECT_FALSE(CommandAllowed(IDM_TABORDER));
    // Paste needs copied controls on the clipboard.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(CommandAllowed(IDM_PASTE));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, 16);
    SetClipboardData(RegisterClipboardFormatA("KvDlgEditControls"), hMem);
    CloseClipboard();
    EXPECT_TRUE(CommandAllowed(IDM_PASTE));
    gtElem.lDlg = 0;
    EXPECT_FALSE(CommandAllowed(IDM_PASTE));
}

TEST_F(Commands, ToolboxShowsOnlyWithADialogWhileActiveAndAllowed) {
    ASSERT_TRUE(CreateShown());
    ghToolbox = MakeStandIn("Toolbox");
    glAppActive = 1;
    UpdateCommands();
    EXPECT_FALSE(IsWindowVisible(ghToolbox));
    MakeDialog(1);
    UpdateCommands();
    EXPECT_TRUE(IsWindowVisible(ghToolbox));
    glToolboxAllowed = 0;
    UpdateCommands();
    EXPECT_FALSE(IsWindowVisible(ghToolbox));
    glToolboxAllowed = 1;
    glAppActive = 0;
    UpdateCommands();
    EXPECT_FALSE(IsWindowVisible(ghToolbox));
    DestroyWindow(ghToolbox);
    ghToolbox = nullptr;
}

TEST_F(Commands, EscapeMakesTheDialogTheSelection) {
    ASSERT_TRUE(CreateShown());
    MakeDialog(2);
    const int32_t lControl = LastControlRow(gtElem.lResDlg);
    gtElem.lCtl = lControl;
    // Esc goes through accelerator table 201 from any window of the program.
    EXPECT_TRUE(PressKey(VK_ESCAPE, ghWorkspace));
    EXPECT_EQ(gtElem.lCtl, gtElem.lDlg);
    // Without a dialog there is nothing to select.
    gtElem.lDlg = 0;
    gtElem.lCtl = lControl;
    CancelCmd();
    EXPECT_EQ(gtElem.lCtl, lControl);
}

TEST_F(Commands, F8SwitchesBetweenDesignDialogAndToolbox) {
    HWND hWnd = CreateShown();
    MakeDialog(1);
    HWND hDesign = MakeStandIn("Design");
    ghToolbox = MakeStandIn("Toolbox");
    gatDlg.W(gtElem.lDlg).hWnd = reinterpret_cast<intptr_t>(hDesign);
    SetForegroundWindow(hWnd);
    PumpMessages(30);
    ASSERT_EQ(GetForegroundWindow(), hWnd);
    EXPECT_TRUE(PressKey(VK_F8, hWnd));
    PumpMessages(30);
    EXPECT_EQ(GetForegroundWindow(), hDesign);
    EXPECT_TRUE(PressKey(VK_F8, hDesign));
    PumpMessages(30);
    EXPECT_EQ(GetForegroundWindow(), ghToolbox);
    EXPECT_TRUE(PressKey(VK_F8, ghToolbox));
    PumpMessages(30);
    EXPECT_EQ(GetForegroundWindow(), hDesign);
    gatDlg.W(gtElem.lDlg).hWnd = 0;
    DestroyWindow(hDesign);
    DestroyWindow(ghToolbox);
    ghToolbox = nullptr;
}

TEST_F(Commands, DropsUseTheFirstFileByItsLastExtension) {
    EXPECT_EQ(DropAction("C:\\a\\Main.BAS"), 1);
    EXPECT_EQ(DropAction("C:\\a\\decl.inc"), 1);
    EXPECT_EQ(DropAction("C:\\a\\res.Rc"), 2);
    EXPECT_EQ(DropAction("C:\\a\\Form1.frm"), 2);
    EXPECT_EQ(DropAction("C:\\a.bas\\notes.txt"), 0);
    EXPECT_EQ(DropAction("C:\\a\\README"), 0);

    HWND hWnd = CreateShown();
    HDROP hThree = MakeDrop({"C:\\p\\first.txt", "C:\\p\\second.bas", "C:\\p\\third.rc"});
    EXPECT_EQ(DropFiles(hWnd, hThree), "C:\\p\\first.txt");
    // The drop was finished: its memory is gone.
    EXPECT_EQ(GlobalSize(hThree), 0u);
    // And through the window, as the shell delivers it.
    HDROP hMsg = MakeDrop({"C:\\p\\nothing.txt", "C:\\p\\x.bas", "C:\\p\\y.bas"});
    SendMessageA(hWnd, WM_DROPFILES, reinterpret_cast<WPARAM>(hMsg), 0);
    EXPECT_EQ(GlobalSize(hMsg), 0u);
    EXPECT_EQ(WindowText(hWnd), "Wrenkit");
    EXPECT_EQ(glChanged, 0);
}

TEST_F(Commands, CommandLineNamesOneFileByItsFirstDot) {
    std::string sFile;
    EXPECT_EQ(CommandLineFileType("  \"C:\\My Files\\main.bas\" ", sFile), 1);
    EXPECT_EQ(sFile, "C:\\My Files\\main.bas");
    EXPECT_EQ(CommandLineFileType("C:\\src\\dlg.RC", sFile), 2);
    EXPECT_EQ(CommandLineFileType("C:\\src\\form.h", sFile), 2);
    EXPECT_EQ(CommandLineFileType("C:\\my.dir\\main.bas", sFile), 0); // the folder's dot counts
    EXPECT_EQ(CommandLineFileType("C:\\src\\notes.txt", sFile), 0);
    EXPECT_EQ(CommandLineFileType("   ", sFile), 0);
    EXPECT_EQ(CommandLineFileType("\"\"", sFile), 0);
}

TEST_F(Commands, CommandLineFileBecomesTheFirstRecentFile) {
    char szDir[MAX_PATH] = "";
    GetTempPathA(sizeof(szDir), szDir);
    const std::string sFile = std::string(szDir) + "wk_cmdline.bas";
    HANDLE hFile = CreateFileA(sFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    CloseHandle(hFile);
    gsCommandLine = "\"" + sFile + "\"";
    ASSERT_NE(RegisterMainClass(GetModuleHandleA(nullptr)), 0);
    HWND hWnd = CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_TRUE(hWnd);
    EXPECT_EQ(MenuItemText(GetMenu(hWnd), IDM_RECENT_FIRST), "&1 " + sFile);
    // The file opens once the loop runs, as the first recent file (taken off
    // the queue here: opening it is the file commands' business).
    bool bOpens = false;
    MSG tMsg;
    while (PeekMessageA(&tMsg, hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE)) {
        bOpens = bOpens || LOWORD(tMsg.wParam) == IDM_RECENT_FIRST;
    }
    EXPECT_TRUE(bOpens);
    std::string sFirst;
    EXPECT_EQ(MruFirst(SettingsPath(), gszMruSection, sFirst), 1);
    EXPECT_EQ(sFirst, sFile);
    DeleteFileA(sFile.c_str());
}

TEST_F(Commands, CloseAsksToSaveChangesAndCancelKeepsTheProgram) {
    HWND hWnd = CreateShown();
    MakeDialog(1);
    glChanged = 1;
    std::string sQuestion;
    WatchFor("Wrenkit", [&](HWND hBox) {
        sQuestion = MessageBoxText(hBox);
        PressButton(hBox, IDCANCEL);
    });
    Command(IDM_EXIT); // posts the close, as Alt+F4 does
    PumpUntil([&] { return !sQuestion.empty(); }, 5000);
    PumpMessages(50);
    EXPECT_EQ(sQuestion, "Save current changes?");
    EXPECT_TRUE(IsWindow(hWnd));
    EXPECT_EQ(glChanged, 1);
    EXPECT_GT(gtElem.lDlg, 0);
    EXPECT_EQ(SettingsGetText("Settings", "MainDlgPos"), "");

    // No: the project is dropped and the window goes, its position kept.
    sQuestion.clear();
    WatchFor("Wrenkit", [&](HWND hBox) {
        sQuestion = MessageBoxText(hBox);
        PressButton(hBox, IDNO);
    });
    SendMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages(50);
    EXPECT_EQ(sQuestion, "Save current changes?");
    EXPECT_FALSE(IsWindow(hWnd));
    EXPECT_EQ(glDlgCnt, 0);
    EXPECT_FALSE(SettingsGetText("Settings", "MainDlgPos").empty());
}

TEST_F(Commands, AnUnchangedProjectClosesWithoutAQuestion) {
    HWND hWnd = CreateShown();
    MakeDialog(1);
    glChanged = 0;
    SendMessageA(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(hWnd));
}

TEST_F(Commands, ADroppedSourceFileOpensAndBecomesRecent) {
    gtOptions.lImportResults = 0; // no results box to answer
    MakeDialog(2);
    char szDir[MAX_PATH] = "";
    GetTempPathA(sizeof(szDir), szDir);
    const std::string sFile = std::string(szDir) + "wk_dropped.bas";
    {
        std::ofstream tOut(sFile, std::ios::binary);
        tOut << BuildNewKvlFile(gtDoc, tWriteLayout{});
    }
    ClearProject();
    HWND hWnd = CreateShown();
    SendMessageA(hWnd, WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop({sFile.c_str(), "C:\\p\\other.rc"})), 0);
    EXPECT_EQ(WindowText(hWnd), "Wrenkit - [" + sFile + "]");
    EXPECT_EQ(MenuItemText(GetMenu(hWnd), IDM_RECENT_FIRST), "&1 " + sFile);
    EXPECT_EQ(CountResources(wkResDialog), 1);
    EXPECT_TRUE(MenuEnabled(IDM_IDE_OPENFILE));
    EXPECT_TRUE(MenuEnabled(IDM_CLOSE));
    Command(IDM_CLOSE);
    EXPECT_EQ(WindowText(hWnd), "Wrenkit");
    DeleteFileA(sFile.c_str());
}

TEST_F(Commands, ViewCommandsShowTheGeneratedCode) {
    ASSERT_TRUE(CreateShown());
    MakeDialog(1);
    const tCodeView tNew = BuildCodeView(IDM_VIEW_NEWKVL);
    EXPECT_EQ(tNew.sTitle, "View New KVL Code");
    EXPECT_NE(tNew.sText.find("#Wrenkit"), std::string::npos);
    EXPECT_EQ(gtDoc.lAsNew, 0);
    EXPECT_EQ(BuildCodeView(IDM_VIEW_RC).sTitle, "View RC Code");
    EXPECT_EQ(BuildCodeView(IDM_VIEW_SDKBASIC).sTitle, "View SDK - Basic Code for RC");
    const tCodeView tDump = BuildCodeView(IDM_VIEW_TESTVALUES);
    EXPECT_EQ(tDump.sText.rfind("Wrenkit test values, ", 0), 0u);
    EXPECT_NE(tDump.sText.find("IDC_BUTTON1"), std::string::npos);
}
