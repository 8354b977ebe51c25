// Reading resource scripts: the statements, the forms real scripts use, and
// the statements that must be skipped whole.
#include "readers/rc_kinds.h"
#include "tests/rc/rc_fixture.h"

#include <utility>
#include <vector>

namespace {

int32_t FirstControl() {
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l) && gatDlg[l].lCtlType != 0) {
            return l;
        }
    }
    return 0;
}

std::string StyleNames(int32_t lList) {
    return StyleListToText(GetDynStr(lList));
}

} // namespace

class RcReaderTest : public RcTest {
  protected:
    void Load(const std::string& s) { ASSERT_EQ(1, LoadRC(s, 1, 0, "C:\\proj\\app.rc")); }
};

TEST_F(RcReaderTest, ShortControlFormsGiveKindsTextsAndRectangles) {
    Load("#define IDC_NAME 1001\r\n"
         "IDD_MAIN DIALOG DISCARDABLE 10, 20, 200, 100\r\n"
         "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION\r\n"
         "CAPTION \"Main \"\"window\"\"\"\r\n"
         "FONT 8, \"MS Shell Dlg\"\r\n"
         "BEGIN\r\n"
         "    LTEXT \"Name:\", IDC_NAME, 7, 9, 40, 8\r\n"
         "    RTEXT \"R\", 1002, 1, 2, 3, 4\r\n"
         "    CTEXT \"C\", 1003, 1, 2, 3, 4\r\n"
         "    DEFPUSHBUTTON \"OK\", IDOK, 136, 2, 32, 14, WS_GROUP\r\n"
         "    EDITTEXT 1004, 5, 5, 50, 12, ES_PASSWORD | NOT WS_TABSTOP\r\n"
         "    AUTORADIOBUTTON \"A\", 1005, 1, 1, 1, 1\r\n"
         "    SCROLLBAR 1006, 1, 1, 8, 50, SBS_VERT\r\n"
         "END\r\n");
    int32_t lDlg = FindDialogRow(gtElem.lResDlg);
    ASSERT_NE(0, lDlg);
    EXPECT_EQ("Main \"window\"", Caption(lDlg));
    EXPECT_EQ(10, gatDlg[lDlg].nLeft);
    EXPECT_EQ(120, gatDlg[lDlg].nBottom);
    EXPECT_EQ(0, gatDlg[lDlg].lStyle & 0x80000);  // no WS_SYSMENU
    EXPECT_NE(0, gatDlg[lDlg].lStyle & 0xC00000); // WS_CAPTION
    EXPECT_NE(1, gatDlg[lDlg].lFontElem);         // its own font
    int32_t l = FirstControl();
    EXPECT_EQ(wkCtlLabel, gatDlg[l].lCtlType);
    EXPECT_EQ("Name:", Caption(l));
    EXPECT_EQ("%IDC_NAME", IDOf(gatDlg[l].lIDElem));
    EXPECT_EQ(7, gatDlg[l].nLeft);
    EXPECT_EQ(9, gatDlg[l].nTop);
    EXPECT_EQ(47, gatDlg[l].nRight);
    EXPECT_EQ(17, gatDlg[l].nBottom);
    EXPECT_EQ(1, gatDlg[l].lCtlOrder);
    EXPECT_EQ(gatDlg[lDlg].lFontElem, gatDlg[l].lFontElem);
    EXPECT_EQ(2, gatDlg[l + 1].lStyle & 0x1F); // SS_RIGHT
    EXPECT_NE(std::string::npos, StyleNames(gatDlg[l + 1].lStyleStrElem).find("%SS_RIGHT"));
    EXPECT_EQ(std::string::npos, StyleNames(gatDlg[l + 1].lStyleStrElem).find("%SS_LEFT"));
    EXPECT_EQ(1, gatDlg[l + 2].lStyle & 0x1F); // SS_CENTER
    EXPECT_EQ(wkCtlButton, gatDlg[l + 3].lCtlType);
    EXPECT_EQ(1, gatDlg[l + 3].lStyle & 0xF); // BS_DEFPUSHBUTTON
    EXPECT_EQ("%IDOK", IDOf(gatDlg[l + 3].lIDElem));
    EXPECT_EQ(wkCtlTextBox, gatDlg[l + 4].lCtlType);
    EXPECT_EQ(0x20, gatDlg[l + 4].lStyle & 0x20); // ES_PASSWORD
    EXPECT_EQ(0, gatDlg[l + 4].lStyle & 0x10000); // NOT WS_TABSTOP
    EXPECT_EQ(std::string::npos, StyleNames(gatDlg[l + 4].lStyleStrElem).find("%WS_TABSTOP"));
    EXPECT_EQ(wkCtlOption, gatDlg[l + 5].lCtlType);
    EXPECT_EQ(wkCtlVScrollBar, gatDlg[l + 6].lCtlType);
    EXPECT_EQ(7, gatDlg[l + 6].lCtlOrder);
}

TEST_F(RcReaderTest, ControlClassesAndStylesRefineTheKind) {
    Load("D DIALOGEX 0, 0, 100, 100\r\n"
         "{\r\n"
         "  CONTROL \"\", 1, \"Static\", SS_ETCHEDHORZ, 1, 1, 90, 1\r\n"
         "  CONTROL \"\", 2, \"Button\", BS_PUSHBUTTON | BS_BITMAP | WS_TABSTOP, 1, 1, 9, 9\r\n"
         "  CONTROL \"x\", 3, \"Button\", BS_AUTO3STATE, 1, 1, 9, 9\r\n"
         "  CONTROL \"x\", 4, \"Button\", BS_3STATE, 1, 1, 9, 9\r\n"
         "  CONTROL \"\", 5, \"msctls_updown32\", UDS_ARROWKEYS, 1, 1, 9, 9, WS_EX_CLIENTEDGE\r\n"
         "  CONTROL \"\", 6, \"SysListView32\", LVS_REPORT | 0x40000000, -3, 1, 9, 9\r\n"
         "  CONTROL \"Spin\", 7, \"Spincube\", 0x1, 1, 1, 9, 9\r\n"
         "}\r\n");
    int32_t l = FirstControl();
    EXPECT_EQ(wkCtlLine, gatDlg[l].lCtlType);
    EXPECT_EQ(wkCtlImgButton, gatDlg[l + 1].lCtlType);
    EXPECT_EQ(wkCtlCheck3State, gatDlg[l + 2].lCtlType);
    EXPECT_EQ(wkCtlButton, gatDlg[l + 3].lCtlType); // not automatic: a Button
    EXPECT_EQ(wkCtlUpDown, gatDlg[l + 4].lCtlType);
    EXPECT_EQ(0x200, gatDlg[l + 4].lExStyle);
    EXPECT_EQ(wkCtlListView, gatDlg[l + 5].lCtlType);
    EXPECT_EQ(-3, gatDlg[l + 5].nLeft); // a control keeps its negative position
    EXPECT_EQ(wkCtlCustom, gatDlg[l + 6].lCtlType);
    EXPECT_EQ("Spincube", gatDlg[l + 6].szClass.str());
    EXPECT_EQ(wkCtlCustom, KindFromRCWord("RichEdit20A"));
    EXPECT_EQ(wkCtlRichEdit, KindFromRCWord("richedit"));
}

TEST_F(RcReaderTest, ControlsOfOneBodyShareNothingButTheirDialog) {
    // Words in any case, a zero byte in the indentation, a trailing comma
    // before the next control and a style continued on the next line.
    std::string s = "d dialogex 0, 0, 100, 100\r\n"
                    "begin\r\n"
                    "  control \"\", 1, \"Static\", SS_LEFT, 1, 1, 9, 9, WS_EX_CLIENTEDGE\r\n"
                    "  LTEXT \"x\", 7, 1, 1, 9, 9\r\n"
                    "  Edittext 2, 1, 1, 9, 9, ES_PASSWORD\r\n"
                    "  CONTROL \"\", 3, \"Static\", SS_LEFT | WS_EX_CLIENTEDGE, 1, 1, 9, 9\r\n";
    s += std::string(" \0 ", 3);
    s += "ltext \"a\", 4, 1, 1, 9, 9, ES_PASSWORD,\r\n"
         "  LTEXT \"b\", 5, 1, 1, 9, 9\r\n"
         "  EDITTEXT 6, 1, 1, 9, 9,\r\n"
         "      ES_PASSWORD\r\n"
         "End\r\n";
    Load(s);
    ASSERT_EQ(8, glDlgCnt);
    int32_t l = FirstControl();
    EXPECT_EQ(0x200, gatDlg[l].lExStyle);
    EXPECT_EQ(0, gatDlg[l + 1].lExStyle); // the first control's extended style stays there
    EXPECT_EQ("x", Caption(l + 1));
    EXPECT_EQ(0x20, gatDlg[l + 2].lStyle & 0x20);
    // An extended style written among the styles is no style, though the
    // same name was just found as an extended one.
    EXPECT_EQ(0, gatDlg[l + 3].lStyle & 0x200);
    EXPECT_EQ(0, gatDlg[l + 3].lExStyle);
    // An edit style on a label is no style of its class, though an edit box
    // of the same dialog just had it.
    EXPECT_EQ(wkCtlLabel, gatDlg[l + 4].lCtlType);
    EXPECT_EQ(std::string::npos, StyleNames(gatDlg[l + 4].lStyleStrElem).find("%ES_PASSWORD"));
    EXPECT_EQ("b", Caption(l + 5));
    EXPECT_EQ(0x20, gatDlg[l + 6].lStyle & 0x20);
    EXPECT_EQ(7, gatDlg[l + 6].lCtlOrder);
}

TEST_F(RcReaderTest, CaptionsConvertEscapesAndKeepMalformedOnes) {
    Load("D DIALOG 0, 0, 10, 10\r\n"
         "CAPTION \"a\\tb\\\\c\\x41\\101\\q\\x\"\r\n"
         "BEGIN\r\n"
         "  LTEXT \"line\\r\\nnext\", 1, 1, 1, 1, 1\r\n"
         "END\r\n");
    EXPECT_EQ("a\tb\\cAA\\q\\x", Caption(FindDialogRow(gtElem.lResDlg)));
    EXPECT_EQ("line\r\nnext", Caption(FirstControl()));
}

TEST_F(RcReaderTest, DialogHeaderSkipsOptionsAndNegativeNumbers) {
    Load("D DIALOG DISCARDABLE -5, 22, 17, 176, 73\r\n"
         "BEGIN\r\nEND\r\n");
    int32_t lDlg = FindDialogRow(gtElem.lResDlg);
    EXPECT_EQ(22, gatDlg[lDlg].nLeft);
    EXPECT_EQ(17, gatDlg[lDlg].nTop);
    EXPECT_EQ(22 + 176, gatDlg[lDlg].nRight);
}

TEST_F(RcReaderTest, MenusWithLevelsOptionsAndPopupMenus) {
    Load("M MENU\r\n"
         "BEGIN\r\n"
         "  POPUP \"&File\"\r\n"
         "  BEGIN\r\n"
         "    MENUITEM \"&Open\\tCtrl+O\", IDM_OPEN, CHECKED GRAYED\r\n"
         "    MENUITEM SEPARATOR\r\n"
         "    POPUP \"Sub\" { MENUITEM \"Say \\\"hi\\\"\", IDM_HI, MENUBARBREAK }\r\n"
         "  END\r\n"
         "END\r\n"
         "P MENU { POPUP \"\" { MENUITEM \"x\", IDM_X } }\r\n");
    ASSERT_EQ(7, glMenuCnt);
    EXPECT_EQ(wkMenuPopup, gatMenu[1].lType);
    EXPECT_EQ(0, gatMenu[1].lLevel);
    EXPECT_EQ("&Open\\tCtrl+O", GetDynStr(gatMenu[2].lCaptionElem)); // the tab stays two characters
    EXPECT_EQ(wkMfChecked | wkMfGrayed, gatMenu[2].lOptions);
    EXPECT_EQ(1, gatMenu[2].lLevel);
    EXPECT_EQ(wkMenuSeparator, gatMenu[3].lType);
    EXPECT_EQ(2, gatMenu[5].lLevel);
    EXPECT_EQ("Say \"hi\"", GetDynStr(gatMenu[5].lCaptionElem));
    EXPECT_EQ(wkMfMenuBarBreak, gatMenu[5].lOptions);
    EXPECT_EQ(wkResMenu, gatRes[gatMenu[1].lResElem].lType);
    EXPECT_EQ(wkResPopupMenu, gatRes[gatMenu[6].lResElem].lType);
    // Commands that no #define names still get values of their own.
    EXPECT_NE(gatID[gatMenu[2].lIDElem].lIDValue, gatID[gatMenu[5].lIDElem].lIDValue);
    EXPECT_NE(gatID[gatMenu[5].lIDElem].lIDValue, gatID[gatMenu[7].lIDElem].lIDValue);
}

TEST_F(RcReaderTest, AcceleratorsLinkToMenuItems) {
    Load("M MENU { MENUITEM \"&Open\", IDM_OPEN }\r\n"
         "A ACCELERATORS\r\n"
         "BEGIN\r\n"
         "  \"O\", IDM_OPEN, VIRTKEY, CONTROL, NOINVERT\r\n"
         "  VK_F5, IDM_OPEN, VIRTKEY, SHIFT, ALT\r\n"
         "  \"^Z\", IDM_UNDO\r\n"
         "  VK_NOSUCHKEY, IDM_OPEN, VIRTKEY\r\n"
         "END\r\n");
    ASSERT_EQ(3, glAccelCnt);
    EXPECT_EQ('O', gatAccel[1].byKey);
    EXPECT_EQ(wkFControl, gatAccel[1].byModifiers);
    EXPECT_EQ(116, gatAccel[2].byKey);
    EXPECT_EQ(wkFShift | wkFAlt, gatAccel[2].byModifiers);
    EXPECT_EQ('Z', gatAccel[3].byKey);
    EXPECT_EQ(wkFControl, gatAccel[3].byModifiers);
    EXPECT_EQ(2, gatMenu[1].lAccelElem); // the last key of the item wins
    EXPECT_EQ(gatAccel[1].lResElem, gatRes[gatMenu[1].lResElem].lLinkAccel);
}

TEST_F(RcReaderTest, DefinesStringsAndDataFiles) {
    Load("#define IDS_A 100\r\n"
         "#define IDS_A 200\r\n"
         "#define IDI_APP 0x65\r\n"
         "#define TITLE \"not an id\"\r\n"
         "IDI_APP ICON DISCARDABLE \"res\\\\app.ico\"\r\n"
         "IDB_X BITMAP \"D:\\\\pics\\\\x.bmp\"\r\n"
         "STRINGTABLE DISCARDABLE\r\n"
         "BEGIN\r\n"
         "    IDS_A \"Tab\\there \\\"quoted\\\"\"\r\n"
         "    IDS_B, L\"two\r\nlines\"\r\n"
         "END\r\n");
    int32_t lA = FindIDByName("%IDS_A");
    EXPECT_EQ(100, gatID[lA].lIDValue); // the first definition wins
    EXPECT_EQ(101, gatID[FindIDByName("%IDI_APP")].lIDValue);
    EXPECT_EQ("&H65", IDValueText(FindIDByName("%IDI_APP")));
    EXPECT_EQ(0, FindIDByName("%TITLE"));
    ASSERT_EQ(2, glResCnt);
    EXPECT_EQ(wkResIcon, gatRes[1].lType);
    EXPECT_EQ(FindIDByName("%IDI_APP"), gatRes[1].lIDElem);
    EXPECT_EQ("C:\\proj\\res\\app.ico", GetDynStr(gatRes[1].lRCDataElem));
    EXPECT_EQ(0, gatRes[2].lIDElem); // never defined
    EXPECT_EQ("D:\\pics\\x.bmp", GetDynStr(gatRes[2].lRCDataElem));
    ASSERT_EQ(2, glStrCnt);
    EXPECT_EQ("Tab\\there \"quoted\"", GetDynStr(gatStr[1].lStrElem));
    EXPECT_EQ("two\r\nlines", GetDynStr(gatStr[2].lStrElem));
}

TEST_F(RcReaderTest, SkippedStatementsAreNeverMisread) {
    Load("// comment\r\n"
         "LANGUAGE LANG_ENGLISH, SUBLANG_DEFAULT\r\n"
         "#pragma code_page(1252)\r\n"
         "#include \"afxres.h\"\r\n"
         "#ifdef APSTUDIO_INVOKED\r\n"
         "X DIALOG 1, 2, 3, 4\r\nBEGIN\r\nEND\r\n"
         "#endif\r\n"
         "#if 0\r\nY DIALOG 1, 2, 3, 4\r\nBEGIN\r\nEND\r\n#else\r\n#define IDS_LIVE 7\r\n#endif\r\n"
         "1 TEXTINCLUDE DISCARDABLE\r\nBEGIN\r\n    \"resource.h\\0\"\r\nEND\r\n"
         "IDD_A DESIGNINFO DISCARDABLE\r\nBEGIN\r\n    IDD_A, DIALOG\r\n    BEGIN\r\n"
         "        LEFTMARGIN, 7\r\n    END\r\nEND\r\n"
         "IDR_DATA RCDATA { 1, 2, 3 }\r\n"
         "IDR_TB TOOLBAR 16, 15\r\nBEGIN\r\n    BUTTON ID_NEW\r\nEND\r\n"
         "/* IDD_Z DIALOG 1, 2, 3, 4\r\nBEGIN END */\r\n"
         "IDD_B /* odd */ DIALOG 1, 2, 3, 4 // trailing\r\n"
         "BEGIN\r\n  PUSHBUTTON \"P\", /* id */ 5, 1, 1, 1, 1 // end\r\nEND\r\n");
    EXPECT_EQ(1, CountResources(wkResDialog));
    EXPECT_EQ("%IDD_B", gatRes[gtElem.lResDlg].szIDName.str());
    EXPECT_EQ(2, glDlgCnt);
    EXPECT_NE(0, FindIDByName("%IDS_LIVE"));
}

TEST_F(RcReaderTest, VersionInfoDropsTheTerminatingZero) {
    Load("VS_VERSION_INFO VERSIONINFO\r\n"
         " FILEVERSION 1,2,3,4\r\n"
         " PRODUCTVERSION 5, 6, 7, 8\r\n"
         " FILEFLAGSMASK 0x3fL\r\n"
         "#ifdef _DEBUG\r\n FILEFLAGS 0x1L\r\n#else\r\n FILEFLAGS VS_FF_PRIVATEBUILD\r\n#endif\r\n"
         " FILEOS VOS__WINDOWS32\r\n FILETYPE VFT_DLL\r\n FILESUBTYPE 0x0L\r\n"
         "BEGIN\r\n"
         "  BLOCK \"StringFileInfo\"\r\n  BEGIN\r\n"
         "    BLOCK \"040904E4\"\r\n    BEGIN\r\n"
         "      VALUE \"Comments\", \"caf\\351 \"\"x\"\" \\\\n\"\r\n"
         "          \"more\\0\"\r\n"
         "      VALUE \"FileVersion\", \"1.2\\0\\0\"\r\n"
         "      VALUE \"Unknown\", \"dropped\\0\"\r\n"
         "    END\r\n  END\r\n"
         "  BLOCK \"VarFileInfo\"\r\n  BEGIN\r\n    VALUE \"Translation\", 0x409, 1252\r\n  END\r\n"
         "END\r\n");
    ASSERT_EQ(1, VersionBlockCount());
    EXPECT_EQ(0x10002u, gtVersion.lFileVerMS);
    EXPECT_EQ(0x30004u, gtVersion.lFileVerLS);
    EXPECT_EQ(0x70008u, gtVersion.lProdVerLS);
    EXPECT_EQ(0x3Fu, gtVersion.lFlagsMask);
    EXPECT_EQ(wkVsFfPrivateBuild, gtVersion.lFlags);
    EXPECT_EQ(wkVosWindows32, gtVersion.lFileOS);
    EXPECT_EQ(0x040904E4u, VersionBlockLangCharset(1));
    EXPECT_EQ("caf\xe9 \"x\" \\nmore", VersionStringValue(1, "Comments"));
    EXPECT_EQ(std::string("1.2\0", 4), VersionStringValue(1, "FileVersion")); // only one \0 goes
}

TEST_F(RcReaderTest, MarkedScriptKeepsUserTextInBlocks) {
    std::string s = "//#Wrenkit Created\r\nmine 1\r\n//#Wrenkit Begin Strings \r\n"
                    "STRINGTABLE\r\nBEGIN\r\n IDS_A \"a\"\r\nEND\r\n//#Wrenkit End Strings\r\n"
                    "mine 2\r\n//#Wrenkit Begin Strings \r\nSTRINGTABLE { IDS_B \"b\" }\r\n"
                    "//#Wrenkit End Strings\r\n//#WRENKIT Copy\r\nX DIALOG 1,1,1,1 {}\r\n"
                    "//#Wrenkit Copy\r\nY DIALOG 1,1,1,1 {}\r\n";
    Load(s);
    ASSERT_NE(nullptr, OpenText(gtDoc.tRCWork));
    EXPECT_EQ(1, glStrCnt); // the second Strings block is dropped
    ASSERT_EQ(7, glRCBlockCnt);
    EXPECT_EQ(1, gatRCBlock[1].lType);
    EXPECT_EQ(0, gatRCBlock[2].lType);
    EXPECT_EQ(10, gatRCBlock[3].lType);
    EXPECT_EQ(0, gatRCBlock[4].lType);
    EXPECT_EQ(12, gatRCBlock[6].lType);
    EXPECT_EQ("mine 1\r\nmine 2\r\n//#WRENKIT Copy\r\nX DIALOG 1,1,1,1 {}\r\n"
              "Y DIALOG 1,1,1,1 {}\r\n",
              *OpenText(gtDoc.tRCWork));
    EXPECT_EQ(0, CountResources(wkResDialog)); // user text is kept, never read
    // A script read from its file gathers the same user text inside its own
    // text, and reads the same blocks and strings.
    const std::string sCopied = *OpenText(gtDoc.tRCWork);
    const std::vector<tBlock> atCopied(gatRCBlock.begin(), gatRCBlock.end());
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
}

TEST_F(RcReaderTest, DamagedInputNeverHangs) {
    const char* const kas[] = {"D DIALOG 1, 2",
                               "D DIALOG 1,2,3,4\r\nBEGIN\r\n CONTROL \"unterminated",
                               "M MENU BEGIN POPUP",
                               "VS_VERSION_INFO VERSIONINFO BEGIN BLOCK",
                               "STRINGTABLE BEGIN 1",
                               "/* open comment",
                               "A ACCELERATORS { \"",
                               "#define",
                               "#if 0\r\n",
                               "D DIALOG 1,1,1,1 STYLE NOT NOT | | ,,, BEGIN END END }}",
                               "D DIALOG 1,1,1,1\r\nE DIALOG 2,2,2,2\r\nBEGIN\r\nEND\r\n"};
    for (const char* sz : kas) {
        Reset();
        EXPECT_EQ(1, LoadRC(std::string(sz) + std::string(1, '\0') + "X DIALOG 1,1,1,1 {}", 1, 0));
    }
    // A dialog without a body ends at the next one; a zero byte ends nothing.
    EXPECT_EQ(3, CountResources(wkResDialog));
}
