// Damaged text for every reader: cut anywhere, zero bytes, unterminated
// strings and comments, numbers beyond 32 bits, coordinates out of every
// range, names longer than any field, bytes that are no UTF-8. Each must end
// in a clean (partial) import or a refusal, never a crash or a hang.
#include "hostile_fixture.h"

#include "tests/support/file_bytes.h"

namespace {

std::string SourceFile(const std::string& sRelative) {
    return ReadAll(std::string(WK_SOURCE_DIR) + "/" + sRelative);
}

// One text of each format the designer reads.
std::vector<std::string> Samples() {
    std::vector<std::string> as = {SourceFile("examples/sample.bas"),
                                   SourceFile("fuzz/corpus/rc_fuzz/dialog") +
                                       SourceFile("fuzz/corpus/rc_fuzz/menus"),
                                   SourceFile("fuzz/corpus/vbform_fuzz/dialog_form.frm")};
    for (const std::string& s : as) {
        EXPECT_GT(s.size(), 100u);
    }
    return as;
}

} // namespace

TEST_F(HostileTest, TextCutAnywhereReadsAsAPartialProject) {
    for (const std::string& s : Samples()) {
        // Every cut in the first lines, then cuts spread over the rest.
        const size_t lStep = s.size() / 150 + 1;
        for (size_t lCut = 0; lCut < s.size(); lCut += lCut < 200 ? 7 : lStep) {
            ReadEveryWay(s.substr(0, lCut));
        }
    }
}

TEST_F(HostileTest, ZeroBytesAnywhere) {
    for (const std::string& s : Samples()) {
        const size_t lStep = s.size() / 60 + 1;
        for (size_t lAt = 0; lAt < s.size(); lAt += lStep) {
            std::string sDamaged = s;
            sDamaged[lAt] = '\0';
            ReadEveryWay(sDamaged);
            sDamaged.insert(lAt / 2, std::string(3, '\0'));
            ReadEveryWay(sDamaged);
        }
    }
}

TEST_F(HostileTest, UnterminatedStringsAndComments) {
    // The texts of the file stand between lines of "@@@@".
    const std::string sAll = SourceFile("tests/data/hostile/unterminated-strings-and-comments.txt");
    for (size_t lAt = 0, lEnd = 0; lEnd != std::string::npos; lAt = lEnd + 6) {
        lEnd = sAll.find("\n@@@@\n", lAt);
        ReadEveryWay(sAll.substr(lAt, lEnd == std::string::npos ? lEnd : lEnd - lAt));
    }
}

TEST_F(HostileTest, NumbersBeyond32BitsAreHeldWithinTheirRange) {
    // What each reader holds of them is in the reader goldens of these files.
    for (const char* sz :
         {"rc-numbers-beyond-32-bits.rc", "unmarked-kvl-numbers-beyond-32-bits.bas",
          "frm-numbers-beyond-32-bits.frm"}) {
        ReadEveryWay(SourceFile(std::string("tests/data/read/") + sz));
    }
}

TEST_F(HostileTest, NamesLongerThanEveryField) {
    const std::string sLong(100000, 'N');
    const std::string sScript =
        "#define IDD_" + sLong + " 100\n#define IDC_" + sLong + " 1001\nIDD_" + sLong +
        " DIALOGEX 0, 0, 100, 100\nCAPTION \"" + sLong + "\"\nFONT 8, \"" + sLong + "\"\nCLASS \"" +
        sLong + "\"\n{\n CONTROL \"" + sLong + "\", IDC_" + sLong + ", \"" + sLong + "\", WS_" +
        sLong + " | 1, 0, 0, 10, 10\n}\n" + sLong + " MENU\n{\n" + " POPUP \"" + sLong +
        "\" { MENUITEM \"" + sLong + "\", IDC_" + sLong + " }\n}\n";
    ReadEveryWay(sScript);
    RecordingSeam tSeam(wkAnsYes);
    LoadRC(sScript, 1, 0);
    for (int32_t l = 1; l <= glIDCnt; ++l) {
        EXPECT_LE(gatID[l].szIDName.size(), 32u);
    }
    const std::string sKvl = "%IDD_" + sLong + " = 100\r\nDialog New 0, \"" + sLong +
                             "\", 0, 0, 10, 10, %WS_" + sLong + " To hDlg\r\nControl Add " + sLong +
                             ", hDlg, %IDC_" + sLong + ", \"" + sLong + "\", 0, 0, 1, 1\r\n";
    ReadEveryWay(sKvl);
    ReadEveryWay("VERSION 5.00\r\nBegin VB.Form " + sLong + "\r\n   Caption = \"" + sLong +
                 "\"\r\n   Begin VB." + sLong + " " + sLong + "\r\n   End\r\nEnd\r\n");
}

TEST_F(HostileTest, BytesThatAreNoUtf8AndOtherCodePages) {
    std::string sHigh;
    for (int c = 0x80; c <= 0xFF; ++c) {
        sHigh += static_cast<char>(c);
    }
    const std::string aText[] = {
        "#define IDD_A 100\nIDD_A DIALOG 0, 0, 10, 10\nCAPTION \"" + sHigh + "\"\n{\n LTEXT \"" +
            sHigh + "\", -1, 0, 0, 1, 1\n}\n",
        "\xEF\xBB\xBF#define IDD_A 100\nIDD_A DIALOG 0, 0, 10, 10\n{\n}\n", // UTF-8 mark
        std::string("\xFF\xFE#\0d\0e\0f\0i\0n\0e\0 \0A\0 \0001\0", 24),     // UTF-16 text
        "\xC3\x28\xA0\xA1\xE2\x28\xA1\xF0\x28\x8C\xBC %IDD_\xC3\x28 = 1\r\n",
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"" + sHigh + "\"\r\nEnd\r\n",
        sHigh + sHigh,
    };
    for (const std::string& s : aText) {
        ReadEveryWay(s);
    }
}
