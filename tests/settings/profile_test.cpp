// The private-profile primitives. Every case here must hold for the real
// functions too (the suite runs under Wine against them); the cases that only
// our own file editing promises are marked.
#include "app/settings/profile.h"
#include "settings_test_support.h"

#include <filesystem>
#include <vector>

using Profile = SettingsFile;

TEST_F(Profile, MissingFileSectionOrKeyReadsAsTheDefault) {
    EXPECT_EQ(ProfileGetString(sPath, "Options", "GridX", "dflt", 260), "dflt");
    EXPECT_EQ(ProfileGetInt(sPath, "Options", "GridX", 7), 7);
    WriteFile("[Options]\r\nGridX=8\r\nNoValue\r\n");
    EXPECT_EQ(ProfileGetString(sPath, "Other", "GridX", "", 260), "");
    EXPECT_EQ(ProfileGetString(sPath, "Options", "GridY", "d  ", 260), "d");
    EXPECT_EQ(ProfileGetString(sPath, "Options", "NoValue", "d", 260), "d");
    EXPECT_EQ(ProfileGetInt(sPath, "Options", "GridY", -3), -3);
}

TEST_F(Profile, NamesAreCaseBlindAndBlanksAreTrimmed) {
    WriteFile("[Options]\r\n  WrapPos  =  100  \r\nHdr=\"quoted text\"\r\nSingle='x'\r\n"
              "Empty=\r\n[Next]\r\nWrapPos=5\r\n");
    EXPECT_EQ(ProfileGetString(sPath, "OPTIONS", "wrappos", "", 260), "100");
    EXPECT_EQ(ProfileGetInt(sPath, " options ", " WRAPPOS ", 0), 100);
    EXPECT_EQ(ProfileGetString(sPath, "Options", "Hdr", "", 260), "quoted text");
    EXPECT_EQ(ProfileGetString(sPath, "Options", "Single", "", 260), "x");
    EXPECT_EQ(ProfileGetString(sPath, "Options", "Empty", "d", 260), "");
    EXPECT_EQ(ProfileGetInt(sPath, "Options", "Empty", 9), 9);
    EXPECT_EQ(ProfileGetInt(sPath, "next", "WrapPos", 0), 5);
}

TEST_F(Profile, IntegersAreReadAsTheSystemReadsThem) {
    WriteFile("[N]\r\nneg=-2\r\nplus=+1\r\ntail=42A94967297\r\nlead=B42\r\nwrap=4294967297\r\n"
              "hex=0x1F\r\nblank= 17 \r\nquoted=\"5\"\r\n");
    const std::pair<const char*, int> at[] = {{"neg", -2},   {"plus", 1},  {"tail", 42},
                                              {"lead", 0},   {"wrap", 1},  {"hex", 31},
                                              {"blank", 17}, {"quoted", 5}};
    for (const auto& [szKey, lValue] : at) {
        EXPECT_EQ(ProfileGetInt(sPath, "N", szKey, 9), lValue) << szKey;
    }
}

TEST_F(Profile, LongValuesAreCutToTheBuffer) {
    std::string sLong(300, 'x');
    WriteFile("[S]\r\nlong=" + sLong + "\r\nMRUList=abcdefghijklmnopqrstuvwxyzABC\r\n");
    EXPECT_EQ(ProfileGetString(sPath, "S", "long", "", 260), std::string(259, 'x'));
    EXPECT_EQ(ProfileGetString(sPath, "S", "MRUList", "", 27), "abcdefghijklmnopqrstuvwxyz");
}

TEST_F(Profile, SectionListsItsEntriesAndIsCutWithTwoZeros) {
    WriteFile("[A]\r\nx=1\r\n[B]\r\none=1\r\n;note\r\ntwo=2\r\n[C]\r\n");
    std::vector<char> acBuf(100, 'z');
    uint32_t lLen = ProfileGetSection(sPath, "b", acBuf.data(), 100);
    ASSERT_EQ(lLen, 12u);
    EXPECT_EQ(std::string(acBuf.data(), 13), std::string("one=1\0two=2\0\0", 13));
    EXPECT_EQ(ProfileGetSection(sPath, "C", acBuf.data(), 100), 0u);
    EXPECT_EQ(ProfileGetSection(sPath, "Missing", acBuf.data(), 100), 0u);
    EXPECT_EQ(acBuf[0], 0);

    std::vector<char> acSmall(8, 'z');
    EXPECT_EQ(ProfileGetSection(sPath, "B", acSmall.data(), 8), 6u);
    EXPECT_EQ(std::string(acSmall.data()), "one=1");
    EXPECT_EQ(acSmall[6], 0);
    EXPECT_EQ(acSmall[7], 0);
}

TEST_F(Profile, WritesCreateTheFileAndTheSection) {
    ASSERT_EQ(ProfileWriteString(sPath, "Options", "GridX", "8"), 1);
    ASSERT_EQ(ProfileWriteString(sPath, "Settings", "MainDlgMax", "  1"), 1);
    EXPECT_EQ(ProfileGetInt(sPath, "Options", "GridX", 0), 8);
    EXPECT_EQ(ProfileGetString(sPath, "Settings", "MainDlgMax", "", 260), "1");
    // (A byte-order mark in front would be the system's choice for a new file.)
    EXPECT_TRUE(ReadFile().ends_with("[Options]\r\nGridX=8\r\n[Settings]\r\nMainDlgMax=1\r\n"));
}

TEST_F(Profile, WritesKeepEveryOtherLine) {
    const std::string sHead = ";Wrenkit settings\r\n[Options]\r\nShowGrid=1\r\nGridX=";
    const std::string sTail = "\r\n[Prefixes]\r\n-1=%MNU_\r\n";
    WriteFile(sHead + "8" + sTail);
    ASSERT_EQ(ProfileWriteString(sPath, "options", "GRIDX", "6"), 1);
    EXPECT_EQ(ReadFile(), sHead + "6" + sTail);
    // The same value again changes nothing.
    ASSERT_EQ(ProfileWriteString(sPath, "Options", "GridX", "6"), 1);
    EXPECT_EQ(ReadFile(), sHead + "6" + sTail);
    // A new key joins the end of its own section, not the end of the file.
    ASSERT_EQ(ProfileWriteString(sPath, "Options", "GridY", "4"), 1);
    EXPECT_EQ(ReadFile(), sHead + "6\r\nGridY=4" + sTail);
    // Deleting removes that line only; a missing key deletes nothing.
    ASSERT_EQ(ProfileWriteString(sPath, "Options", "ShowGrid", nullptr), 1);
    ASSERT_EQ(ProfileWriteString(sPath, "Options", "Nothing", nullptr), 1);
    EXPECT_EQ(ReadFile(), ";Wrenkit settings\r\n[Options]\r\nGridX=6\r\nGridY=4" + sTail);
    EXPECT_EQ(ProfileGetInt(sPath, "Options", "ShowGrid", -1), -1);
}

#ifndef _WIN32
// Our own implementation edits the file line by line (as the system does on
// Windows): spacing, blank lines and line breaks of untouched lines survive.
TEST_F(Profile, OwnImplementationLeavesOddLinesAsTheyWere) {
    WriteFile("; top\n\n[Options]\n  ShowGrid = 1 ; x\nGridX = 8\n\n[Other]\r\nkeep me\r\nlast=1");
    ASSERT_EQ(ProfileWriteString(sPath, "Options", "GridX", "6"), 1);
    ASSERT_EQ(ProfileWriteString(sPath, "Options", "GridY", "5"), 1);
    ASSERT_EQ(ProfileWriteString(sPath, "Other", "new", "2"), 1);
    EXPECT_EQ(ReadFile(), "; top\n\n[Options]\n  ShowGrid = 1 ; x\nGridX=6\nGridY=5\r\n\n"
                          "[Other]\r\nkeep me\r\nlast=1\r\nnew=2\r\n");
    EXPECT_EQ(ProfileGetString(sPath, "Options", "ShowGrid", "", 260), "1 ; x");
    EXPECT_FALSE(std::filesystem::exists(sPath + ".wk~"));
}

// A file name may hold a line break outside Windows; it must not become a
// second line that the next read takes for a key or a section.
TEST_F(Profile, OwnImplementationCutsValuesAtALineBreak) {
    ASSERT_EQ(ProfileWriteString(sPath, "MRU Files", "a", "/tmp/x\n[Options]\nWrapPos=30"), 1);
    EXPECT_EQ(ReadFile(), "[MRU Files]\r\na=/tmp/x\r\n");
}
#endif

TEST(ProfilePath, ExecutablePathIsTheRunningProgram) {
    std::string sExe = ExecutablePath();
    ASSERT_FALSE(sExe.empty());
    EXPECT_TRUE(std::filesystem::exists(sExe));
}
