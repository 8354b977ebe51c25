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
    const char* const aszText[] = {
        "#define IDD_A 100\nIDD_A DIALOG 0, 0, 10, 10\nCAPTION \"never closed\n{\n}\n",
        "#define IDD_A 100\nIDD_A DIALOG 0, 0, 10, 10\n{\n LTEXT \"open, 1, 2, 3, 4, 5\n",
        "#define IDD_A 100\n/* a comment that never ends\nIDD_A DIALOG 0, 0, 10, 10\n{\n}\n",
        "STRINGTABLE\nBEGIN\n 1 \"never closed\\\nEND\n",
        "#define X \"\\",
        "A MENU\nBEGIN\n POPUP \"",
        "%IDD_A = 100\r\nDialog New 0, \"never closed, 0, 0, 10, 10, %WS_POPUP To hDlg\r\n",
        "'#Wrenkit Begin Dialog %IDD_A\r\n%IDD_A = 100\r\nControl Add Label, hDlg, -1, \"x",
        "Begin VB.Form F\r\n   Caption = \"never closed\r\n   Begin VB.CommandButton B\r\n",
        "VERSION 5.00\r\nBegin VB.Form F\r\n   Caption = \"",
        "\"",
        "/*",
        "'",
        "//",
        "#define",
        "%",
        "Begin VB.Form",
    };
    for (const char* sz : aszText) {
        ReadEveryWay(sz);
    }
}

TEST_F(HostileTest, NumbersBeyond32BitsAreHeldWithinTheirRange) {
    const std::string sScript =
        "#define IDD_BIG 99999999999999999999999\n"
        "#define IDC_HEX 0x1234567890ABCDEF\n"
        "#define IDC_NEG -99999999999999999999\n"
        "IDD_BIG DIALOGEX -99999999999, 99999999999, 4294967296, -4294967297\n"
        "STYLE 0xFFFFFFFFFFFFFFFF | 18446744073709551617\n"
        "FONT 99999999999, \"F\", -99999999999, 99999999999, 99999999999\n"
        "{\n"
        " LTEXT \"a\", IDC_HEX, 2147483648, -2147483649, 99999999999, -1\n"
        " CONTROL \"b\", IDC_NEG, \"Button\", 0x100000000, -1, -1, -1, -1, "
        "0xFFFFFFFFFF\n"
        "}\n";
    ReadEveryWay(sScript);
    RecordingSeam tSeam(wkAnsYes);
    ASSERT_EQ(LoadRC(sScript, 1, 0), 1);
    // Values wrap to 32 bits as the resource compilers take them; the ID exists.
    EXPECT_NE(FindIDByName("%IDD_BIG"), 0);
    EXPECT_NE(FindIDByName("%IDC_NEG"), 0);
    // Whatever was read, the writers write it again without failing.
    EXPECT_NE(BuildFullRCFile().find("IDD_BIG"), std::string::npos);

    const std::string sKvl = "%IDD_A = 99999999999999999999\r\n"
                             "%IDC_B = &H1234567890ABCDEF\r\n"
                             "Dialog New 0, \"A\", 99999999999, -99999999999, 4294967296, "
                             "-4294967297, %WS_POPUP To hDlg\r\n"
                             "Control Add Label, hDlg, %IDC_B, \"b\", -2147483649, 2147483648, "
                             "99999999999, 1\r\n";
    ReadEveryWay(sKvl);

    const std::string sForm = "VERSION 5.00\r\nBegin VB.Form F\r\n"
                              "   ClientLeft = 99999999999999999999\r\n"
                              "   ClientTop = -99999999999999999999\r\n"
                              "   ClientWidth = 1E+300\r\n   ClientHeight = -1E+300\r\n"
                              "   Begin VB.CommandButton B\r\n      Left = 1E308\r\n"
                              "      Top = -1E308\r\n      Width = 4294967296\r\n"
                              "      Index = 99999999999\r\n      TabIndex = -99999999999\r\n"
                              "   End\r\nEnd\r\n";
    ReadEveryWay(sForm);
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
