// The tab order editor's rules.
#include "edit/tab_order.h"

#include "model/change_notice.h"
#include "model/project.h"

#include <algorithm>

std::vector<int32_t> TabOrderRows(int32_t lResDlg) {
    std::vector<int32_t> al;
    for (int32_t l = 1; l <= glDlgCnt; ++l) {
        if (gatDlg.Live(l) && gatDlg[l].lResElem == lResDlg && gatDlg[l].lCtlType != 0) {
            al.push_back(l);
        }
    }
    std::stable_sort(al.begin(), al.end(), [](int32_t a, int32_t b) {
        return gatDlg[a].lCtlOrder < gatDlg[b].lCtlOrder;
    });
    return al;
}

int32_t TabOrderClick(std::vector<int32_t>& alNumber, std::size_t lEntry, int32_t lBox) {
    const auto n = static_cast<int32_t>(alNumber.size());
    if (lEntry >= alNumber.size()) {
        return std::clamp(lBox, 1, std::max(n, 1));
    }
    const int32_t lNew = std::clamp(lBox, 1, n);
    const int32_t lOld = alNumber[lEntry];
    for (size_t i = 0; i < alNumber.size(); ++i) {
        int32_t& p = alNumber[i];
        if (i == lEntry) {
            continue;
        }
        if (lNew < lOld && p >= lNew && p < lOld) {
            ++p;
        } else if (lNew > lOld && p > lOld && p <= lNew) {
            --p;
        }
    }
    alNumber[lEntry] = lNew;
    return lNew < n ? lNew + 1 : n;
}

int32_t ApplyTabOrder(const std::vector<int32_t>& alRows, const std::vector<int32_t>& alNumber,
                      int32_t lFollow) {
    if (alRows.size() != alNumber.size() || alRows.empty()) {
        return lFollow;
    }
    // The rows in their new order, and the places they held, in table order.
    std::vector<size_t> alBy(alRows.size());
    for (size_t i = 0; i < alBy.size(); ++i) {
        alBy[i] = i;
    }
    std::stable_sort(alBy.begin(), alBy.end(),
                     [&](size_t a, size_t b) { return alNumber[a] < alNumber[b]; });
    std::vector<int32_t> alPlace = alRows;
    std::sort(alPlace.begin(), alPlace.end());
    std::vector<tDlg> atRow;
    for (size_t i : alBy) {
        atRow.push_back(gatDlg[alRows[i]]);
    }
    tChangeScope tEdit(wkChgDlg);
    int32_t lFollowTo = lFollow;
    for (size_t k = 0; k < alPlace.size(); ++k) {
        tDlg t = atRow[k];
        t.lCtlOrder = static_cast<int32_t>(k) + 1;
        if (alRows[alBy[k]] == lFollow) {
            lFollowTo = alPlace[k];
        }
        if (alRows[alBy[k]] != alPlace[k] || gatDlg[alPlace[k]].lCtlOrder != t.lCtlOrder) {
            gatDlg.W(alPlace[k]) = t;
            NoteChange(wkChgDlg, alPlace[k], 1);
        }
    }
    return lFollowTo;
}
