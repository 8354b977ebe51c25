#include "model/fonts.h"
#include "model/project.h"
#include "tests/model/model_fixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using FontsAndColours = ModelTest;

namespace {

tFontDesc Desc(const char* szName, float fSize, int32_t lWeight = 400) {
    tFontDesc t{};
    t.szFontName = szName;
    t.fFontSize = fSize;
    t.lWeight = lWeight;
    return t;
}

} // namespace

TEST_F(FontsAndColours, FontsAreSharedByDescription) {
    int32_t l1 = AddFont(DefaultFontDescription());
    EXPECT_EQ(l1, 1);
    EXPECT_EQ(gahFont[1].lHeight, -11); // 96 x 8 / 72 = 10.67
    EXPECT_EQ(gahFont[1].lWeight, 400);

    glChanged = 0;
    EXPECT_EQ(AddFont(Desc("MS Sans Serif", 8.4f)), l1); // within half a point
    EXPECT_EQ(AddFont(Desc("MS Sans Serif", 8, 0)), l1); // weight 0 matches any
    tFontDesc tCharSet = Desc("MS Sans Serif", 8);
    tCharSet.lCharSet = 2;
    EXPECT_EQ(AddFont(tCharSet), l1); // the character set alone makes no font
    EXPECT_EQ(glChanged, 0);

    EXPECT_EQ(AddFont(Desc("ms sans serif", 8)), 2); // face compared with case
    EXPECT_EQ(glChanged, 1);
    EXPECT_EQ(AddFont(Desc("MS Sans Serif", 12)), 3);
    EXPECT_EQ(AddFont(Desc("MS Sans Serif", 8, 700)), 4);
    tFontDesc tItalic = Desc("MS Sans Serif", 8);
    tItalic.lItalic = -1; // any nonzero value is "on"
    int32_t lItalic = AddFont(tItalic);
    EXPECT_EQ(lItalic, 5);
    tItalic.lItalic = 1;
    EXPECT_EQ(AddFont(tItalic), lItalic);
    EXPECT_EQ(AddFont(Desc("MS Sans Serif", 0, 0)), 6);
    EXPECT_EQ(gahFont[6].lWeight, 400);

    tFontDesc tOut{};
    ASSERT_EQ(FontDescription(lItalic, tOut), 1);
    EXPECT_EQ(tOut.szFontName, "MS Sans Serif");
    EXPECT_FLOAT_EQ(tOut.fFontSize, 8.25f); // 11 x 72 / 96, not rounded
    EXPECT_EQ(tOut.lItalic, 1);
    EXPECT_EQ(tOut.lUnderline, 0);
    EXPECT_EQ(tOut.lWeight, 400);

    // Damaged sizes give a font, not undefined arithmetic.
    EXPECT_EQ(gahFont[AddFont(Desc("Huge", 1e30f))].lHeight, -16384);
    EXPECT_EQ(gahFont[AddFont(Desc("NaN", std::numeric_limits<float>::quiet_NaN()))].lHeight, 0);

    // Faces are cut to 31 characters.
    int32_t lLong = AddFont(Desc("A Face Name That Is Far Too Long For The Field", 10));
    EXPECT_EQ(gahFont[lLong].szFaceName.size(), 31u);
}

TEST_F(FontsAndColours, LogicalFontsAndScreenResolution) {
    glPixelsPerInch = 120;
    int32_t l = AddFont(Desc("Arial", 9));
    EXPECT_EQ(gahFont[l].lHeight, -15);
    tFontDesc tOut{};
    FontDescription(l, tOut);
    EXPECT_FLOAT_EQ(tOut.fFontSize, 9.0f);

    tLogFont tLf = gahFont[l];
    tLf.byCharSet = 2;
    tLf.byQuality = 4;
    EXPECT_EQ(AddFontIndirect(tLf), l);
    tLf.lHeight = -16;
    int32_t lNew = AddFontIndirect(tLf);
    EXPECT_EQ(lNew, 2);
    EXPECT_EQ(gahFont[lNew].byQuality, 4); // kept as given
    EXPECT_EQ(ghFontCnt, 2);

    ClearFonts();
    EXPECT_EQ(ghFontCnt, 0);
    EXPECT_EQ(gahFont[1].lHeight, 0);
}

TEST_F(FontsAndColours, ColourTexts) {
    EXPECT_EQ(ColourText(0x0000FF), "%Red");
    EXPECT_EQ(ColourText(0x000000), "%Black");
    EXPECT_EQ(ColourText(0xC0C0C0), "%LtGray");
    EXPECT_EQ(ColourText(-1), "-1");
    EXPECT_EQ(ColourText(0x123456), "RGB(86, 52, 18)");

    EXPECT_EQ(ColourFromText("RGB(86, 52, 18)"), 0x123456);
    EXPECT_EQ(ColourFromText("RGB(86,52,18)"), 0x123456);
    EXPECT_EQ(ColourFromText("%red"), 0xFF);
    EXPECT_EQ(ColourFromText("%LTGRAY"), 0xC0C0C0);
    EXPECT_EQ(ColourFromText("&HFF00"), 0xFF00);
    EXPECT_EQ(ColourFromText("-1"), -1);
    EXPECT_EQ(ColourFromText("255"), 255);
    EXPECT_EQ(ColourFromText("RGB(1, 2)"), 0);
    EXPECT_EQ(ColourFromText("RGB 1, 2, 3"), 0);
    EXPECT_EQ(ColourFromText("%SomeVariable"), 0);
    EXPECT_EQ(ColourFromText(""), 0);
    for (int32_t lColour : {0x000000, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF,
                            0xFFFFFF, 0x808080, 0xC0C0C0, 0x010203, -1}) {
        EXPECT_EQ(ColourFromText(ColourText(lColour)), lColour) << lColour;
    }
}

TEST_F(FontsAndColours, FontAttributeTexts) {
    EXPECT_EQ(WeightFromText("%FW_REGULAR"), 400);
    EXPECT_EQ(WeightFromText("%fw_ultrabold"), 800);
    EXPECT_EQ(WeightFromText("700"), 700);
    EXPECT_EQ(WeightFromText("%FW_DONTCARE"), 0);
    EXPECT_EQ(FlagFromText("%TRUE"), 1);
    EXPECT_EQ(FlagFromText("%FALSE"), 0);
    EXPECT_EQ(FlagFromText("-1"), -1);
    EXPECT_EQ(CharSetFromText("%SYMBOL_CHARSET"), 2);
    EXPECT_EQ(CharSetFromText("%DEFAULT_CHARSET"), 1);
    EXPECT_EQ(CharSetFromText("&HFF"), 255);
}
