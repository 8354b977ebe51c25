// The writers' grouping of rows by resource must give exactly what a scan of
// the table gives, also when the table changes while a writer run is open.
#include "edit/resource_edits.h"
#include "model/project.h"
#include "writers/row_groups.h"

#include <gtest/gtest.h>

namespace {

int32_t AddControl(int32_t lRes) {
    tDlg tRow{};
    tRow.lResElem = lRes;
    tRow.lCtlType = 1;
    return AddDlgRow(tRow);
}

} // namespace

TEST(RowGroups, FollowTheTableInsideAndOutsideAWriterRun) {
    ClearProject();
    const int32_t lDlg1 = NewResource(wkResDialog);
    const int32_t lDlg2 = NewResource(wkResDialog);
    const int32_t a = AddControl(lDlg1);
    const int32_t b = AddControl(lDlg2);
    const int32_t c = AddControl(lDlg1);
    {
        RowGroupScope tScope;
        EXPECT_EQ(DialogRowsOf(lDlg1), (std::vector<int32_t>{a, c}));
        EXPECT_EQ(DialogRowsOf(lDlg2), (std::vector<int32_t>{b}));
        // A row deleted in the middle (the count stays) and one added at the end.
        DeleteDlgRow(a);
        const int32_t d = AddControl(lDlg1);
        EXPECT_EQ(DialogRowsOf(lDlg1), (std::vector<int32_t>{c, d}));
        // A row moved to another dialog by a direct write.
        gatDlg.W(c).lResElem = lDlg2;
        EXPECT_EQ(DialogRowsOf(lDlg2), (std::vector<int32_t>{b, c}));
        EXPECT_EQ(DialogRowsOf(lDlg1), (std::vector<int32_t>{d}));
    }
    EXPECT_EQ(DialogRowsOf(lDlg2), (std::vector<int32_t>{b, c}));
    ClearProject();
}
