// The menu of a form: pop-ups, separators, arrays, hidden items, options and
// shortcuts.
#include "readers/vbform_parts.h"
#include "readers/vbform_reader.h"
#include "tests/vbform/vbform_fixture.h"

namespace {

using FormMenuTest = FormTest;

const char kszMenuForm[] = "VERSION 5.00\r\n"
                           "Begin VB.Form frmMenu\r\n"
                           "   ClientHeight = 1440\r\n"
                           "   ClientWidth = 1440\r\n"
                           "   Begin VB.Menu mnuFile\r\n"
                           "      Caption = \"&File\"\r\n"
                           "      Begin VB.Menu mnuFileOpen\r\n"
                           "         Caption = \"&Open...\"\r\n"
                           "         Shortcut = ^O\r\n"
                           "      End\r\n"
                           "      Begin VB.Menu mnuSep1\r\n"
                           "         Caption = \"-\"\r\n"
                           "      End\r\n"
                           "      Begin VB.Menu mnuRecent\r\n"
                           "         Caption = \"Recent\"\r\n"
                           "         Begin VB.Menu mnuRecentFile\r\n"
                           "            Caption = \"One\"\r\n"
                           "            Checked = -1 'True\r\n"
                           "            Index = 0\r\n"
                           "            Shortcut = +{F5}\r\n"
                           "         End\r\n"
                           "         Begin VB.Menu mnuRecentFile\r\n"
                           "            Caption = \"Two\"\r\n"
                           "            Enabled = 0 'False\r\n"
                           "            Index = 1\r\n"
                           "            Shortcut = %{BKSP}\r\n"
                           "         End\r\n"
                           "         Begin VB.Menu mnuDeep\r\n"
                           "            Caption = \"Deep\"\r\n"
                           "            Begin VB.Menu mnuDeepest\r\n"
                           "               Caption = \"Deepest\"\r\n"
                           "               Shortcut = ^{F12}\r\n"
                           "            End\r\n"
                           "         End\r\n"
                           "      End\r\n"
                           "      Begin VB.Menu mnuHidden\r\n"
                           "         Caption = \"Secret\"\r\n"
                           "         Checked = -1 'True\r\n"
                           "         Shortcut = {DEL}\r\n"
                           "         Visible = 0 'False\r\n"
                           "      End\r\n"
                           "   End\r\n"
                           "   Begin VB.Menu mnuHelp\r\n"
                           "      Caption = \"|Shows help|&Help\"\r\n"
                           "      Shortcut = {F1}\r\n"
                           "   End\r\n"
                           "End\r\n";

TEST_F(FormMenuTest, MenusThreeDeepWithSeparatorsArraysAndHiddenItems) {
    int32_t lRes = LoadVBForm(kszMenuForm);
    const int32_t lMenu = gtElem.lResMenu;
    ASSERT_NE(lMenu, 0);
    EXPECT_EQ(gatRes[lMenu].lType, wkResMenu);
    EXPECT_EQ(gatRes[lMenu].lLinkDlg, lRes);
    EXPECT_EQ(gatRes[lRes].lLinkMenu, lMenu);
    struct Row {
        const char* szCaption;
        int32_t lType;
        int32_t lLevel;
        int32_t lOptions;
        const char* szID;
    };
    const Row aRow[] = {
        {"&File", wkMenuPopup, 0, 0, ""},
        {"&Open...", wkMenuItem, 1, 0, "%IDM_mnuFileOpen"},
        {"", wkMenuSeparator, 1, 0, ""},
        {"Recent", wkMenuPopup, 1, 0, ""},
        {"One", wkMenuItem, 2, wkMfChecked, "%IDM_mnuRecentFile_0"},
        {"Two", wkMenuItem, 2, wkMfGrayed, "%IDM_mnuRecentFile_1"},
        {"Deep", wkMenuPopup, 2, 0, ""},
        {"Deepest", wkMenuItem, 3, 0, "%IDM_mnuDeepest"},
        {"", wkMenuItem, 1, 0, ""}, // invisible: only its place is kept
        {"|Shows help|&Help", wkMenuItem, 0, 0, "%IDM_mnuHelp"},
    };
    ASSERT_EQ(glMenuCnt, static_cast<int32_t>(std::size(aRow)));
    for (int32_t i = 1; i <= glMenuCnt; ++i) {
        const Row& r = aRow[i - 1];
        const tMenu& t = gatMenu[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(GetDynStr(t.lCaptionElem), r.szCaption);
        EXPECT_EQ(t.lType, r.lType);
        EXPECT_EQ(t.lLevel, r.lLevel);
        EXPECT_EQ(t.lOptions, r.lOptions);
        EXPECT_EQ(IDName(t.lIDElem), r.szID);
        EXPECT_EQ(t.lResElem, lMenu);
        if (t.lIDElem) {
            EXPECT_EQ(gatID[t.lIDElem].lUsedBy, wkUsedByMenu);
            EXPECT_GE(gatID[t.lIDElem].lIDValue, 1001);
        }
    }
    // The menu bar makes the dialog 19 pixels (12 units) taller: 96 + 8 + 19 + 19.
    const int32_t lDlg = FindDialogRow(lRes);
    EXPECT_EQ(gatDlg[lDlg].nBottom - gatDlg[lDlg].nTop, 76 + 12);
}

TEST_F(FormMenuTest, ShortcutsBecomeAcceleratorsOfTheFormsTable) {
    LoadVBForm(kszMenuForm);
    const int32_t lTable = gtElem.lResAccel;
    ASSERT_NE(lTable, 0);
    EXPECT_EQ(gatRes[lTable].lLinkDlg, gtElem.lResDlg);
    EXPECT_EQ(gatRes[lTable].lLinkMenu, gtElem.lResMenu);
    struct Key {
        int32_t lMenuRow;
        uint8_t byKey;
        uint8_t byModifiers;
    };
    const Key aKey[] = {{2, 'O', wkFControl},
                        {5, 0x74, wkFShift},
                        {6, 0x08, wkFAlt},
                        {8, 0x7B, wkFControl},
                        {10, 0x70, 0}};
    ASSERT_EQ(glAccelCnt, 5); // the hidden item's {DEL} is gone with it
    for (const Key& k : aKey) {
        const tMenu& tItem = gatMenu[k.lMenuRow];
        const tAccel& tKey = gatAccel[tItem.lAccelElem];
        SCOPED_TRACE(k.lMenuRow);
        EXPECT_EQ(tKey.byKey, k.byKey);
        EXPECT_EQ(tKey.byModifiers, k.byModifiers);
        EXPECT_EQ(tKey.lIDElem, tItem.lIDElem);
        EXPECT_EQ(tKey.lResElem, lTable);
    }
}

TEST_F(FormMenuTest, ShortcutTexts) {
    struct Case {
        const char* sz;
        bool bKey;
        uint8_t byKey;
        uint8_t byModifiers;
    };
    const Case aCase[] = {
        {"^{F5}", true, 0x74, wkFControl},
        {"^+%{F24}", true, 0x87, wkFControl | wkFShift | wkFAlt},
        {"{INSERT}", true, 0x2D, 0},
        {"+{DEL}", true, 0x2E, wkFShift},
        {"^a", true, 'A', wkFControl},
        {"%1", true, '1', wkFAlt},
        {"^", true, '^', 0}, // a modifier sign alone is the key itself
        {"{F0}", false, 0, 0},
        {"{F25}", false, 0, 0},
        {"{PGUP}", false, 0, 0},
        {"^{F", false, 0, 0},
        {"", false, 0, 0},
        {"^AB", false, 0, 0},
    };
    for (const Case& c : aCase) {
        uint8_t byKey = 1;
        uint8_t byModifiers = 1;
        SCOPED_TRACE(c.sz);
        EXPECT_EQ(ParseVBShortcut(c.sz, byKey, byModifiers), c.bKey);
        EXPECT_EQ(byKey, c.byKey);
        EXPECT_EQ(byModifiers, c.byModifiers);
    }
}

TEST_F(FormMenuTest, ImportedFormGetsItsOwnMenuBesideTheProjects) {
    // A project whose current menu and accelerator table belong to another dialog.
    LoadVBForm(kszMenuForm);
    const int32_t lOldMenu = gtElem.lResMenu;
    const int32_t lOldTable = gtElem.lResAccel;
    const int32_t lOldItems = glMenuCnt;
    const int32_t lRes = LoadVBForm(kszMenuForm, 0);
    EXPECT_NE(gtElem.lResMenu, lOldMenu);
    EXPECT_NE(gtElem.lResAccel, lOldTable);
    EXPECT_EQ(CountMenuItems(lOldMenu), lOldItems);
    EXPECT_EQ(CountMenuItems(gtElem.lResMenu), lOldItems);
    EXPECT_EQ(gatRes[lRes].lLinkMenu, gtElem.lResMenu);
    // Names already taken are bumped.
    EXPECT_EQ(gatRes[lRes].szIDName.str(), "%IDD_frmMenu1");
    EXPECT_NE(FindIDByName("%IDM_mnuFileOpen1"), 0);
    EXPECT_EQ(CountResources(wkResDialog), 2);
}

} // namespace
