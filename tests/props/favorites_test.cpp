#include "app/settings/settings.h"
#include "model/dynstr.h"
#include "model/project.h"
#include "props/rules/favorites.h"
#include "styles/catalog.h"
#include "styles/control_kinds.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

// A settings file of the test's own; the catalog as at start-up.
class Favorites : public ::testing::Test {
  protected:
    void SetUp() override {
        LoadDesignerCatalogOnce();
        ClearProject();
        // Named by test and process: the suites of several build trees run at once.
        sIni = ::testing::TempDir() + "wk_favorites_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
               std::to_string(getpid()) + ".ini";
        std::remove(sIni.c_str());
        SetSettingsPath(sIni);
    }
    void TearDown() override {
        std::remove(sIni.c_str());
        SetSettingsPath("");
        ClearProject();
    }
    static std::string Tok(const char* szSection, const char* szName) {
        return FormatStyleToken(FindStyleByName(FindClass(szSection), szName)) + ",";
    }
    std::string sIni;
};

TEST_F(Favorites, CreateRenameDefaultDeleteAndApply) {
    tDlg tLabel = NewKindRow(wkCtlLabel);
    EXPECT_EQ(MatchingFavorite(wkFavStyles, tLabel), "<Standard Styles>") << "a fresh installation";
    EXPECT_EQ(MatchingFavorite(wkFavSizes, tLabel), "<Standard Sizes>");

    const std::string sValue = Tok("WindowStyles", "%WS_CHILD") + Tok("Static", "%SS_CENTER") +
                               ";" + Tok("ExStyles", "%WS_EX_CLIENTEDGE");
    ASSERT_EQ(WriteFavorite(wkFavStyles, wkCtlLabel, "Centred", sValue), 1);
    ASSERT_EQ(SetDefaultFavorite(wkFavStyles, wkCtlLabel, "Centred"), 1);
    ASSERT_EQ(WriteFavorite(wkFavSizes, wkCtlLabel, "Wide", "120x10"), 1);
    ASSERT_EQ(SetDefaultFavorite(wkFavSizes, wkCtlLabel, "Wide"), 1);
    EXPECT_EQ(RenameFavorite(wkFavStyles, wkCtlLabel, "Centred", "wide"), 1);
    EXPECT_EQ(RenameFavorite(wkFavStyles, wkCtlLabel, "wide", "WIDE"), 0) << "names are unique";
    EXPECT_EQ(DefaultFavorite(wkFavStyles, wkCtlLabel), "wide") << "the default follows";

    // A new label takes both defaults; a button does not.
    ApplyDefaultFavorite(tLabel);
    EXPECT_EQ(tLabel.lStyle & 0x3, 0x1);
    EXPECT_TRUE(tLabel.lStyle & 0x10000000) << "WS_VISIBLE stays implied";
    EXPECT_EQ(tLabel.lExStyle, 0x200);
    EXPECT_EQ(tLabel.nRight - tLabel.nLeft, 120);
    ApplyFavorite(wkFavSizes, "", tLabel);
    EXPECT_EQ(tLabel.nRight - tLabel.nLeft, gatCtlDefault[wkCtlLabel].lWidth)
        << "the standard size";
    EXPECT_EQ(MatchingFavorite(wkFavStyles, tLabel), "") << "the implied style joined the list";
    tDlg tButton = NewKindRow(wkCtlButton);
    const int32_t lButtonStyle = tButton.lStyle;
    ApplyDefaultFavorite(tButton);
    EXPECT_EQ(tButton.lStyle, lButtonStyle);

    // An empty extended part clears the extended styles.
    ApplyFavorite(wkFavStyles, Tok("WindowStyles", "%WS_CHILD") + ";", tLabel);
    EXPECT_EQ(tLabel.lExStyle, 0);
    EXPECT_EQ(GetDynStr(tLabel.lExStyleStrElem), "");

    EXPECT_EQ(DeleteFavorite(wkFavStyles, wkCtlLabel, "wide"), 1);
    EXPECT_EQ(DefaultFavorite(wkFavStyles, wkCtlLabel), "");
    EXPECT_TRUE(ReadFavorites(wkFavStyles, wkCtlLabel).empty());
}

TEST_F(Favorites, AHandDamagedSectionLosesOnlyWhatIsDamaged) {
    std::ofstream(sIni) << "[FavoriteStyle-3]\r\nno equals sign\r\n=nameless\r\n"
                           "Odd=abc,-4,99999,003,;zz\r\n<Default>=Missing\r\n"
                           "[FavoriteSize-0]\r\nBig=300x200;10,20\r\nBad=x\r\nHalf=40x\r\n";
    const auto at = ReadFavorites(wkFavStyles, wkCtlLabel);
    ASSERT_EQ(at.size(), 1u);
    EXPECT_EQ(DefaultFavorite(wkFavStyles, wkCtlLabel), "") << "a default that names nothing";
    tDlg t = NewKindRow(wkCtlLabel);
    ApplyFavorite(wkFavStyles, at[0].sValue, t);
    EXPECT_EQ(GetDynStr(t.lStyleStrElem).substr(0, 4), "003,");
    EXPECT_EQ(t.lExStyle, 0);

    tDlg tDlgRow = NewKindRow(wkCtlDialog);
    const tDlg tBefore = tDlgRow;
    for (const tFavorite& f : ReadFavorites(wkFavSizes, wkCtlDialog)) {
        if (f.sName != "Big") {
            ApplyFavorite(wkFavSizes, f.sValue, tDlgRow);
            EXPECT_EQ(tDlgRow.nRight, tBefore.nRight) << f.sName;
        }
    }
    ApplyFavorite(wkFavSizes, "300x200;10,20", tDlgRow);
    EXPECT_EQ(tDlgRow.nLeft, 10);
    EXPECT_EQ(tDlgRow.nBottom, 220);
}

} // namespace
