#include "model/project.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The built-in catalog and the defaults, as at start-up: loaded once for the
// whole program (the defaults' lists are the first pool elements), and the
// catalog tables re-parsed before each test in case a test parsed its own text.
class CatalogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static bool bBuilt = false;
        if (!bBuilt) {
            ClearProject();
            gasDynStr.Release();
            glDynStrBase = 0;
            LoadStylesCatalog();
            BuildControlDefaults();
            bBuilt = true;
        }
    }
    void SetUp() override {
        LoadStylesCatalog();
        ClearProject();
    }
    void TearDown() override {
        LoadStylesCatalog();
        ClearProject();
    }

    static int32_t Cls(const char* sName) { return FindClass(sName); }
    static std::string Name(int32_t lStyle) { return gatStyle[lStyle].szName.str(); }
};

// The program carries the data file byte for byte, lines ending in CR LF.
TEST_F(CatalogTest, TheProgramCarriesTheDataFile) {
    std::ifstream f(WK_SOURCE_DIR "/styles/styles_catalog.txt", std::ios::binary);
    const std::string sFile((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(sFile.empty());
    EXPECT_EQ(std::string(BuiltinStylesText()), sFile);
    for (size_t l = sFile.find('\n'); l != std::string::npos; l = sFile.find('\n', l + 1)) {
        ASSERT_EQ(sFile[l - 1], '\r') << "line without CR at " << l;
    }
}

TEST_F(CatalogTest, ValueTokensReadAsUnsignedHexIgnoringTheirSuffix) {
    const int32_t lLV = Cls("SysListView32");
    EXPECT_EQ(gatStyle[FindStyleByName(lLV, "%LVS_ICON")].lValue, 0u);               // &H0000???
    EXPECT_EQ(gatStyle[FindStyleByName(lLV, "%LVS_TYPESTYLEMASK")].lValue, 0xFC00u); // &Hfc00???
    EXPECT_EQ(gatStyle[FindStyleByName(lLV, "%LVS_NOSORTHEADER")].lValue, 0x8000u);  // not negative
    EXPECT_EQ(gatStyle[FindStyleByName(Cls("RichEdit"), "%ES_SELECTIONBAR")].lValue, 0x1000000u);
    EXPECT_EQ(gatStyle[FindStyleByName(Cls("WindowStyles"), "%WS_POPUP")].lValue, 0x80000000u);
    EXPECT_EQ(gatStyle[FindStyleByName(Cls("WindowStyles"), "%WS_MAXIMIZE")].lValue, 0x1000000u);
}

TEST_F(CatalogTest, ParserFollowsTheLineRulesOfAnyText) {
    // Comment lines, a trailing comment, blank lines, an empty section in the
    // middle and at the end, a lone LF line end, lower-case hex, and a NUL that
    // ends the text before a last section.
    const std::string sText = std::string("' head comment\r\n\r\n"
                                          "[AStyles]\r\n"
                                          "%A_ONE = &H1&        ' one\r\n"
                                          "' between\r\n"
                                          "%A_BIG=&Hffffffff???\r\n"
                                          "[Empty]\r\n"
                                          "' nothing here\r\n"
                                          "[Ctl]\n"
                                          "%C_X = &H0\r\n"
                                          "\r\n"
                                          "[Tail]\r\n") +
                              std::string(1, '\0') + "[Ghost]\r\n%G = &H1&\r\n";
    LoadStylesCatalogFromText(sText);
    ASSERT_EQ(glClassCnt, 4);
    ASSERT_EQ(glStyleCnt, 3);
    const int32_t alRange[][3] = {{0, 1, 2}, {-1, 0, 0}, {-1, 3, 3}, {-1, 0, 0}};
    for (int32_t l = 1; l <= 4; ++l) {
        EXPECT_EQ(gatClass[l].IsCtl, alRange[l - 1][0]) << l;
        EXPECT_EQ(gatClass[l].First, alRange[l - 1][1]) << l;
        EXPECT_EQ(gatClass[l].Last, alRange[l - 1][2]) << l;
    }
    EXPECT_EQ(gatStyle[1].szName.str(), "%A_ONE");
    EXPECT_EQ(gatStyle[1].lValue, 1u);
    EXPECT_EQ(gatStyle[2].szName.str(), "%A_BIG");
    EXPECT_EQ(gatStyle[2].lValue, 0xFFFFFFFFu);
    EXPECT_EQ(gatStyle[3].lClass, 3);
    EXPECT_EQ(FindStyleByValue(2, 0), 0);
    EXPECT_EQ(FindStyleByValue(3, 0), 3);
}

TEST_F(CatalogTest, LookupsTakeTheFirstRowAndFollowTheirCaseRules) {
    const int32_t lWS = Cls("WindowStyles");
    EXPECT_EQ(FindStyleByValue(lWS, 0x40000000), 3);
    EXPECT_EQ(Name(3), "%WS_CHILD");
    EXPECT_EQ(Name(FindStyleByValue(lWS, 0x10000)), "%WS_TABSTOP");
    EXPECT_EQ(Name(FindStyleByValue(Cls("ExStyles"), 0x80)), "%WS_EX_TOOLWINDOW");
    EXPECT_EQ(Name(FindStyleByValue(Cls("Button"), 0)), "%BS_TEXT");
    // A value only another section has is not found.
    EXPECT_EQ(FindStyleByValue(Cls("Edit"), 0x80000000), 0);
    EXPECT_EQ(FindStyleByValue(Cls("msctls_hotkey32"), 0), 0);
    EXPECT_EQ(FindStyleByValue(0, 0), 0);

    EXPECT_EQ(FindClass("richedit"), Cls("RichEdit"));
    EXPECT_EQ(FindClass("SYSLISTVIEW32"), 14);
    EXPECT_EQ(FindClass("NoSuchClass"), 0);
    EXPECT_EQ(FindStyleByName(lWS, "%ws_child"), 0);
    EXPECT_EQ(FindStyleByName(lWS, "WS_CHILD"), 0);
    EXPECT_EQ(FindStyleByName(0, "%WS_CHILD"), 0);
    // The same name in two sections: each section finds its own row.
    const int32_t lEditLeft = FindStyleByName(Cls("Edit"), "%ES_LEFT");
    const int32_t lRichLeft = FindStyleByName(Cls("RichEdit"), "%ES_LEFT");
    EXPECT_NE(lEditLeft, lRichLeft);
    EXPECT_EQ(gatStyle[lRichLeft].lClass, Cls("RichEdit"));

    EXPECT_EQ(FormatStyleToken(7), "007");
    EXPECT_EQ(FormatStyleToken(287), "287");
    EXPECT_EQ(StyleListToText(""), "");
    EXPECT_EQ(StyleListToText("003,005,"), "%WS_CHILD Or %WS_VISIBLE");
    EXPECT_EQ(StyleListToText("003,005"), "%WS_CHILD"); // after the last "," ignored
}

TEST_F(CatalogTest, EveryKindsDefaultListsMatchItsValues) {
    // Every kind's lists must agree with its values (the lists themselves show
    // in the generated code's goldens).
    for (int32_t lKind = 0; lKind < wkCtlKindCount; ++lKind) {
        SCOPED_TRACE("kind " + std::to_string(lKind));
        const tCtlDefault& t = gatCtlDefault[lKind];
        const std::string sList = GetDynStr(t.lStyleStrElem);
        const std::string sExList = GetDynStr(t.lExStyleStrElem);
        EXPECT_EQ(t.lExStyleStrElem == 0, sExList.empty());
        // The numeric defaults agree bit for bit with the named rows.
        uint32_t lOr = 0, lExOr = 0;
        for (size_t i = 0; i + 4 <= sList.size(); i += 4) {
            lOr |= gatStyle[std::stoi(sList.substr(i, 3))].lValue;
        }
        for (size_t i = 0; i + 4 <= sExList.size(); i += 4) {
            lExOr |= gatStyle[std::stoi(sExList.substr(i, 3))].lValue;
        }
        EXPECT_EQ(lOr, static_cast<uint32_t>(t.lStyle));
        EXPECT_EQ(lExOr, static_cast<uint32_t>(t.lExStyle));
        EXPECT_GT(t.lWidth, 0);
        EXPECT_LE(t.lStyleStrElem, glDynStrBase);
        EXPECT_LE(t.lExStyleStrElem, glDynStrBase);
    }
    // %ES_LEFT of the rich edit defaults is the RichEdit row, not the Edit row.
    EXPECT_EQ(GetDynStr(gatCtlDefault[wkCtlRichEdit].lStyleStrElem).substr(20, 4),
              FormatStyleToken(FindStyleByName(Cls("RichEdit"), "%ES_LEFT")) + ",");
    // The catalog's pool elements are recorded and survive a project clear.
    EXPECT_EQ(glDynStrBase, gatCtlDefault[wkCtlCustom].lExStyleStrElem);
    const std::string sDialog = GetDynStr(gatCtlDefault[0].lStyleStrElem);
    AddDynStr("project text");
    ClearProject();
    EXPECT_EQ(glDynStrCnt, glDynStrBase);
    EXPECT_EQ(GetDynStr(gatCtlDefault[0].lStyleStrElem), sDialog);
}

TEST_F(CatalogTest, AddAndRemoveTouchTheListOnlyWhenTheBitsChange) {
    const int32_t lWS = Cls("WindowStyles"), lEdit = Cls("Edit"), lEx = Cls("ExStyles");
    tDlg t{};
    t.lCtlType = wkCtlTextBox;
    // Starting from the defaults' list: the shared element must stay as it is.
    t.lStyle = gatCtlDefault[wkCtlTextBox].lStyle;
    t.lStyleStrElem = gatCtlDefault[wkCtlTextBox].lStyleStrElem;
    const std::string sDefault = GetDynStr(t.lStyleStrElem);

    AddStyle(t, 0x10000000, lWS); // already set
    AddStyle(t, 0x0, lEdit);      // %ES_LEFT: every bit of 0 is always set
    EXPECT_EQ(t.lStyleStrElem, gatCtlDefault[wkCtlTextBox].lStyleStrElem);

    AddStyle(t, 0x800, lEdit); // %ES_READONLY
    EXPECT_EQ(t.lStyle, 0x50010880);
    EXPECT_NE(t.lStyleStrElem, gatCtlDefault[wkCtlTextBox].lStyleStrElem);
    EXPECT_EQ(GetDynStr(gatCtlDefault[wkCtlTextBox].lStyleStrElem), sDefault);
    EXPECT_EQ(StyleListToText(GetDynStr(t.lStyleStrElem)),
              StyleListToText(sDefault) + " Or %ES_READONLY");

    // Not wholly set: nothing changes.
    const std::string sBefore = GetDynStr(t.lStyleStrElem);
    RemoveStyle(t, 0x800 | 0x4, lEdit);
    EXPECT_EQ(t.lStyle, 0x50010880);
    EXPECT_EQ(GetDynStr(t.lStyleStrElem), sBefore);
    // Wholly set: subtracted, and every occurrence of the token goes.
    const int32_t lReadOnly = FindStyleByValue(lEdit, 0x800);
    std::string sTwice = sBefore + FormatStyleToken(lReadOnly) + ",";
    SetDynStr(t.lStyleStrElem, sTwice);
    RemoveStyle(t, 0x800, lEdit);
    EXPECT_EQ(t.lStyle, 0x50010080);
    EXPECT_EQ(GetDynStr(t.lStyleStrElem), sDefault);

    // A value no row of the class carries sets the bits but adds no token.
    AddStyle(t, 0x4000000, lEdit);
    EXPECT_EQ(t.lStyle, 0x54010080);
    EXPECT_EQ(GetDynStr(t.lStyleStrElem), sDefault);

    // Extended styles: the same rules on their own fields; emptying frees the list.
    AddExStyle(t, 0x20000, lEx);
    EXPECT_EQ(t.lExStyle, 0x20000);
    EXPECT_EQ(StyleListToText(GetDynStr(t.lExStyleStrElem)), "%WS_EX_STATICEDGE");
    RemoveExStyle(t, 0x20000, lEx);
    EXPECT_EQ(t.lExStyle, 0);
    EXPECT_EQ(t.lExStyleStrElem, 0);

    // The element forms work on gatDlg rows and ignore rows out of range.
    const int32_t lRow = AddDlgRow(t);
    AddStyle(lRow, 0x1, lEdit);
    EXPECT_EQ(gatDlg[lRow].lStyle & 0x1, 0x1);
    AddStyle(lRow + 1, 0x1, lEdit);
}

TEST_F(CatalogTest, ImpliedAndCenteredStylesAreAddedOnce) {
    tDlg tDialog{};
    tDialog.lCtlType = wkCtlDialog;
    tDialog.lStyle = 0x80000000;
    SetDynStr(tDialog.lStyleStrElem, FormatStyleToken(2) + ","); // %WS_POPUP
    EnsureImpliedStyles(tDialog);
    EnsureImpliedStyles(tDialog);
    EXPECT_EQ(static_cast<uint32_t>(tDialog.lStyle), 0x90000054u);
    EXPECT_EQ(StyleListToText(GetDynStr(tDialog.lStyleStrElem)),
              "%WS_POPUP Or %WS_VISIBLE Or %DS_3DLOOK Or %DS_NOFAILCREATE Or %DS_SETFONT");
    EnsureCentered(tDialog);
    EnsureCentered(tDialog);
    EXPECT_EQ(static_cast<uint32_t>(tDialog.lStyle), 0x90000854u);
    EXPECT_EQ(StyleListToText(GetDynStr(tDialog.lStyleStrElem)),
              "%WS_POPUP Or %WS_VISIBLE Or %DS_3DLOOK Or %DS_NOFAILCREATE Or %DS_SETFONT Or "
              "%DS_CENTER");

    tDlg tCtl{};
    tCtl.lCtlType = wkCtlButton;
    tCtl.lStyle = 0x10000000; // visible bit without its name in the list
    EnsureImpliedStyles(tCtl);
    EXPECT_EQ(tCtl.lStyle, 0x50000000);
    EXPECT_EQ(StyleListToText(GetDynStr(tCtl.lStyleStrElem)), "%WS_CHILD Or %WS_VISIBLE");
    EnsureCentered(tCtl); // controls are never centred
    EXPECT_EQ(tCtl.lStyle, 0x50000000);
}

TEST_F(CatalogTest, ControlKindNamesAndKeywords) {
    EXPECT_EQ(CtlTypeClass(0), "DialogStyles");
    EXPECT_EQ(CtlTypeClass(25), "RichEdit");
    EXPECT_EQ(CtlTypeClass(29), "");
    for (int32_t lKind = 1; lKind < wkCtlCustom; ++lKind) {
        EXPECT_NE(FindClass(CtlTypeClass(lKind)), 0) << lKind;
        // Every keyword (or class name) reads back as its kind; 15 reads as 14.
        EXPECT_EQ(CtlTypeFromKeyword(CtlTypeKeyword(lKind, 0)), lKind == 15 ? 14 : lKind);
        EXPECT_EQ(CtlTypeKeyword(lKind, 1).empty(), lKind >= 17) << lKind;
    }
    EXPECT_EQ(CtlTypeKeyword(21, 0), "SysListView32");
    EXPECT_EQ(CtlTypeKeyword(3, 1), "Label");
    EXPECT_EQ(CtlTypeFromKeyword("scrollbar"), 14);
    EXPECT_EQ(CtlTypeFromKeyword("MyGridClass"), 29);
    EXPECT_EQ(CtlTypeHelpTopic(28), "CONTROL ADD \"custom-control\" statement");
    EXPECT_EQ(CtlTypeToolName(30), "");
}

TEST_F(CatalogTest, DesignStylesCopyOnlyTheBitsEachKindShows) {
    auto Design = [](int32_t lKind, uint32_t lStyle, uint32_t lExStyle = 0) {
        tDlg t{};
        t.lCtlType = lKind;
        t.lStyle = static_cast<int32_t>(lStyle);
        t.lExStyle = static_cast<int32_t>(lExStyle);
        return DesignWindowStyles(t);
    };
    // Label: %SS_SIMPLE (&HB) must not reach the window as %SS_ICON (&H3).
    EXPECT_EQ(Design(3, 0x5000000B).lStyle, 0x54000100);
    EXPECT_EQ(Design(3, 0x50000001).lStyle, 0x54000101);
    EXPECT_EQ(Design(3, 0x5000000C).lStyle, 0x5400010C);
    EXPECT_EQ(Design(3, 0x50000008).lStyle, 0x54000100); // half of &HC: nothing
    // Up-down: %UDS_HORZ is shown, %UDS_AUTOBUDDY and %UDS_WRAP never.
    EXPECT_EQ(Design(17, 0x50000051).lStyle, 0x54000040);
    // Images switch between icon and bitmap; other static types show neither.
    EXPECT_EQ(Design(1, 0x50000003).lStyle, 0x54000003);
    EXPECT_EQ(Design(2, 0x5000000E).lStyle, 0x5400000E);
    EXPECT_EQ(Design(1, 0x50001207).lStyle, 0x54001200);
    // Date time picker: the format constants of several bits need all of them.
    EXPECT_EQ(Design(26, 0x50000008).lStyle, 0x54010000);
    EXPECT_EQ(Design(26, 0x5000000C).lStyle, 0x5401000C);
    EXPECT_EQ(Design(26, 0x50000000).lExStyle, 0x200);
    // Dialog: its own ex bits besides the common ones; the start values are
    // the design bits or-ed with the defaults, whatever the row has.
    const tDesignStyles tDialog = Design(0, 0x00080000, 0x480 | 0x200 | 0x8);
    EXPECT_EQ(static_cast<uint32_t>(tDialog.lStyle), 0x94CC00D4u);
    EXPECT_EQ(tDialog.lExStyle, 0x10100 | 0x480 | 0x200);
    // Every kind copies the common extended bits, and only those.
    for (int32_t lKind = 1; lKind < wkCtlKindCount; ++lKind) {
        EXPECT_EQ(Design(lKind, 0x50000000, 0xFFFFFFFF).lExStyle,
                  gatCtlDefault[lKind].lDesignExStyle | gatCtlDefault[lKind].lExStyle | 0x27201)
            << lKind;
    }
    // A row of the table by element.
    tDlg tRow{};
    tRow.lCtlType = wkCtlListBox;
    tRow.lStyle = 0x50800000;
    const int32_t lRow = AddDlgRow(tRow);
    EXPECT_EQ(DesignWindowStyles(lRow).lStyle, 0x54A10103 | 0x800000);
}

} // namespace
