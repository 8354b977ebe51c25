#include "model/project.h"
#include "model/version_info.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class VersionTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetVersionInfo(); }
    void TearDown() override { ResetVersionInfo(); }
};

TEST_F(VersionTest, VersionTextsFormattedAndPlain) {
    EXPECT_EQ(VersionText(0x10000, 1, false), "1, 0, 0, 1");
    EXPECT_EQ(VersionText(0x10000, 1, true), "1.00.0001");
    EXPECT_EQ(VersionText(0x20005, 0x30011, true), "2.05.0003.0017");
    EXPECT_EQ(VersionText(0x10002, 0, true), "1.02");
    EXPECT_EQ(VersionText(0x10002, 0x50000, true), "1.02.0005.0000");
    EXPECT_EQ(VersionText(0xFFFFFFFF, 0xFFFFFFFF, true), "65535.65535.65535.65535");
    uint32_t lMS = 0, lLS = 0;
    ASSERT_EQ(ParseVersionText("2, 5, 3, 17", lMS, lLS), 1);
    EXPECT_EQ(lMS, 0x20005u);
    EXPECT_EQ(lLS, 0x30011u);
    ASSERT_EQ(ParseVersionText("1,2", lMS, lLS), 1);
    EXPECT_EQ(lMS, 0x10002u);
    EXPECT_EQ(lLS, 0u);
    EXPECT_EQ(ParseVersionText("1, 65536, 0, 0", lMS, lLS), 0);
    EXPECT_EQ(ParseVersionText("1, x, 0, 0", lMS, lLS), 0);
    EXPECT_EQ(ParseVersionText("1, 2, 3, 4, 5", lMS, lLS), 0);
    EXPECT_EQ(ParseVersionText("1, 2,", lMS, lLS), 0);
}

TEST_F(VersionTest, IncrementsCarryAt65535AndFollowTheChoice) {
    NewVersionInfo(0x040904E4, true);
    gtVersion.lFileVerMS = 0x1FFFF; // 1.65535
    IncrementVersion(verMinor, verIncFile);
    EXPECT_EQ(gtVersion.lFileVerMS, 0x20000u);
    EXPECT_EQ(gtVersion.lProdVerMS, 0x10000u);

    gtVersion.lProdVerLS = 0x0000FFFF; // 0.65535
    IncrementVersion(verBuild, verIncProduct);
    EXPECT_EQ(gtVersion.lProdVerLS, 0x10000u);
    EXPECT_EQ(gtVersion.lFileVerLS, 1u);

    IncrementVersion(verMajor, verIncBoth);
    IncrementVersion(verThird, verIncBoth);
    EXPECT_EQ(gtVersion.lFileVerMS, 0x30000u);
    EXPECT_EQ(gtVersion.lProdVerMS, 0x20000u);
    EXPECT_EQ(gtVersion.lFileVerLS, 0x10001u); // the build is not reset
    EXPECT_EQ(gtVersion.lProdVerLS, 0x20000u);

    // With auto format off the strings start plain.
    ResetVersionInfo();
    NewVersionInfo(0x040904E4, false);
    EXPECT_EQ(VersionStringValue(1, "FileVersion"), "1, 0, 0, 1");
}

TEST_F(VersionTest, NewInformationAndBlocksAddAndDelete) {
    EXPECT_EQ(VersionBlockCount(), 0);
    EXPECT_EQ(NewVersionInfo(0x040904E4), 1);
    EXPECT_EQ(gtVersion.lFileVerMS, 0x10000u);
    EXPECT_EQ(gtVersion.lProdVerLS, 1u);
    EXPECT_EQ(gtVersion.lFlagsMask, 0x3Fu);
    EXPECT_EQ(gtVersion.lFileOS, 4u);
    EXPECT_EQ(gtVersion.lFileType, 1u);
    EXPECT_EQ(VersionStringValue(1, "FileVersion"), "1.00.0001");
    EXPECT_EQ(VersionStringValue(1, "productversion"), "1.00.0001");
    const std::string sCopyright = VersionStringValue(1, "LegalCopyright");
    ASSERT_EQ(sCopyright.size(), 16u);
    EXPECT_EQ(sCopyright.substr(0, 12), "Copyright \xA9 ");
    EXPECT_EQ(sCopyright.substr(12).find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(VersionStringValue(1, "Comments"), "");
    for (int32_t i = 1; i <= kVerStringsPerBlock; ++i) {
        EXPECT_EQ(VersionStringIndex(VersionStringName(i)), i);
    }
    EXPECT_EQ(VersionStringName(1), "Comments");
    EXPECT_EQ(VersionStringName(12), "SpecialBuild");

    // Strings stay with their block when an earlier block goes.
    EXPECT_EQ(AddVersionBlock(0x040704B0), 2);
    EXPECT_EQ(AddVersionBlock(0x040C04E4), 3);
    SetVersionStringValue(2, "CompanyName", "two");
    SetVersionStringValue(3, "CompanyName", "three");
    EXPECT_EQ(VersionStringValue(2, "FileVersion"), ""); // the reader's form is empty
    EXPECT_EQ(SetVersionStringValue(3, "NoSuchName", "x"), 0);
    EXPECT_EQ(SetVersionStringValue(4, "Comments", "x"), 0);
    EXPECT_EQ(DeleteVersionBlock(2), 1);
    EXPECT_EQ(VersionBlockCount(), 2);
    EXPECT_EQ(VersionBlockLangCharset(2), 0x040C04E4u);
    EXPECT_EQ(VersionStringValue(2, "CompanyName"), "three");
    EXPECT_EQ(VersionStringValue(1, "FileVersion"), "1.00.0001");
    EXPECT_EQ(DeleteVersionBlock(3), 0);
    EXPECT_EQ(AddVersionBlock(0x04090000), 3);
    EXPECT_EQ(VersionStringValue(3, "CompanyName"), "");

    // Deleting down to no block clears the version information.
    DeleteVersionBlock(1);
    DeleteVersionBlock(1);
    EXPECT_EQ(VersionBlockCount(), 1);
    DeleteVersionBlock(1);
    EXPECT_EQ(VersionBlockCount(), 0);
    EXPECT_EQ(gtVersion.lFileVerMS, 0u);

    // The project clear resets it as well.
    NewVersionInfo(0x040904E4);
    ClearProject();
    EXPECT_EQ(VersionBlockCount(), 0);
    EXPECT_EQ(VersionStringValue(1, "FileVersion"), "");
}

TEST_F(VersionTest, FieldTextsRoundTripThroughTheirParsers) {
    for (int32_t i = 1; i <= VerOSCount(); ++i) {
        const std::string sName = VerOSName(i);
        EXPECT_EQ(VerOSText(VerOSFromText(sName)), sName);
    }
    EXPECT_EQ(VerOSCount(), 14);
    for (int32_t i = 1; i <= VerTypeCount(); ++i) {
        EXPECT_EQ(VerTypeText(VerTypeFromText(VerTypeName(i))), VerTypeName(i));
    }
    for (uint32_t lType : {3u, 4u, 1u}) {
        for (int32_t i = 1; i <= VerSubtypeCount(lType); ++i) {
            const std::string sName = VerSubtypeName(lType, i);
            EXPECT_EQ(VerSubtypeText(lType, VerSubtypeFromText(sName)), sName);
        }
    }
    EXPECT_EQ(VerSubtypeCount(3), 11);
    EXPECT_EQ(VerSubtypeCount(4), 4);
    EXPECT_EQ(VerSubtypeCount(2), 1);

    EXPECT_EQ(VerOSFromText("VOS__WINDOWS32"), 4u);
    EXPECT_EQ(VerOSFromText("VOS__PM16"), 2u);
    EXPECT_EQ(VerOSFromText("VOS_NT_WINDOWS32"), 0x40004u);
    EXPECT_EQ(VerOSFromText("0x40004"), 0x40004u);
    EXPECT_EQ(VerOSFromText("&H10001"), 0x10001u);
    EXPECT_EQ(VerOSText(0x50000), "0x50000");
    EXPECT_EQ(VerTypeText(7), "VFT_STATIC_LIB");
    EXPECT_EQ(VerTypeFromText("0X7"), 7u);
    EXPECT_EQ(VerTypeFromText("VFT_BOGUS"), 0u);
    EXPECT_EQ(VerSubtypeText(3, 0xA), "VFT2_DRV_COMM");
    EXPECT_EQ(VerSubtypeText(4, 3), "VFT2_FONT_TRUETYPE");
    EXPECT_EQ(VerSubtypeText(1, 3), "VFT2_UNKNOWN");

    EXPECT_EQ(VerFlagsMaskText(0x3F), "VS_FFI_FILEFLAGSMASK");
    EXPECT_EQ(VerFlagsMaskText(0x17), "0x0");
    EXPECT_EQ(VerFlagsMaskFromText("VS_FFI_FILEFLAGSMASK"), 0x3Fu);
    EXPECT_EQ(VerFlagsMaskFromText("0x3fL"), 0x3Fu);
    EXPECT_EQ(VerFlagsText(0), "0x0");
    EXPECT_EQ(VerFlagsText(0x1), "0x0");
    EXPECT_EQ(VerFlagsText(0x2F), "VS_FF_PATCHED | VS_FF_PRERELEASE | VS_FF_PRIVATEBUILD | "
                                  "VS_FF_SPECIALBUILD");
    for (uint32_t lFlags = 0; lFlags < 0x40; ++lFlags) {
        const uint32_t lNamed = lFlags & 0x2E;
        EXPECT_EQ(VerFlagsFromText(VerFlagsText(lFlags)), lNamed) << lFlags;
    }
    EXPECT_EQ(VerFlagsFromText("VS_FF_DEBUG|VS_FF_PATCHED"), 0x5u);
    EXPECT_EQ(VerFlagsFromText("0x0"), 0u);
}

TEST_F(VersionTest, BlockHeadersNameLanguageAndCodePage) {
    EXPECT_EQ(VersionBlockHeader(0x040904E4), "(0x040904E4) U.S. English, Multilingual");
    EXPECT_EQ(VersionBlockHeader(0x041103A4), "(0x041103A4) Japanese, Japan (Shift - JIS X-0208)");
    EXPECT_EQ(VersionBlockHeader(0x0C0904B0), "(0x0C0904B0) 0x0C09, Unicode");
    EXPECT_EQ(VersionBlockHeader(0x0409FDE9), "(0x0409FDE9) U.S. English, 65001");
    ASSERT_EQ(VerLanguageCount(), 47);
    ASSERT_EQ(VerCodePageCount(), 12);
    EXPECT_EQ(VerLanguageItem(1), "0x0000 Neutral Language");
    EXPECT_EQ(VerCodePageItem(1), "0    7-bit ASCII");
    // Every entry of both lists names itself in a header.
    for (int32_t i = 1; i <= VerLanguageCount(); ++i) {
        EXPECT_EQ(VerLanguageItem(i).substr(7), VerLanguageName(VerLanguageId(i)));
    }
    for (int32_t i = 1; i <= VerCodePageCount(); ++i) {
        EXPECT_EQ(VerCodePageItem(i).substr(5), VerCodePageName(VerCodePageId(i)));
    }
}

} // namespace
