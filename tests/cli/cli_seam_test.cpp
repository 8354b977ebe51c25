#include "cli/cli_seam.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string ReadBack(std::FILE* pFile) {
    std::rewind(pFile);
    std::string sOut;
    char ac[256];
    while (size_t n = std::fread(ac, 1, sizeof(ac), pFile)) {
        sOut.append(ac, n);
    }
    return sOut;
}

} // namespace

TEST(CliSeam, QuestionsAreRefusedUnlessYesWasGiven) {
    std::FILE* pErr = std::tmpfile();
    ASSERT_TRUE(pErr);
    {
        CliSeam tSeam(false, pErr);
        UserSeam* pOld = SetSeam(&tSeam);
        EXPECT_EQ(AskUser("Replace the resource file?", wkBtnYesNo), wkAnsNo);
        EXPECT_EQ(AskUser("Save current changes?", wkBtnYesNoCancel), wkAnsCancel);
        EXPECT_EQ(tSeam.Refusals(), 2);
        SetSeam(pOld);
    }
    {
        CliSeam tSeam(true, pErr);
        UserSeam* pOld = SetSeam(&tSeam);
        EXPECT_EQ(AskUser("Save current changes?", wkBtnYesNoCancel, 3), wkAnsYes);
        ReportError("Error #53 File not found\r\nwhile trying to open: x.bas");
        EXPECT_EQ(tSeam.Refusals(), 0);
        SetSeam(pOld);
    }
    EXPECT_EQ(ReadBack(pErr), "wrenkit: Replace the resource file? [no]\n"
                              "wrenkit: Save current changes? [cancel]\n"
                              "wrenkit: Save current changes? [yes]\n"
                              "wrenkit: Error #53 File not found\n"
                              "while trying to open: x.bas\n");
    std::fclose(pErr);
}
