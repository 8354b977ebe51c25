// The version info editor's changes: each marks the project changed, the
// increments carry and update the strings, and a value of any bytes comes
// back from the script unchanged.
#include "edit/version_edits.h"
#include "tests/support/start_up.h"
#include "writers/rc_writer.h"

#include <gtest/gtest.h>

namespace {

class VersionEdits : public ::testing::Test {
  protected:
    void SetUp() override { StartProject(); }
    void TearDown() override { StartProject(); }
};

TEST_F(VersionEdits, FirstOpenCreatesTheResourceAndEveryEditMarksTheProject) {
    ASSERT_EQ(VerEditEnsure(0x040904E4, true), 1);
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(FileVersionText(false), "1, 0, 0, 1");
    EXPECT_EQ(VersionStringValue(1, "FileVersion"), "1.00.0001");
    VerEditSetString(1, "Comments", "x");
    glChanged = 0;
    EXPECT_EQ(VerEditEnsure(0x04070000, true), 1) << "a second open keeps what is there";
    EXPECT_EQ(VersionStringValue(1, "Comments"), "x");
    EXPECT_EQ(glChanged, 0);

    EXPECT_EQ(VerEditSetFileVersion("1, x"), 0);
    EXPECT_EQ(glChanged, 0) << "a text that is no version changes nothing";
    EXPECT_EQ(VerEditSetFileVersion("2, 5, 3, 17"), 1);
    EXPECT_EQ(glChanged, 1);

    gtVersion.lFlags = wkVsFfDebug;
    VerEditSetFlags(wkVsFfPatched | wkVsFfSpecialBuild);
    EXPECT_EQ(gtVersion.lFlags, wkVsFfDebug | wkVsFfPatched | wkVsFfSpecialBuild);

    VerEditSetType("VFT_DRV");
    VerEditSetSubtype("VFT2_DRV_SOUND");
    EXPECT_EQ(gtVersion.lFileSubtype, 9u);
    VerEditSetType("VFT_FONT");
    EXPECT_EQ(gtVersion.lFileSubtype, 0u) << "a font has no subtype 9";
    VerEditSetSubtype("VFT2_FONT_TRUETYPE");
    VerEditSetType("VFT_FONT");
    EXPECT_EQ(gtVersion.lFileSubtype, 3u);

    glChanged = 0;
    EXPECT_EQ(VerEditDeleteBlock(1), 1);
    EXPECT_EQ(VersionBlockCount(), 0);
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(BuildNewRCFile(gtDoc, tWriteLayout{}, false).find("VERSIONINFO"), std::string::npos);
}

TEST_F(VersionEdits, IncrementsCarryAndAutoUpdateRewritesEveryBlock) {
    VerEditEnsure(0x040904E4, true);
    VerEditAddBlock(0x040704E4, true);
    gtVersion.lFileVerMS = 0x1FFFF;
    VerEditIncrement(verMinor, verIncFile, true, true);
    EXPECT_EQ(FileVersionText(false), "2, 0, 0, 1");
    EXPECT_EQ(ProductVersionText(false), "1, 0, 0, 1");
    for (int32_t lBlock : {1, 2}) {
        EXPECT_EQ(VersionStringValue(lBlock, "FileVersion"), "2.00.0001");
        EXPECT_EQ(VersionStringValue(lBlock, "ProductVersion"), "1.00.0001");
    }
    VerEditIncrement(verBuild, verIncBoth, false, true);
    EXPECT_EQ(VersionStringValue(2, "FileVersion"), "2.00.0001") << "auto update off";
    EXPECT_EQ(VersionStringsDiffer(false), 1);
    VerEditUpdateStrings(false);
    EXPECT_EQ(VersionStringValue(2, "FileVersion"), "2, 0, 0, 2");
    EXPECT_EQ(VersionStringValue(1, "ProductVersion"), "1, 0, 0, 2");
}

TEST_F(VersionEdits, ValuesOfAnyBytesAndLengthComeBackFromTheScript) {
    VerEditEnsure(0x040904E4, true);
    std::string sAll;
    for (int c = 1; c < 256; ++c) {
        sAll += static_cast<char>(c);
    }
    const std::string asValue[] = {
        sAll,
        "say \"hi\" \\ back\\slash \\0 \\n",
        std::string(3000, 'w') + "\"\\\xE9",
        "Copyright \xA9 2026",
    };
    const char* aszName[] = {"Comments", "CompanyName", "FileDescription", "LegalCopyright"};
    for (int i = 0; i < 4; ++i) {
        VerEditSetString(1, aszName[i], asValue[i]);
    }
    const std::string sScript = BuildNewRCFile(gtDoc, tWriteLayout{}, false);
    ClearProject();
    ASSERT_EQ(LoadRC(sScript, 0, 1), 1);
    ASSERT_EQ(VersionBlockCount(), 1);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(VersionStringValue(1, aszName[i]), asValue[i]) << aszName[i];
    }
}

} // namespace
