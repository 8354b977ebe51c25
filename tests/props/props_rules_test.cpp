#include "model/change_notice.h"
#include "model/dynstr.h"
#include "model/fonts.h"
#include "model/id_names.h"
#include "model/project.h"
#include "props/rules/prop_apply.h"
#include "props/rules/style_pages.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The catalog and the kinds' defaults once per program, as at start-up; a
// dialog "%IDD_DLG" with one control per test.
class PropsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartProject();
        const int32_t lID = AddID("%IDD_DLG", "100", wkUsedByRes);
        lRes = AddResource("%IDD_DLG", wkResDialog, lID, 0);
        tDlg t = NewKindRow(wkCtlDialog);
        t.lIDElem = lID;
        t.lResElem = lRes;
        t.lFontElem = 1;
        lDlg = AddDlgRow(t);
        gtElem.lResDlg = lRes;
        gtElem.lDlg = lDlg;
    }
    void TearDown() override { ClearProject(); }

    int32_t Control(int32_t lKind, const std::string& sName, const std::string& sValue) {
        tDlg t = NewKindRow(lKind);
        t.lIDElem = AddID(sName, sValue, wkUsedByDlg);
        t.lResElem = lRes;
        t.lFontElem = 1;
        t.lCtlOrder = CountDialogRows(lRes);
        SetDynStr(t.lCaptionElem, "Text");
        return AddDlgRow(t);
    }
    static tStyleEntry* Entry(tStylePages& t, const std::string& sName) {
        for (auto* p : {&t.atStyle, &t.atExStyle}) {
            for (tStyleEntry& e : *p) {
                if (e.sName == sName) {
                    return &e;
                }
            }
        }
        return nullptr;
    }
    static size_t IndexOf(const std::vector<tStyleEntry>& at, const std::string& sName) {
        for (size_t i = 0; i < at.size(); ++i) {
            if (at[i].sName == sName) {
                return i;
            }
        }
        return at.size();
    }
    int32_t lRes = 0;
    int32_t lDlg = 0;
};

TEST_F(PropsTest, EveryPageNameIsInTheCatalogAndControlsLockChildAndVisible) {
    for (int32_t lKind = 0; lKind < wkCtlKindCount; ++lKind) {
        tStylePages t = FillStylePages(NewKindRow(lKind));
        for (const auto* p : {&t.atStyle, &t.atExStyle}) {
            for (const tStyleEntry& e : *p) {
                if (e.byType == wkBoxSeparator || e.sName == "%Single Select") {
                    continue;
                }
                EXPECT_NE(e.lStyle, 0) << "kind " << lKind << " " << e.sName;
                EXPECT_NE(e.lDescId, 0) << e.sName;
                EXPECT_FALSE(StyleDescription(e.lDescId).empty()) << e.sName;
            }
        }
        if (lKind == wkCtlDialog) {
            continue;
        }
        for (const char* sz : {"%WS_CHILD", "%WS_VISIBLE"}) {
            tStyleEntry* e = Entry(t, sz);
            ASSERT_NE(e, nullptr) << lKind;
            EXPECT_TRUE(e->lFlags & wkEntryLocked);
            EXPECT_EQ(e->byChecked, 1) << "kind " << lKind << " " << sz;
            EXPECT_EQ(ToggleStyleEntry(t, t.atStyle, IndexOf(t.atStyle, sz)), 0);
        }
        EXPECT_EQ(t.atExStyle.empty(), lKind == wkCtlHScrollBar || lKind == wkCtlVScrollBar);
    }
    EXPECT_EQ(StyleDescription(3048), "Control is a child of the dialog.");
    EXPECT_EQ(FillStylePages(NewKindRow(wkCtlButton)).atStyle[0].lDescId, 3048);
}

TEST_F(PropsTest, CheckMarksFollowTheIndexListNotTheBits) {
    // %WS_CAPTION is the bits of %WS_BORDER and %WS_DLGFRAME together.
    const int32_t lWindow = FindClass("WindowStyles");
    const std::string sList = FormatStyleToken(FindStyleByName(lWindow, "%WS_CAPTION")) + ",";
    tStylePages t = FillStylePages(wkCtlDialog, sList, "");
    EXPECT_EQ(StyleEntryChecked(t, "%WS_CAPTION"), 1);
    EXPECT_EQ(StyleEntryChecked(t, "%WS_BORDER"), 0);
    EXPECT_EQ(StyleEntryChecked(t, "%WS_DLGFRAME"), 0);
}

TEST_F(PropsTest, OptionGroupsAndTheStylesTheyWrite) {
    const int32_t lLabel = Control(wkCtlLabel, "%IDC_LABEL1", "1001");
    tStylePages t = FillStylePages(gatDlg[lLabel]);
    ASSERT_EQ(StyleEntryChecked(t, "%SS_LEFT"), 1);
    // A checked option is not unchecked by clicking it.
    EXPECT_EQ(ToggleStyleEntry(t, t.atStyle, IndexOf(t.atStyle, "%SS_LEFT")), 0);
    const int32_t lExLeft = StyleEntryChecked(t, "%WS_EX_LEFT");
    EXPECT_EQ(CheckStyleEntry(t, "%SS_CENTER"), 1);
    EXPECT_EQ(StyleEntryChecked(t, "%SS_LEFT"), 0);
    EXPECT_EQ(StyleEntryChecked(t, "%SS_RIGHT"), 0);
    // The next group keeps its choice.
    EXPECT_EQ(StyleEntryChecked(t, "%WS_EX_LEFT"), lExLeft);
    ToggleStyleEntry(t, t.atStyle, IndexOf(t.atStyle, "%WS_BORDER"));

    const tStyleValues v = StylesFromPages(t, gatDlg[lLabel]);
    EXPECT_EQ(v.lStyle & 0x3, 0x1) << "SS_CENTER";
    EXPECT_TRUE(v.lStyle & 0x800000) << "WS_BORDER";
    EXPECT_EQ(StyleListToText(v.sStyleList).find("%SS_LEFT"), std::string::npos);
    EXPECT_NE(StyleListToText(v.sStyleList).find("%SS_CENTER"), std::string::npos);
}

TEST_F(PropsTest, StylesThePageDoesNotOfferSurviveAnApply) {
    const int32_t lList = Control(wkCtlListBox, "%IDC_LIST1", "1001");
    // An imported list box with a style the page lacks (%WS_THICKFRAME) and a
    // bit no name explains.
    const int32_t lCombo = FindStyleByName(FindClass("WindowStyles"), "%WS_THICKFRAME");
    ASSERT_NE(lCombo, 0);
    std::string sList = GetDynStr(gatDlg[lList].lStyleStrElem) + FormatStyleToken(lCombo) + ",";
    gatDlg.W(lList).lStyleStrElem = 0;
    SetDynStr(gatDlg.W(lList).lStyleStrElem, sList);
    gatDlg.W(lList).lStyle |= static_cast<int32_t>(gatStyle[lCombo].lValue) | 0x8000;

    tStylePages t = FillStylePages(gatDlg[lList]);
    EXPECT_EQ(StylesFromPages(t, gatDlg[lList]).sStyleList, sList) << "untouched: kept as read";
    ToggleStyleEntry(t, t.atStyle, IndexOf(t.atStyle, "%WS_DISABLED"));
    const tStyleValues v = StylesFromPages(t, gatDlg[lList]);
    EXPECT_EQ(StyleListHas(v.sStyleList, lCombo), 1);
    EXPECT_EQ(v.lStyle & 0x8000, 0x8000);
    EXPECT_EQ(v.lStyle, gatDlg[lList].lStyle ^ 0x8000000);
}

TEST_F(PropsTest, RefusedApplyChangesNothing) {
    const int32_t lButton = Control(wkCtlButton, "%IDC_BUTTON1", "1001");
    const int32_t lImage = Control(wkCtlImage, "%IDC_IMAGE1", "1002");
    const auto Exists = [](const std::string& s) { return s != "gone.bmp"; };
    struct tCase {
        int32_t lElem;
        void (*pfnEdit)(tPropEdit&);
        int32_t lField;
        const char* szStart;
    } atCases[] = {
        {lButton, [](tPropEdit& t) { t.sIDName = "9BAD"; }, wkFieldIDName, "The ID Name is not"},
        {lDlg, [](tPropEdit& t) { t.sIDName = "%IDC_BUTTON1"; }, wkFieldIDName,
         "The ID Name is already"},
        {lButton, [](tPropEdit& t) { t.sIDName = std::string(40, 'A'); }, wkFieldIDName,
         "The ID Name is not"},
        {lDlg, [](tPropEdit& t) { t.sIDName = ""; }, wkFieldIDName, "You cannot delete"},
        {lButton,
         [](tPropEdit& t) {
             t.sIDName = "";
             t.lForeClr = 0xFF;
         },
         wkFieldIDName, "An ID Name is required"},
        {lButton, [](tPropEdit& t) { t.sCaption = "&Save &Exit"; }, wkFieldCaption,
         "The ampersand"},
        {lButton, [](tPropEdit& t) { t.sCaption = "&Save && E&xit"; }, wkFieldCaption,
         "The ampersand"},
        {lImage, [](tPropEdit& t) { t.sCaption = "gone.bmp"; }, wkFieldCaption,
         "Can't find file: gone.bmp"},
        {lImage,
         [](tPropEdit& t) {
             CheckStyleEntry(t.tPages, "%SS_ICON");
             t.sCaption = "pic.bmp";
         },
         wkFieldCaption, "The type of file extension"},
        {lButton, [](tPropEdit& t) { t.sTabOrder = "x"; }, wkFieldTabOrder, "The Tab Order"},
    };
    for (const tCase& c : atCases) {
        const tDlg tBefore = gatDlg[c.lElem];
        const int32_t lIDs = glIDCnt;
        tPropEdit t = PropEditFromRow(c.lElem);
        t.sCaption = c.lElem == lImage ? "pic.ico" : t.sCaption;
        c.pfnEdit(t);
        const tPropCheck r = CheckProperties(c.lElem, t, +Exists);
        EXPECT_EQ(r.lField, c.lField) << c.szStart;
        EXPECT_EQ(r.sMessage.rfind(c.szStart, 0), 0u) << r.sMessage;
        EXPECT_EQ(std::memcmp(&tBefore, &gatDlg[c.lElem], sizeof(tDlg)), 0) << c.szStart;
        EXPECT_EQ(glIDCnt, lIDs);
    }
}

TEST_F(PropsTest, ApplyCorrectsAndWrites) {
    const int32_t lButton = Control(wkCtlButton, "%IDC_BUTTON1", "1001");
    Control(wkCtlButton, "%IDC_BUTTON2", "1002");
    tPropEdit t = PropEditFromRow(lButton);
    t.sIDName = " IDC_OK ";
    t.sIDValue = "70000";
    t.sCaption = "Save && E&xit";
    t.lBackClr = 0x00FF00;
    CheckStyleEntry(t.tPages, "%BS_FLAT");
    tPropCheck r = CheckProperties(lButton, t, nullptr);
    ASSERT_EQ(r.lField, wkFieldNone) << r.sMessage;
    EXPECT_EQ(r.lNameFixed, 1);
    EXPECT_EQ(t.sIDName, "%IDC_OK");
    EXPECT_EQ(r.lValueFixed, 1);
    EXPECT_EQ(t.sIDValue, "1003");
    EXPECT_EQ(WriteProperties(lButton, t), 1) << "a style change remakes the window";

    const tDlg& d = gatDlg[lButton];
    EXPECT_EQ(gatID[d.lIDElem].szIDName.str(), "%IDC_OK");
    EXPECT_EQ(gatID[d.lIDElem].lIDValue, 1003);
    EXPECT_EQ(GetDynStr(d.lCaptionElem), "Save && E&xit");
    EXPECT_EQ(d.byBackClrUsed, 1);
    EXPECT_EQ(d.lBackClr, 0x00FF00);
    EXPECT_EQ(d.byForeClrUsed, 0);
    EXPECT_TRUE(d.lStyle & 0x8000) << "BS_FLAT";
    EXPECT_EQ(glChanged, 1);

    // Reusing an ID of the list, without a custom colour: no new ID; and a
    // second control with that value is pointed out for the description line.
    const int32_t lOther = Control(wkCtlLabel, "%IDC_LABEL1", "1010");
    tPropEdit u = PropEditFromRow(lOther);
    EXPECT_NE(IDValueConflict(lOther, "%IDC_LABEL1", "1003").find("%IDC_OK"), std::string::npos);
    EXPECT_EQ(IDValueConflict(lOther, "%IDC_LABEL1", "1004"), "");
    u.sIDName = "%idc_button2";
    const int32_t lIDs = glIDCnt;
    ASSERT_EQ(CheckProperties(lOther, u, nullptr).lField, wkFieldNone);
    EXPECT_EQ(WriteProperties(lOther, u), 0) << "caption and ID only: changed in place";
    EXPECT_EQ(glIDCnt, lIDs);
    EXPECT_EQ(gatID[gatDlg[lOther].lIDElem].szIDName.str(), "%IDC_BUTTON2");

    // An empty name with nothing that needs one loses the ID.
    u = PropEditFromRow(lOther);
    u.sIDName = "";
    ASSERT_EQ(CheckProperties(lOther, u, nullptr).lField, wkFieldNone);
    WriteProperties(lOther, u);
    EXPECT_EQ(gatDlg[lOther].lIDElem, 0);
}

TEST_F(PropsTest, HotKeysAndFontLine) {
    EXPECT_EQ(CountHotKeys("Save && Exit"), 0);
    EXPECT_EQ(CountHotKeys("&&&Open"), 1);
    tLogFont f{};
    f.lHeight = -16;
    f.lWeight = 700;
    f.byItalic = 1;
    EXPECT_EQ(FontSizeLine(f), "12    Bold Italic");
}

} // namespace
