#include "tests/readers/reader_fixture.h"

#include "model/accel_keys.h"
#include "readers/file_text.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

using KvlStatements = ReaderTest;

namespace {

// A dialog block with its Constants, as the writers lay them out.
std::string DialogFile(std::string_view sConstants, std::string_view sBody) {
    return "#Wrenkit Created\n#Wrenkit Begin Constants \n%IDD_D = 101\n" + std::string(sConstants) +
           "#Wrenkit End Constants\n#Wrenkit Begin Dialog %IDD_D->->\n    Local hDlg As Dword\n\n" +
           std::string(sBody) + "#Wrenkit End Dialog\n";
}

} // namespace

TEST_F(KvlStatements, DialogNewShapes) {
    ASSERT_EQ(Load(Crlf(DialogFile(
                  "", "    Dialog New hParent, \"Say \"\"Hi\"\"\", 70, 71, 201, 121, To hDlg\n"))),
              1);
    int32_t lDlg = Row("%IDD_D");
    ASSERT_NE(lDlg, 0);
    const tDlg tDefault = gatDlg[lDlg];
    EXPECT_EQ(Caption(tDefault.lCaptionElem), "Say \"Hi\"");
    EXPECT_EQ(tDefault.lCtlType, 0);
    EXPECT_EQ(tDefault.nLeft, 70);
    EXPECT_EQ(tDefault.nTop, 71);
    EXPECT_EQ(tDefault.nRight, 271);
    EXPECT_EQ(tDefault.nBottom, 192);
    EXPECT_EQ(tDefault.lFontElem, 1);
    EXPECT_EQ(tDefault.lClassElem, FindClass("DialogStyles"));
    // No style part: the dialog defaults, in a list of the row's own.
    EXPECT_EQ(static_cast<uint32_t>(tDefault.lStyle), 0x94C000D4u);
    EXPECT_EQ(tDefault.lExStyle, 0x10100);
    EXPECT_NE(tDefault.lStyleStrElem, gatCtlDefault[0].lStyleStrElem);
    EXPECT_EQ(GetDynStr(tDefault.lStyleStrElem), GetDynStr(gatCtlDefault[0].lStyleStrElem));
    EXPECT_EQ(gtElem.lDlg, lDlg);
    EXPECT_EQ(gtElem.lCtl, lDlg);

    // Styles by name (aliases kept as written), an empty style list, an
    // expression for a size, a centred dialog.
    ASSERT_EQ(Load(Crlf(DialogFile(
                  "", "    Dialog New hParent, \"O\", -1, 0, lW, 120, %WS_POPUP Or %WS_CAPTION _\n"
                      "        Or %ds_modalframe, %WS_EX_TOOLWINDOW, To hDlg\n"))),
              1);
    lDlg = Row("%IDD_D");
    EXPECT_EQ(gatDlg[lDlg].nLeft, -1);
    EXPECT_EQ(gatDlg[lDlg].nRight, 9); // -1 + 10
    EXPECT_EQ(Styles(gatDlg[lDlg].lStyleStrElem),
              "%WS_POPUP Or %WS_CAPTION Or %DS_MODALFRAME Or %WS_VISIBLE Or %DS_3DLOOK Or "
              "%DS_NOFAILCREATE Or %DS_SETFONT Or %DS_CENTER");
    EXPECT_EQ(Styles(gatDlg[lDlg].lExStyleStrElem), "%WS_EX_TOOLWINDOW");
    EXPECT_EQ(gatDlg[lDlg].lExStyle, 0x80);

    ASSERT_EQ(
        Load(Crlf(DialogFile(
            "", "    Dialog New hParent, \"O\", 5, 5, 10, 10, , %WS_EX_TOOLWINDOW, To hDlg\n"))),
        1);
    lDlg = Row("%IDD_D");
    EXPECT_EQ(Styles(gatDlg[lDlg].lStyleStrElem),
              "%WS_VISIBLE Or %DS_3DLOOK Or %DS_NOFAILCREATE Or %DS_SETFONT");
    EXPECT_EQ(gatDlg[lDlg].lExStyle, 0x80);
}

TEST_F(KvlStatements, ControlAddShapes) {
    ASSERT_EQ(
        Load(Crlf(DialogFile(
            "%IDC_L = 1001\n%IDC_C = 1002\n%IDC_LV = 1003\n%IDC_SB = 1004\n%IDC_X = 1005\n%IDC_Q = "
            "1006\n",
            "    Dialog New hParent, \"D\", 0, 0, 200, 100, To hDlg\n"
            "    Control Add Label, hDlg, %IDC_L, \"Name: \"\"x\"\"\", 5, 6, 50, 10\n"
            "    Control Add ComboBox, hDlg, %IDC_C, , 5, 20, 100, 40\n"
            "    Control Add \"SysListView32\", hDlg, %IDC_LV, \"SysListView32_1\", _\n"
            "        5, 60, 100, 50, %WS_CHILD Or %WS_VISIBLE Or %WS_BORDER Or %WS_TABSTOP _\n"
            "        Or %LVS_REPORT Or %LVS_SHOWSELALWAYS, %WS_EX_LEFT Or _\n"
            "        %WS_EX_RIGHTSCROLLBAR\n"
            "\n"
            "    Control Add ScrollBar, hDlg, %IDC_SB, \"\", 1, 2, 10, 100, %WS_CHILD Or "
            "%WS_VISIBLE Or %SBS_VERT\n"
            "    Control Add \"MyGrid\", hDlg, %IDC_X, \"Grid\", 1, 2, 3, 4, %WS_CHILD Or &H20, \n"
            "    Control Add \"Button\", hDlg, %IDC_Q, \"Q\", 1, 2, 3, 4, %WS_CHILD Or "
            "%BS_AUTOCHECKBOX\n"
            "    Control Add Label, hDlg, -1, \"static\", 1, 2, 3, 4\n"
            "    Control Add Unknown, hDlg, -1, \"x\", 1, 2, 3, 4\n"
            "    Control Add \"MyGrid\", hDlg, %IDC_EMPTY, \"\", 1, 2, 3, 4, \n"))),
        1);
    const int32_t lL = Row("%IDC_L");
    EXPECT_EQ(gatDlg[lL].lCtlType, wkCtlLabel);
    EXPECT_EQ(gatDlg[lL].szClass, "Static");
    EXPECT_EQ(Caption(gatDlg[lL].lCaptionElem), "Name: \"x\"");
    EXPECT_EQ(gatDlg[lL].nRight, 55);
    EXPECT_EQ(gatDlg[lL].lCtlOrder, 1);
    EXPECT_EQ(gatDlg[lL].lStyle, 0x50000000);
    EXPECT_EQ(Styles(gatDlg[lL].lExStyleStrElem),
              "%WS_EX_LEFT Or %WS_EX_LTRREADING Or %WS_EX_RIGHTSCROLLBAR");
    const int32_t lC = Row("%IDC_C");
    EXPECT_EQ(gatDlg[lC].lCtlType, wkCtlComboBox);
    EXPECT_EQ(gatDlg[lC].lCaptionElem, 0);
    EXPECT_EQ(gatDlg[lC].lCtlOrder, 2);
    const int32_t lLV = Row("%IDC_LV");
    EXPECT_EQ(gatDlg[lLV].lCtlType, wkCtlListView);
    EXPECT_EQ(gatDlg[lLV].szClass, "SysListView32");
    EXPECT_EQ(static_cast<uint32_t>(gatDlg[lLV].lStyle), 0x50810009u);
    EXPECT_EQ(Styles(gatDlg[lLV].lStyleStrElem),
              "%WS_CHILD Or %WS_VISIBLE Or %WS_BORDER Or %WS_TABSTOP Or "
              "%LVS_REPORT Or %LVS_SHOWSELALWAYS");
    EXPECT_EQ(Styles(gatDlg[lLV].lExStyleStrElem), "%WS_EX_LEFT Or %WS_EX_RIGHTSCROLLBAR");
    EXPECT_EQ(gatDlg[Row("%IDC_SB")].lCtlType, wkCtlVScrollBar);
    const int32_t lX = Row("%IDC_X");
    EXPECT_EQ(gatDlg[lX].lCtlType, wkCtlCustom);
    EXPECT_EQ(gatDlg[lX].szClass, "MyGrid");
    // The number is kept in the bits; %WS_CHILD without %WS_VISIBLE is hidden.
    EXPECT_EQ(gatDlg[lX].lStyle, 0x40000020);
    const int32_t lQ = Row("%IDC_Q");
    EXPECT_EQ(gatDlg[lQ].lCtlType, wkCtlCheckBox); // a written-out class becomes its kind
    EXPECT_EQ(gatDlg[lQ].szClass, "Button");
    // The label without ID and nothing for an unknown unquoted kind word.
    EXPECT_EQ(CountDialogRows(gatDlg[lL].lResElem), 9);
    EXPECT_EQ(gatDlg[glDlgCnt - 1].lIDElem, 0);
    EXPECT_EQ(gatDlg[glDlgCnt - 1].lCtlOrder, 7);
    // A style part written empty is no style part left out: no default names.
    EXPECT_EQ(Styles(gatDlg[Row("%IDC_EMPTY")].lStyleStrElem), "%WS_CHILD Or %WS_VISIBLE");
    EXPECT_EQ(gatDlg[Row("%IDC_EMPTY")].lExStyleStrElem, 0);
}

TEST_F(KvlStatements, ColoursIconsImagesAndFonts) {
    ASSERT_EQ(
        Load(Crlf(DialogFile(
            "%IDR_IMGFILE1 = 102\n%IDR_ICON = 103\n%IDC_IMG = 1001\n%IDC_L = 1002\n%IDC_B = 1003\n",
            "    Local hFont1 As Dword\n    Local hFont2 As Dword\n\n\n"
            "    Dialog New hParent, \"D\", 0, 0, 200, 100, To hDlg\n"
            "    Dialog Set Icon hDlg, \"#\" + Format$(%IDR_ICON)\n"
            "    Dialog Set Color hDlg, -1, %Yellow\n"
            "    Control Add Image, hDlg, %IDC_IMG, \"#\" + Format$(%IDR_IMGFILE1), 5, 30, 30, 30\n"
            "    Control Add Label, hDlg, %IDC_L, \"L\", 1, 2, 3, 4\n"
            "    Control Set Color hDlg, %IDC_L, RGB(0, 128, 64), &H123456\n"
            "    Control Add Button, hDlg, %IDC_B, \"B\", 1, 2, 3, 4\n"
            "\n"
            "    hFont1 = WrenkitMakeFont(\"Tahoma\", 10, 700, %FALSE, %TRUE, %FALSE, "
            "%ANSI_CHARSET)\n"
            "    hFont2 = WrenkitMakeFont(\"Courier New\", 9, %FW_REGULAR, 1, 0, 0, 2)\n"
            "\n"
            "    Dialog Send hDlg, %WM_SETFONT, hFont1, 0\n"
            "    Control Send hDlg, %IDC_L, %WM_SETFONT, hFont2, 0\n"
            "    Control Send hDlg, %IDC_B, %WM_SETFONT, hFont9, 0\n"))),
        1);
    const int32_t lDlg = Row("%IDD_D");
    EXPECT_EQ(gatDlg[lDlg].byForeClrUsed, 0);
    EXPECT_EQ(gatDlg[lDlg].byBackClrUsed, 1);
    EXPECT_EQ(gatDlg[lDlg].lBackClr, 0x00FFFF);
    const int32_t lIcon = gatDlg[lDlg].lDataResElem;
    EXPECT_EQ(gatRes[lIcon].lType, wkResIcon);
    EXPECT_EQ(gatRes[lIcon].szIDName, "%IDR_ICON");
    EXPECT_EQ(gatRes[lIcon].lIDElem, FindIDByName("%IDR_ICON"));
    const int32_t lImg = Row("%IDC_IMG");
    EXPECT_EQ(gatDlg[lImg].lCaptionElem, 0);
    EXPECT_EQ(gatRes[gatDlg[lImg].lDataResElem].lType, wkResBitmap); // SS_BITMAP by default
    const int32_t lL = Row("%IDC_L");
    EXPECT_EQ(gatDlg[lL].lForeClr, 0x408000);
    EXPECT_EQ(gatDlg[lL].lBackClr, 0x123456);
    EXPECT_EQ(gatDlg[lL].byForeClrUsed + gatDlg[lL].byBackClrUsed, 2);
    // Fonts: the variables name gahFont elements; an unknown variable gives 0.
    const int32_t lFont1 = gatDlg[lDlg].lFontElem;
    ASSERT_GT(lFont1, 1);
    tFontDesc tDesc{};
    ASSERT_EQ(FontDescription(lFont1, tDesc), 1);
    EXPECT_EQ(tDesc.szFontName, "Tahoma");
    EXPECT_EQ(tDesc.lWeight, 700);
    EXPECT_EQ(tDesc.lItalic, 1);
    EXPECT_NEAR(tDesc.fFontSize, 10, 0.5);
    ASSERT_EQ(FontDescription(gatDlg[lL].lFontElem, tDesc), 1);
    EXPECT_EQ(tDesc.szFontName, "Courier New");
    EXPECT_EQ(tDesc.lUnderline, 1);
    EXPECT_EQ(gahFont[gatDlg[lL].lFontElem].byCharSet, 2);
    EXPECT_EQ(gatDlg[Row("%IDC_B")].lFontElem, 0);
    EXPECT_EQ(gatDlg[lImg].lFontElem, 1); // controls take the dialog's font when added
    // An expression in an image reference names no resource.
    EXPECT_EQ(ImageRefIDName("\"#\" + Format$(%IDR_A + 1)"), "");
    EXPECT_EQ(ImageRefIDName("\"#\" + format$( %IDR_A )"), "%IDR_A");
}

TEST_F(KvlStatements, MenusWithNestingSeparatorsAndShortcuts) {
    ASSERT_EQ(
        Load(Crlf("#Wrenkit Created\n#Wrenkit Begin Constants \n"
                  "%IDR_MENU1 = 102\n%IDM_OPEN = 1003\n%IDM_EXIT = 1004\n%IDM_DEEP = "
                  "1005\n%IDM_TOP = 1006\n"
                  "%IDR_ACCELERATOR1 = 103\n%IDM_HELP = 1007\n"
                  "#Wrenkit End Constants\n"
                  "#Wrenkit Begin Menu %IDR_MENU1->\n"
                  "    Local hMenu As Dword\n\n"
                  "    Menu New Bar To hMenu\n"
                  "    Menu New PopUp To hPopUp1\n"
                  "    Menu Add PopUp, hMenu, \"&File\", hPopUp1, %MF_ENABLED\n"
                  "        Menu Add String, hPopUp1, \"&Open\" + $Tab + \"Ctrl+O\", %IDM_OPEN, _\n"
                  "            %MF_CHECKED Or %MF_GRAYED\n"
                  "        Menu Add String, hPopUp1, \"-\", 0, 0\n"
                  "        Menu New PopUp To hPopUp2\n"
                  "        Menu Add PopUp, hPopUp1, \"&More\", hPopUp2, %MF_DISABLED\n"
                  "            Menu Add String, hPopUp2, \"Deep\" + $TAB + \"x\", %IDM_DEEP, "
                  "%MF_MENUBREAK\n"
                  "        Menu Add String, hPopUp1, \"E&xit\", %IDM_EXIT, %MF_MENUBARBREAK\n"
                  "    Menu Add String, hMenu, \"&Top\", %IDM_TOP, %MF_ENABLED\n"
                  "    Menu Add String, hMenu, \"&Help\" + $tab + \"F1\", %IDM_HELP, %MF_ENABLED\n"
                  "\n    Menu Attach hMenu, hDlg\n\n"
                  "#Wrenkit End Menu\n"
                  "#Wrenkit Begin Accel %IDR_ACCELERATOR1->\n"
                  "    AssignAccel tAccel(1), Asc(\"O\"), %IDM_OPEN, %FVIRTKEY Or %FCONTROL Or _\n"
                  "        %FNOINVERT\n"
                  "    AssignAccel tAccel(2), %VK_F1, %IDM_HELP, %FVIRTKEY Or %FSHIFT Or %FALT Or "
                  "%FNOINVERT\n"
                  "#Wrenkit End Accel\n")),
        1);
    ASSERT_EQ(glMenuCnt, 8);
    const int32_t lMenu = FindResourceByID(FindIDByName("%IDR_MENU1"));
    struct tItem {
        int32_t lType, lLevel, lOptions;
        const char* szCaption;
        const char* szID;
    };
    const tItem atWant[] = {
        {wkMenuPopup, 0, 0, "&File", ""},
        {wkMenuItem, 1, wkMfChecked | wkMfGrayed, "&Open", "%IDM_OPEN"}, // shortcut text taken off
        {wkMenuSeparator, 1, 0, "", ""},
        {wkMenuPopup, 1, wkMfDisabled, "&More", ""},
        {wkMenuItem, 2, wkMfMenuBreak, "Deep\\tx", "%IDM_DEEP"},
        {wkMenuItem, 1, wkMfMenuBarBreak, "E&xit", "%IDM_EXIT"},
        {wkMenuItem, 0, 0, "&Top", "%IDM_TOP"},
        {wkMenuItem, 0, 0, "&Help\\tF1", "%IDM_HELP"}, // F1 is not the key's text (Shift+Alt+F1)
    };
    for (int32_t l = 1; l <= 8; ++l) {
        const tItem& t = atWant[l - 1];
        SCOPED_TRACE(l);
        EXPECT_EQ(gatMenu[l].lResElem, lMenu);
        EXPECT_EQ(gatMenu[l].lType, t.lType);
        EXPECT_EQ(gatMenu[l].lLevel, t.lLevel);
        EXPECT_EQ(gatMenu[l].lOptions, t.lOptions);
        EXPECT_EQ(Caption(gatMenu[l].lCaptionElem), t.szCaption);
        EXPECT_EQ(IDName(gatMenu[l].lIDElem), t.szID);
    }
    ASSERT_EQ(glAccelCnt, 2);
    EXPECT_EQ(gatAccel[1].byKey, 'O');
    EXPECT_EQ(gatAccel[1].byModifiers, wkFControl);
    EXPECT_EQ(AccelKeyCode(gatAccel[2].byKey), "VK_F1");
    EXPECT_EQ(gatAccel[2].byModifiers, wkFShift | wkFAlt);
    EXPECT_EQ(gatMenu[2].lAccelElem, 1);
    EXPECT_EQ(gatMenu[8].lAccelElem, 2);
    // Nesting deeper than any real menu is held to the deepest level kept.
    std::string sDeep =
        "#Wrenkit Created\n#Wrenkit Begin Menu %IDR_DEEP->\n    Menu New Bar To hMenu\n";
    std::string sParent = "hMenu";
    for (int i = 1; i <= 100; ++i) {
        const std::string sVar = "hPopUp" + std::to_string(i);
        sDeep += "    Menu Add PopUp, " + sParent + ", \"p\", " + sVar + ", 0\n";
        sParent = sVar;
    }
    sDeep += "#Wrenkit End Menu\n";
    ASSERT_EQ(Load(Crlf(sDeep)), 1);
    EXPECT_EQ(gatMenu[1].lLevel, 0);
    EXPECT_EQ(gatMenu[100].lLevel, 32);
    ASSERT_EQ(Load(Crlf("#Wrenkit Created\n#Wrenkit Begin Constants \n"
                        "%IDR_MENU1 = 102\n%IDM_OPEN = 1003\n%IDR_ACCELERATOR1 = 103\n"
                        "#Wrenkit End Constants\n#Wrenkit Begin Menu %IDR_MENU1->\n"
                        "    Menu New Bar To hMenu\n"
                        "    Menu Add String, hMenu, \"&Open\", %IDM_OPEN, 0\n#Wrenkit End Menu\n"
                        "#Wrenkit Begin Accel %IDR_ACCELERATOR1->\n"
                        "    AssignAccel tAccel(1), Asc(\"O\"), %IDM_OPEN, %FVIRTKEY\n"
                        "#Wrenkit End Accel\n")),
              1);
    // The keys link the item's menu and the key's table both ways.
    const int32_t lTable = FindResourceByID(FindIDByName("%IDR_ACCELERATOR1"));
    const int32_t lMenu1 = FindResourceByID(FindIDByName("%IDR_MENU1"));
    EXPECT_EQ(gatRes[lMenu1].lLinkAccel, lTable);
    EXPECT_EQ(gatRes[lTable].lLinkMenu, lMenu1);
}

TEST_F(KvlStatements, ImportedTextWithoutBlocks) {
    RecordingSeam tSeam;
    tSeam.ExpectAsk(gszNotCreatedQuestion, wkAnsYes);
    ASSERT_EQ(LoadKVL(Crlf("%IDC_OK2 = 1001\n"
                           "Function KvMain()\n"
                           "    Dialog New 0, \"Imported\", , , 100, 50, To hDlg\n"
                           "    Control Add Button, hDlg, %IDC_OK2, \"OK\", 5, 5, 40, 14\n"
                           "    Control Add Button, hDlg, %IDC_NEW, \"New\", 50, 5, 40, 14\n"
                           "    Menu New Bar To hMenu\n"
                           "    Menu Add String, hMenu, \"&Go\", %IDM_GO, 0\n"
                           "    Menu New Bar To hMenu2\n"
                           "    Menu Add String, hMenu2, \"&Stop\", %IDM_STOP, 0\n"
                           "    AssignAccel tAccel(1), Asc(\"G\"), %IDM_GO, %FVIRTKEY\n"
                           "    hFont1 = WrenkitMakeFont(\"Tahoma\", 10, 400, 0, 0, 0, 0)\n"
                           "    Dialog Send hDlg, %WM_SETFONT, hFont1, 0\n"
                           "End Function\n"),
                      1, 0),
              1);
    tSeam.VerifyAllAsked();
    // New resources with default names; a centred dialog for an empty x.
    const int32_t lDlg = Row("%IDD_DIALOG1");
    ASSERT_NE(lDlg, 0);
    EXPECT_NE(gatDlg[lDlg].lStyle & 0x800, 0); // DS_CENTER
    EXPECT_EQ(gatDlg[lDlg].nLeft, 0);
    EXPECT_EQ(IDValue("%IDC_OK2"), 1001);
    EXPECT_EQ(IDValue("%IDC_NEW"), 1002);
    // Two bars make two menus; the key gets a table of its own.
    EXPECT_EQ(CountResources(wkResMenu), 2);
    EXPECT_NE(gatMenu[1].lResElem, gatMenu[2].lResElem);
    ASSERT_EQ(glAccelCnt, 1);
    EXPECT_EQ(gatRes[gatAccel[1].lResElem].lType, wkResAccel);
    // Fonts are read only from files with blocks.
    EXPECT_EQ(gatDlg[lDlg].lFontElem, 0);
    EXPECT_EQ(ghFontCnt, 1);
}

TEST_F(KvlStatements, CompanionScriptIsReadFromTheFilesFolder) {
    const ScratchFolder tScratch("wk_readers_companion");
    const std::string sFolder = tScratch.File("");
    {
        FILE* p = std::fopen((sFolder + "app.rc").c_str(), "wb");
        ASSERT_NE(p, nullptr);
        const std::string sScript =
            Crlf("//#Wrenkit Created\n//#Wrenkit Begin Constants \n#define IDS_HELLO 2001\n"
                 "//#Wrenkit End Constants\n//#Wrenkit Begin Strings \n"
                 "STRINGTABLE\nBEGIN\n    IDS_HELLO \"Hello\"\nEND\n//#Wrenkit End Strings\n");
        std::fwrite(sScript.data(), 1, sScript.size(), p);
        std::fclose(p);
    }
    ASSERT_EQ(
        LoadKVL(Marked("#Wrenkit Begin Includes \n#Resource \"app.kvr\"\n#Resource \"app.kvr\"\n"
                       "#Wrenkit End Includes\n"),
                1, 0, sFolder + "app.bas"),
        1);
    EXPECT_EQ(glStrCnt, 1);     // read once, however often the line stands there
    EXPECT_EQ(glRCBlockCnt, 3); // Created, Constants, Strings
    EXPECT_EQ(CompanionScriptPath("C:\\src\\app.bas", ".\\sub\\other.kvr"), "C:\\src\\other.rc");
    EXPECT_EQ(CompanionScriptPath("app.bas", "noext"), "noext.rc");
}

TEST_F(KvlStatements, ReadFileTextReportsWhatWentWrong) {
    RecordingSeam tSeam;
    const ScratchFolder tScratch("wk_readers_text");
    const std::string sFolder = tScratch.File("");
    const std::string sFile = sFolder + "text.bas";
    {
        FILE* p = std::fopen(sFile.c_str(), "wb");
        ASSERT_NE(p, nullptr);
        std::fwrite("a\0b\r\n", 1, 5, p);
        std::fclose(p);
    }
    EXPECT_EQ(ReadFileText(sFile), std::string("a\0b\r\n", 5));
    EXPECT_TRUE(tSeam.Reports().empty());
    glMaxSourceBytes = 4; // larger than the block positions could hold
    std::string sText = "old";
    EXPECT_EQ(ReadFileText(sFile, sText), 0);
    EXPECT_EQ(sText, "");
    glMaxSourceBytes = 0x7FFFFFFE;
    EXPECT_EQ(ReadFileText(sFolder + "no_such_file.bas"), "");
    EXPECT_EQ(ReadFileText(sFolder), "");
    ASSERT_EQ(tSeam.Reports().size(), 3u);
    EXPECT_EQ(tSeam.Reports()[0], "Error #7 Out of memory\r\nwhile trying to open: " + sFile);
    EXPECT_EQ(tSeam.Reports()[1],
              "Error #53 File not found\r\nwhile trying to open: " + sFolder + "no_such_file.bas");
    EXPECT_EQ(tSeam.Reports()[2].substr(0, 10), "Error #75 ");
}
