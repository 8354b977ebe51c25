// New rows through the edit layer: where a new control goes in the tab order.
#include "edit/design_edits.h"
#include "model/project.h"
#include "tests/support/start_up.h"

#include <gtest/gtest.h>

namespace {

TEST(NewRows, ANewControlGoesBehindEveryLiveControlOfItsDialog) {
    StartProject();
    const int32_t lDlg = NewDialog();
    NewControl(lDlg, wkCtlButton, tDlgRect{5, 5, 55, 20});
    const int32_t lGone = NewControl(lDlg, wkCtlButton, tDlgRect{5, 25, 55, 40});
    // Rows of another dialog follow, so the deleted row keeps its place.
    NewControl(NewDialog(), wkCtlLabel, tDlgRect{5, 5, 55, 15});
    EditDeleteControl(lGone);
    const int32_t lNew = NewControl(lDlg, wkCtlLabel, tDlgRect{5, 45, 55, 55});
    EXPECT_EQ(gatDlg[lNew].lCtlOrder, 2);
    // The last row moved to the front in Properties: the next control still
    // goes behind every position, not behind the last row's.
    gtElem.lResDlg = gatDlg[lDlg].lResElem;
    SetControlOrder(lNew, 1);
    const int32_t lNext = NewControl(lDlg, wkCtlLabel, tDlgRect{5, 60, 55, 70});
    EXPECT_EQ(gatDlg[lNext].lCtlOrder, 3);
    ClearProject();
}

} // namespace
