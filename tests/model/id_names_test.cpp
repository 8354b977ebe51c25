#include "edit/resource_edits.h"
#include "model/id_names.h"
#include "model/project.h"
#include "tests/model/model_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using IDNames = ModelTest;

TEST_F(IDNames, ValidationPutsThePercentInFront) {
    std::string s = "IDC_OK";
    EXPECT_EQ(ValidateIDName(s), 1);
    EXPECT_EQ(s, "%IDC_OK");
    for (std::string sBad : {"%1ABC", "%", "%A-B", "%_A", "%A B"}) {
        EXPECT_EQ(ValidateIDName(sBad), 0) << sBad;
    }
    s = "";
    EXPECT_EQ(ValidateIDName(s), 1);
    EXPECT_EQ(s, "");
    s = "%a_1b";
    EXPECT_EQ(ValidateIDName(s), 1);
}

TEST_F(IDNames, UniquenessIsCaseBlindAndTheListMayShareAName) {
    int32_t lOwn = AddID("%IDC_X", "1001", 0);
    AddID("%IDC_Y", "1002", 0);
    EXPECT_EQ(IsIDNameUnique(0, "%idc_x"), 0);
    EXPECT_EQ(IsIDNameUnique(lOwn, "%idc_x"), 1); // its own name
    EXPECT_EQ(IsIDNameUnique(0, "%IDC_Z"), 1);
    const std::vector<std::string> asList = {"%idc_x", "%IDC_Q"};
    EXPECT_EQ(IsIDNameUnique(0, "%idc_x", &asList), 1);
    const std::vector<std::string> asOther = {"%IDC_Q"};
    EXPECT_EQ(IsIDNameUnique(0, "%idc_x", &asOther), 0);
    DeleteID(lOwn);
    EXPECT_EQ(IsIDNameUnique(0, "%IDC_X"), 1); // tombstones do not count
}

TEST_F(IDNames, PredefinedIDsMatchWithCase) {
    EXPECT_EQ(PredefinedIDList(), "%IDOK,%IDCANCEL,%IDABORT,%IDRETRY,%IDIGNORE,%IDYES,%IDNO,"
                                  "%IDCLOSE,%IDHELP,%IDTRYAGAIN,%IDCONTINUE");
    int32_t l = AddPredefinedID("%IDCONTINUE");
    EXPECT_EQ(gatID[l].lIDValue, 11);
    EXPECT_EQ(gatID[l].lUsedBy, 0);
    EXPECT_EQ(AddPredefinedID("%idok"), 0);
    EXPECT_EQ(AddPredefinedID("%IDC_X"), 0);
    EXPECT_EQ(glIDCnt, 1);
}

TEST_F(IDNames, NamesFromTextAndBumping) {
    EXPECT_EQ(IDNameFromText("12 Save  As!"), "%Save__As");
    EXPECT_EQ(IDNameFromText("%%A"), "%A");
    EXPECT_EQ(IDNameFromText("%IDC_X"), "%IDC_X");
    EXPECT_EQ(IDNameFromText(""), "%");
    EXPECT_EQ(IDNameFromText(std::string(50, 'B')).size(), 32u);

    EXPECT_EQ(BumpIDName("%IDC_LABEL1"), "%IDC_LABEL2");
    EXPECT_EQ(BumpIDName("%IDC_X09"), "%IDC_X10");
    EXPECT_EQ(BumpIDName("%IDC_X99"), "%IDC_X100");
    EXPECT_EQ(BumpIDName("%IDC_X"), "%IDC_X1");
    EXPECT_EQ(BumpIDName("%IDC_X00"), "%IDC_X1");
    EXPECT_EQ(BumpIDName("%A99999999999999999999"), "%A100000000000000000000");
}

TEST_F(IDNames, PrefixesComeFromSettingsOrDefaults) {
    EXPECT_EQ(gasIDPrefix[-2] + gasIDPrefix[-1] + gasIDPrefix[0] + gasIDPrefix[29] + "|" +
                  gasIDPrefix[30],
              "%IDR_%IDM_%IDD_%IDC_|");
    SetIDPrefix(6, "btn ");
    EXPECT_EQ(gasIDPrefix[6], "%btn_");
    SetIDPrefix(6, "");
    EXPECT_EQ(gasIDPrefix[6], "%IDC_");
}

TEST_F(IDNames, ResourceNamesSkipResourcesAndIDs) {
    auto Name = [](int32_t lKind) {
        std::string sName, sValue;
        DefaultResourceName(lKind, sName, sValue);
        return sName + "=" + sValue;
    };
    EXPECT_EQ(Name(wkResDialog), "%IDD_DIALOG1=101");
    NewResource(wkResDialog);
    EXPECT_EQ(Name(wkResDialog), "%IDD_DIALOG2=102");
    AddID("%IDD_DIALOG2", "500", 0); // an ID without a resource
    EXPECT_EQ(Name(wkResDialog).substr(0, 13), "%IDD_DIALOG3=");
    EXPECT_EQ(Name(wkResCursor), "=");
    EXPECT_EQ(Name(wkResBitmap).substr(0, 14), "%IDR_IMGFILE1=");
    // Korvel equates are case-blind: a hand-written lower-case name counts.
    AddID("%idr_menu1", "600", 0);
    EXPECT_EQ(Name(wkResMenu).substr(0, 11), "%IDR_MENU2=");
    AddResource("%idr_popupmenu1", wkResPopupMenu, 0, 0);
    EXPECT_EQ(Name(wkResPopupMenu).substr(0, 16), "%IDR_POPUPMENU2=");
}

TEST_F(IDNames, ControlIDsAreNamedNumberedAndUnique) {
    int32_t l1 = NewControlID("Label", 3);
    EXPECT_EQ(gatID[l1].szIDName, "%IDC_LABEL1");
    EXPECT_EQ(gatID[l1].lIDValue, 1001);
    EXPECT_EQ(gatID[l1].lUsedBy, wkUsedByDlg);
    int32_t l2 = NewControlID("label", 3);
    EXPECT_EQ(gatID[l2].szIDName, "%IDC_LABEL2");
    EXPECT_EQ(gatID[l2].lIDValue, 1002);
    gatID.W(l1).szIDName = "%idc_label1"; // collisions are case-blind
    EXPECT_EQ(gatID[NewControlID("Label", 3)].szIDName, "%IDC_LABEL3");
    EXPECT_EQ(gatID[NewControlID("msctls_updown32", 16)].szIDName, "%IDC_MSCTLS_UPDOWN32_1");
}

TEST_F(IDNames, CaptionAndMenuNames) {
    EXPECT_EQ(IDNameFromCaption("&Save As...", 6), "%IDC_SAVEAS");
    AddID("%idc_saveas", "1001", 0);
    EXPECT_EQ(IDNameFromCaption("Save As", 6), "%IDC_SAVEAS1");
    EXPECT_EQ(IDNameFromCaption("Title", 0), "%IDD_TITLE");
    EXPECT_EQ(IDNameFromCaption(std::string(40, 'W'), 6).size(), 31u);

    int32_t lMenu = AddResource("%IDR_MENU1", wkResMenu, 0, 0);
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 0, 0, "&Edit");
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 0, 0, "&File");
    AddMenuItem(0, lMenu, 0, 0, wkMenuPopup, 1, 0, "&Recent");
    int32_t lOpen = AddMenuItem(0, lMenu, 0, 0, wkMenuItem, 2, 0, "&Open\\tCtrl+O");
    int32_t lTop = AddMenuItem(0, lMenu, 0, 0, wkMenuItem, 0, 0, "&Help!");
    int32_t lEmpty = AddMenuItem(0, lMenu, 0, 0, wkMenuItem, 0, 0, "");
    gtElem.lResMenu = lMenu;
    EXPECT_EQ(MenuItemIDName(lOpen), "%IDM_FILE_OPEN");
    EXPECT_EQ(MenuItemIDName(lTop), "%IDM_HELP");
    EXPECT_EQ(MenuItemIDName(lEmpty), "");
    EXPECT_EQ(MenuItemIDName(0), "");
    AddID("%IDM_FILE_OPEN", "1100", 0);
    EXPECT_EQ(MenuItemIDName(lOpen), "%IDM_FILE_OPEN1");
    AddID("%idm_file_open1", "1101", 0); // compared without case
    EXPECT_EQ(MenuItemIDName(lOpen), "%IDM_FILE_OPEN2");
}

TEST_F(IDNames, LongNamesStayUniqueWhenStored) {
    // 32 characters ending in 9: a plain bump would give 33 characters, and
    // cutting that to 32 would store a name equal to an existing one.
    std::string sLong = "%IDC_" + std::string(26, 'A') + "9";
    ASSERT_EQ(sLong.size(), 32u);
    int32_t lFirst = AddID(sLong, "1001", 0);
    std::string sCut = "%IDC_" + std::string(26, 'A') + "1";
    AddID(sCut, "1002", 0);
    int32_t lOther = AddID("%X", "1003", 0);
    std::string sName = sLong;
    MakeIDNameUnique(lOther, sName);
    EXPECT_EQ(sName.size(), 32u);
    EXPECT_EQ(sName, "%IDC_" + std::string(25, 'A') + "10");
    EXPECT_EQ(gatID[lOther].szIDName, sName);
    EXPECT_NE(FindIDByName(sName), lFirst);

    // Control IDs from a long class name: every stored name is distinct.
    std::vector<std::string> asSeen;
    for (int i = 0; i < 12; ++i) {
        int32_t l = NewControlID("VeryLongCustomControlClassName9", 29);
        std::string s = gatID[l].szIDName.str();
        EXPECT_LE(s.size(), 32u);
        for (const std::string& sOld : asSeen) {
            EXPECT_FALSE(SameIDName(s, sOld)) << s;
        }
        asSeen.push_back(s);
    }
    // An ID keeps its own name when it is the only one with it.
    std::string sMine = "%IDC_X";
    int32_t lMine = AddID(sMine, "2000", 0);
    MakeIDNameUnique(lMine, sMine);
    EXPECT_EQ(sMine, "%IDC_X");
}

TEST_F(IDNames, NewValuesFollowTheRanges) {
    EXPECT_EQ(NextControlIDValue(), 1001);
    EXPECT_EQ(NextResourceIDValue(), 101);
    AddPredefinedID("%IDOK");
    AddPredefinedID("%IDCANCEL");
    EXPECT_EQ(NextControlIDValue(), 3);
    MakeDialog("%IDD_DIALOG1", "101");
    EXPECT_EQ(NextResourceIDValue(), 102);
    EXPECT_EQ(NextControlIDValue(), 3); // resource-only IDs do not count

    ClearProject();
    AddID("%A", "1001", 0);
    AddID("%B", "1002", 0);
    int32_t lTop = AddID("%C", "65535", 0);
    EXPECT_EQ(NextControlIDValue(), 1003);
    DeleteID(lTop);
    AddID("%D", "65535", wkUsedByDlg);
    EXPECT_EQ(NextControlIDValue(), 1003);
    EXPECT_EQ(FirstFreeIDValue(1001, 1002), 0);
    EXPECT_EQ(FirstFreeIDValue(1000, 1002), 1000);
    EXPECT_EQ(LastFreeIDValue(65535, 1001), 65534);
    EXPECT_EQ(LastFreeIDValue(1002, 1001), 0);

    ClearProject();
    int32_t lID = AddID("%IDD_BIG", "65535", wkUsedByRes);
    AddResource("%IDD_BIG", wkResDialog, lID, 0);
    AddID("%IDR_X", "101", 0);
    EXPECT_EQ(NextResourceIDValue(), 102);
}
