#include "model/file_errors.h"
#include "model/user_seam.h"

#include <gtest/gtest.h>

TEST(FileErrors, OpenAndSaveMessagesHaveTheirOwnShapes) {
    EXPECT_EQ(OpenErrorMessage(53, "C:\\a.bas"),
              "Error #53 File not found\r\nwhile trying to open: C:\\a.bas");
    EXPECT_EQ(SaveErrorMessage(61, "b.rc"), "Error #61 while trying to save: b.rc");
    EXPECT_EQ(StdErrorText(76), "Path not found");
    EXPECT_EQ(FileErrorFromErrno(ENOENT), 53);
    EXPECT_EQ(FileErrorFromErrno(EACCES), 70);
    EXPECT_EQ(FileErrorFromErrno(ENOSPC), 61);
    EXPECT_EQ(FileErrorFromErrno(EIO), 75);
}

TEST(Seam, SilentSeamAnswersWithTheDefaultButton) {
    EXPECT_EQ(AskUser("q", wkBtnYesNoCancel, 1), wkAnsYes);
    EXPECT_EQ(AskUser("q", wkBtnYesNo, 2), wkAnsNo);
    EXPECT_EQ(AskUser("q", wkBtnYesNoCancel, 3), wkAnsCancel);
}
