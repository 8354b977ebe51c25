#include "model/accel_keys.h"
#include "model/project.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Splits generated flag text back into tokens the way a reader meets them.
std::vector<std::string> Split(const std::string& s, const std::string& sSep) {
    std::vector<std::string> as;
    size_t lPos = 0;
    for (;;) {
        size_t lEnd = s.find(sSep, lPos);
        as.push_back(s.substr(lPos, lEnd == std::string::npos ? std::string::npos : lEnd - lPos));
        if (lEnd == std::string::npos) {
            return as;
        }
        lPos = lEnd + sSep.size();
    }
}

TEST(AccelKeys, DisplayTextPutsModifiersInTheirOrder) {
    EXPECT_EQ(AccelDisplayText(79, wkFControl), "Ctrl+O");
    EXPECT_EQ(AccelDisplayText(116, wkFControl | wkFShift), "Ctrl+Shift+F5");
    EXPECT_EQ(AccelDisplayText(46, wkFAlt | wkFShift | wkFControl), "Ctrl+Shift+Alt+Del");
    EXPECT_EQ(AccelDisplayText(135, 0), "F24");
    EXPECT_EQ(AccelDisplayText(13, 0), "Enter");
    EXPECT_EQ(AccelDisplayText(53, wkFAlt), "Alt+5");
    // Keys the table leaves without display text get recognisable names.
    EXPECT_EQ(AccelDisplayText(96, 0), "Num 0");
    EXPECT_EQ(AccelDisplayText(106, wkFControl), "Ctrl+Num *");
    EXPECT_EQ(AccelDisplayText(144, 0), "Num Lock");
    EXPECT_EQ(AccelDisplayText(145, 0), "Scroll Lock");
    // Outside the table: the modifiers followed by nothing.
    EXPECT_EQ(AccelDisplayText(200, wkFControl), "Ctrl+");
}

TEST(AccelKeys, KeyCodesRoundTripForEveryKnownKey) {
    for (int lKey = 0; lKey < 256; ++lKey) {
        const std::string sCode = AccelKeyCode(static_cast<uint8_t>(lKey));
        SCOPED_TRACE(lKey);
        EXPECT_EQ(sCode.empty(), AccelKeyDisplay(static_cast<uint8_t>(lKey)).empty());
        if (sCode.empty()) {
            continue;
        }
        // A reader passes a quoted letter or digit without its quotes.
        std::string sRead = sCode;
        if (sRead.front() == '"') {
            sRead = sRead.substr(1, sRead.size() - 2);
        }
        EXPECT_EQ(AccelKeyFromCode(sRead), lKey);
    }
    // Every letter, digit, function, arrow, page and keypad key at least.
    const std::pair<int, int> atRange[] = {
        {'A', 'Z'}, {'0', '9'}, {0x70, 0x87}, {0x21, 0x28}, {0x60, 0x6F}};
    for (const auto& [lFirst, lLast] : atRange) {
        for (int l = lFirst; l <= lLast; ++l) {
            EXPECT_FALSE(AccelKeyCode(static_cast<uint8_t>(l)).empty()) << l;
        }
    }
    EXPECT_EQ(AccelKeyCode(79), "\"O\"");
    EXPECT_EQ(AccelKeyCode(116), "VK_F5");
    EXPECT_EQ(AccelKeyCode(46), "VK_DELETE");
    EXPECT_EQ(AccelKeyCode(200), "");
    EXPECT_EQ(AccelKeyFromCode("VK_F12"), 123);
    EXPECT_EQ(AccelKeyFromCode("VK_F25"), 0);
    EXPECT_EQ(AccelKeyFromCode("vk_f1"), 0);
    EXPECT_EQ(AccelKeyFromCode("a"), 0);
    EXPECT_EQ(AccelKeyFromCode(""), 0);
    EXPECT_EQ(AccelKeyFromCode("^A"), 0);
}

TEST(AccelKeys, FlagTextsAreWrittenAndReadBackBothWays) {
    EXPECT_EQ(AccelFlagsKvl(wkFControl), "%FVIRTKEY Or %FCONTROL Or %FNOINVERT");
    EXPECT_EQ(AccelFlagsRc(wkFControl), "VIRTKEY, CONTROL, NOINVERT");
    EXPECT_EQ(AccelFlagsKvl(wkFControl | wkFShift | wkFAlt),
              "%FVIRTKEY Or %FCONTROL Or %FSHIFT Or %FALT Or %FNOINVERT");
    EXPECT_EQ(AccelFlagsRc(0), "VIRTKEY, NOINVERT");
    for (int lMods = 0; lMods <= (wkFShift | wkFControl | wkFAlt); lMods += wkFShift) {
        uint8_t byKvl = 0, byRc = 0;
        for (const std::string& s : Split(AccelFlagsKvl(static_cast<uint8_t>(lMods)), " Or ")) {
            byKvl = AccelFlagFromKvl(s, byKvl);
        }
        for (const std::string& s : Split(AccelFlagsRc(static_cast<uint8_t>(lMods)), ",")) {
            byRc = AccelFlagFromRc(s, byRc);
        }
        EXPECT_EQ(byKvl, lMods);
        EXPECT_EQ(byRc, lMods);
    }
    // Source written by hand: other case, a repeated flag, unknown tokens.
    EXPECT_EQ(AccelFlagFromKvl("%fshift", 0), wkFShift);
    EXPECT_EQ(AccelFlagFromKvl("%FCONTROL", wkFControl), wkFControl);
    EXPECT_EQ(AccelFlagFromKvl("CONTROL", 0), 0); // the RC word is not a KVL flag
    EXPECT_EQ(AccelFlagFromRc("%FALT", 0), 0);
    EXPECT_EQ(AccelFlagFromRc("ASCII", wkFAlt), wkFAlt);
}

class MenuTextTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearProject(); }
    void TearDown() override { ClearProject(); }
};

TEST_F(MenuTextTest, CaptionsGetTheirAcceleratorUnlessTheyCarryOne) {
    const int32_t lAccel = AddAccel(0, 0, 'S', wkFControl);
    const int32_t lSave = AddMenuItem(0, 0, lAccel, 0, wkMenuItem, 0, 0, "&Save \"all\"");
    const int32_t lOwn = AddMenuItem(0, 0, lAccel, 0, wkMenuItem, 0, 0, "&Save\\tCtrl+S");
    const int32_t lNone = AddMenuItem(0, 0, 0, 0, wkMenuItem, 0, 0, "E&xit");
    EXPECT_EQ(MenuTextKvl(lSave), "&Save \"\"all\"\"\tCtrl+S");
    EXPECT_EQ(MenuTextRc(lSave), "&Save \\\"all\\\"\\tCtrl+S");
    EXPECT_EQ(MenuTextKvl(lOwn), "&Save\tCtrl+S");
    EXPECT_EQ(MenuTextRc(lOwn), "&Save\\tCtrl+S");
    EXPECT_EQ(MenuTextKvl(lNone), "E&xit");
    EXPECT_EQ(MenuTextRc(lNone), "E&xit");
    EXPECT_EQ(MenuTextKvl(0), "");
    EXPECT_EQ(AccelDisplayText(lAccel), "Ctrl+S");
    EXPECT_EQ(AccelDisplayText(0), "");
}

} // namespace
