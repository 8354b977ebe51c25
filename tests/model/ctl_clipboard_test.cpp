// The bytes of copied controls: what one running copy writes another reads
// back field by field, and a damaged or hostile block is refused whole; plus
// where pasted and automatically placed controls land.
#include "edit/data_files.h"
#include "model/ctl_clipboard.h"
#include "model/options.h"
#include "model/paste_place.h"
#include "tests/model/model_fixture.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace {

class CtlClipboard : public ModelTest {
  protected:
    // Two controls: a button with caption and styles, and a label with no
    // texts at all, in a font of its own.
    static std::vector<tClipCtl> TwoControls() {
        tClipCtl a{};
        a.tRow.szClass = "Button";
        a.tRow.lCtlType = 6;
        a.tRow.lStyle = 0x50010001;
        a.tRow.lExStyle = 0x200;
        a.tRow.nLeft = 10;
        a.tRow.nTop = 20;
        a.tRow.nRight = 60;
        a.tRow.nBottom = 34;
        a.tRow.byForeClrUsed = 1;
        a.tRow.lForeClr = 0x0000FF;
        a.sCaption = "&OK";
        a.sStyle = "012,034,";
        a.sExStyle = "101,";
        a.tFont = DefaultFontDescription();
        tClipCtl b{};
        b.tRow.szClass = "Static";
        b.tRow.lCtlType = 3;
        b.tRow.nLeft = -5;
        b.tRow.nTop = 40;
        b.tRow.nRight = 30;
        b.tRow.nBottom = 48;
        b.tRow.byBackClrUsed = 1;
        b.tRow.lBackClr = 0x123456;
        b.tFont.szFontName = "Courier New";
        b.tFont.fFontSize = 10.5f;
        b.tFont.lWeight = 700;
        b.tFont.lItalic = 1;
        b.tFont.lCharSet = 204;
        return {a, b};
    }

    static int32_t Decode(const std::string& s, std::vector<tClipCtl>& at, std::string& sError) {
        return DecodeClipControls(reinterpret_cast<const uint8_t*>(s.data()), s.size(), at, sError);
    }

    static void PutLongAt(std::string& s, std::size_t l, int32_t v) {
        for (int i = 0; i < 4; ++i) {
            s[l + i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
        }
    }
};

// Offsets within a record (after the header) that the hostile cases change.
constexpr std::size_t kRec = 12;
constexpr std::size_t kCaptionLen = kRec + 17;
constexpr std::size_t kClass = kRec + 21;
constexpr std::size_t kKind = kRec + 58;
constexpr std::size_t kStyleLen = kRec + 70;

TEST_F(CtlClipboard, WhatCopyWritesReadsBackFieldByField) {
    const std::vector<tClipCtl> at = TwoControls();
    const std::string s = EncodeClipControls(at);
    // Header, two fixed parts and the texts; the empty texts take no bytes.
    ASSERT_EQ(s.size(), 12u + 2 * (112 + 56) + 3 + 8 + 4);
    std::vector<tClipCtl> atBack;
    std::string sError;
    // The block as the system hands it over may be longer than the data.
    ASSERT_EQ(Decode(s + std::string(20, '\x7F'), atBack, sError), wkClipOk) << sError;
    ASSERT_EQ(atBack.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const tClipCtl& w = at[i];
        const tClipCtl& g = atBack[i];
        EXPECT_EQ(g.tRow.szClass.view(), w.tRow.szClass.view());
        EXPECT_EQ(g.tRow.lCtlType, w.tRow.lCtlType);
        EXPECT_EQ(g.tRow.lStyle, w.tRow.lStyle);
        EXPECT_EQ(g.tRow.lExStyle, w.tRow.lExStyle);
        EXPECT_EQ(std::memcmp(&g.tRow.nLeft, &w.tRow.nLeft, 4 * sizeof(int32_t)), 0);
        EXPECT_EQ(g.tRow.byForeClrUsed, w.tRow.byForeClrUsed);
        EXPECT_EQ(g.tRow.byBackClrUsed, w.tRow.byBackClrUsed);
        EXPECT_EQ(g.tRow.lForeClr, w.tRow.lForeClr);
        EXPECT_EQ(g.tRow.lBackClr, w.tRow.lBackClr);
        EXPECT_EQ(g.sCaption, w.sCaption);
        EXPECT_EQ(g.sStyle, w.sStyle);
        EXPECT_EQ(g.sExStyle, w.sExStyle);
        EXPECT_EQ(g.sDataFile, w.sDataFile);
        EXPECT_EQ(g.tFont.szFontName.view(), w.tFont.szFontName.view());
        EXPECT_EQ(g.tFont.fFontSize, w.tFont.fFontSize);
        EXPECT_EQ(g.tFont.lWeight, w.tFont.lWeight);
        EXPECT_EQ(g.tFont.lItalic, w.tFont.lItalic);
        EXPECT_EQ(g.tFont.lCharSet, w.tFont.lCharSet);
    }
}

TEST_F(CtlClipboard, ARowOfTheProjectTravelsWithItsTextsFileAndFont) {
    const int32_t lRes = MakeDialog("%IDD_DIALOG1", "100");
    const int32_t lCtl = MakeControl(lRes, "%IDC_IMAGE1", 1, 1);
    SetDynStr(gatDlg.W(lCtl).lCaptionElem, "Logo");
    gatDlg.W(lCtl).lStyle = 0x0E; // a bitmap picture
    ASSERT_TRUE(SetDataFile(lCtl, "C:\\art\\logo.bmp"));
    tFontDesc tFont = DefaultFontDescription();
    tFont.fFontSize = 12;
    gatDlg.W(lCtl).lFontElem = AddFont(tFont);
    const tClipCtl c = ClipControlFromRow(lCtl);
    EXPECT_EQ(c.sDataFile, "C:\\art\\logo.bmp");
    EXPECT_EQ(c.sCaption, "Logo");
    EXPECT_EQ(c.tFont.szFontName.view(), "MS Sans Serif");
    EXPECT_NEAR(c.tFont.fFontSize, 12, 0.5);
    // The element references stay home: another project has its own.
    const std::string s = EncodeClipControls({c});
    int32_t lRef = 0;
    for (std::size_t l : {kRec + 1, kRec + 5, kRec + 9, kRec + 54, kRec + 94, kRec + 98}) {
        std::memcpy(&lRef, s.data() + l, 4);
        EXPECT_EQ(lRef, 0) << l;
    }
}

TEST_F(CtlClipboard, EmptyOrForeignVersionIsIgnoredQuietly) {
    std::vector<tClipCtl> at;
    std::string sError;
    EXPECT_EQ(DecodeClipControls(nullptr, 0, at, sError), wkClipIgnored);
    std::string s = EncodeClipControls(TwoControls());
    PutLongAt(s, 4, 2);
    EXPECT_EQ(Decode(s, at, sError), wkClipIgnored);
    EXPECT_TRUE(at.empty());
    EXPECT_TRUE(sError.empty());
}

TEST_F(CtlClipboard, DamagedBlocksAreRefusedWhole) {
    const std::string sGood = EncodeClipControls(TwoControls());
    const std::size_t lSecond = 12 + 112 + 3 + 8 + 4 + 56; // where the second record starts
    struct tCase {
        const char* szName;
        std::function<void(std::string&)> fnDamage;
    };
    const tCase atCase[] = {
        {"shorter than a header", [](std::string& s) { s.resize(7); }},
        {"total past the block", [&](std::string& s) { PutLongAt(s, 0, int32_t(s.size() + 1)); }},
        {"total below a header", [](std::string& s) { PutLongAt(s, 0, 8); }},
        {"total near 4 GB", [](std::string& s) { PutLongAt(s, 0, -1); }},
        {"count too high", [](std::string& s) { PutLongAt(s, 8, 3); }},
        {"count huge", [](std::string& s) { PutLongAt(s, 8, 0x7FFFFFFF); }},
        {"count negative", [](std::string& s) { PutLongAt(s, 8, -1); }},
        {"count too low", [](std::string& s) { PutLongAt(s, 8, 1); }},
        {"caption past the end", [](std::string& s) { PutLongAt(s, kCaptionLen, 100000); }},
        {"caption length negative", [](std::string& s) { PutLongAt(s, kCaptionLen, -3); }},
        {"lengths that overflow when added",
         [](std::string& s) {
             PutLongAt(s, kCaptionLen, 0x7FFFFFFF);
             PutLongAt(s, kStyleLen, 0x7FFFFFFF);
         }},
        {"class without its end", [](std::string& s) { s.replace(kClass, 33, 33, 'A'); }},
        {"kind 30", [](std::string& s) { PutLongAt(s, kKind, 30); }},
        {"kind 0, a dialog row", [](std::string& s) { PutLongAt(s, kKind, 0); }},
        {"kind negative", [&](std::string& s) { PutLongAt(s, lSecond + 58, -7); }},
        {"font size not a number",
         [&](std::string& s) {
             const float f = std::numeric_limits<float>::quiet_NaN();
             std::memcpy(&s[lSecond - 56 + 32], &f, 4);
         }},
        {"font size enormous",
         [&](std::string& s) {
             const float f = 1e30f;
             std::memcpy(&s[s.size() - 24], &f, 4);
         }},
        {"cut inside the second record",
         [&](std::string& s) {
             s.resize(lSecond + 50);
             PutLongAt(s, 0, int32_t(s.size()));
         }},
    };
    for (const tCase& c : atCase) {
        std::string s = sGood;
        c.fnDamage(s);
        std::vector<tClipCtl> at;
        std::string sError = "";
        EXPECT_EQ(Decode(s, at, sError), wkClipDamaged) << c.szName;
        EXPECT_TRUE(at.empty()) << c.szName;
        EXPECT_FALSE(sError.empty()) << c.szName;
    }
    // Every shorter block, the header left as it was, is refused too.
    for (std::size_t l = 1; l < sGood.size(); ++l) {
        std::vector<tClipCtl> at;
        std::string sError;
        EXPECT_EQ(Decode(sGood.substr(0, l), at, sError), wkClipDamaged) << l;
    }
}

TEST_F(CtlClipboard, PasteOffsetsAndTheDefaultPlace) {
    ResetOptions();
    const int32_t lRes = MakeDialog("%IDD_DIALOG1", "100");
    std::vector<tClipCtl> at = TwoControls(); // union -5,20 .. 60,48
    int64_t lDX = 0;
    int64_t lDY = 0;
    // An empty dialog: the first control's corner goes to the grid corner.
    PasteOffset(at, lRes, 0, lDX, lDY);
    EXPECT_EQ(lDX, 5 - 10);
    EXPECT_EQ(lDY, 5 - 20);
    EXPECT_EQ(DefaultControlRect(lRes, 50, 14).nLeft, 5);
    const int32_t lLast = MakeControl(lRes, "%IDC_BUTTON1", 1);
    gatDlg.W(lLast).nLeft = 7;
    gatDlg.W(lLast).nTop = 50;
    gatDlg.W(lLast).nBottom = 63;
    // A cut control, a tombstone kept by another dialog's rows after it, is passed over.
    const int32_t lGone = MakeControl(lRes, "%IDC_BUTTON2", 2);
    gatDlg.W(lGone).nBottom = 500;
    MakeDialog("%IDD_DIALOG2", "101");
    DeleteDlgRow(lGone);
    EXPECT_EQ(LastLiveControl(lRes), lLast);
    PasteOffset(at, lRes, 0, lDX, lDY); // several: the copied left edge stays with the union
    EXPECT_EQ(lDX, -5 - 10);
    EXPECT_EQ(lDY, 63 - 20);
    PasteOffset({at[1]}, lRes, 0, lDX, lDY); // one: at the last control's left edge
    EXPECT_EQ(lDX, 7 - -5);
    EXPECT_EQ(lDY, 63 - 40);
    PasteOffset(at, lRes, 1, lDX, lDY); // below what was copied
    EXPECT_EQ(lDX, 0);
    EXPECT_EQ(lDY, 48 - 20);
    // Default place: below the last control, its top up to the next grid line.
    const tDlgRect t = DefaultControlRect(lRes, 50, 14);
    EXPECT_EQ(t.nLeft, 7);
    EXPECT_EQ(t.nTop, 65);
    EXPECT_EQ(t.nRight, 57);
    EXPECT_EQ(t.nBottom, 79);
    gtOptions.lSnapToGrid = 0;
    EXPECT_EQ(DefaultControlRect(lRes, 50, 14).nTop, 63);
    // Offsets from far-away rectangles never wrap round.
    const tDlgRect tFar = ShiftedRect({2000000000, 0, 2100000000, 10}, 2000000000, 0);
    EXPECT_EQ(tFar.nRight, std::numeric_limits<int32_t>::max());
    EXPECT_GT(tFar.nLeft, 0);
    // Inside a 100 x 50 client area: overlapping, and no right or bottom edge beyond it.
    EXPECT_TRUE(RectInsideClient({-10, 0, 100, 50}, 100, 50));
    EXPECT_FALSE(RectInsideClient({10, 10, 101, 20}, 100, 50));
    EXPECT_FALSE(RectInsideClient({-30, 0, -10, 10}, 100, 50));
}

} // namespace
