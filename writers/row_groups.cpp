// Row groups of the writers: one pass over a table instead of one per resource.
#include "writers/row_groups.h"

#include "model/project.h"

#include <cstddef>
#include <unordered_map>

namespace {

using tGroups = std::unordered_map<int32_t, std::vector<int32_t>>;

// What tells that a table may have changed since its rows were grouped.
struct tStamp {
    int32_t lCnt = -1;
    uint32_t lEpoch = 0;
    size_t lTouched = 0;
    bool operator==(const tStamp&) const = default;
};

template <class T> tStamp StampOf(const Table<T>& at) {
    return {at.Count(), at.Epoch(), at.Touched().size()};
}

struct tGroupSet {
    bool bBuilt = false;
    tStamp tOwn;
    tStamp tRes; // only for the groups that follow a resource's link
    tGroups aGroups;
};

int32_t glScopes = 0;
tGroupSet gtDlgGroups;
tGroupSet gtMenuGroups;
tGroupSet gtLinkedMenuGroups;
tGroupSet gtAccelGroups;

void Forget() {
    for (tGroupSet* p : {&gtDlgGroups, &gtMenuGroups, &gtLinkedMenuGroups, &gtAccelGroups}) {
        p->bBuilt = false;
        p->aGroups = tGroups();
    }
}

std::vector<int32_t> Lookup(const tGroups& aGroups, int32_t lKey) {
    auto it = aGroups.find(lKey);
    return it == aGroups.end() ? std::vector<int32_t>() : it->second;
}

// The rows of a table grouped by a key; fnKey gives false for rows that
// belong to no group.
template <class T, class F>
std::vector<int32_t> RowsOf(tGroupSet& tSet, const Table<T>& at, int32_t lKey, F fnKey) {
    if (glScopes == 0) {
        std::vector<int32_t> al;
        int32_t lRowKey = 0;
        for (int32_t l = 1; l <= at.Count(); ++l) {
            if (fnKey(l, lRowKey) && lRowKey == lKey) {
                al.push_back(l);
            }
        }
        return al;
    }
    const tStamp tOwn = StampOf(at);
    const tStamp tRes = StampOf(gatRes);
    if (!tSet.bBuilt || !(tSet.tOwn == tOwn) || !(tSet.tRes == tRes)) {
        tSet.aGroups.clear();
        int32_t lRowKey = 0;
        for (int32_t l = 1; l <= at.Count(); ++l) {
            if (fnKey(l, lRowKey)) {
                tSet.aGroups[lRowKey].push_back(l);
            }
        }
        tSet.bBuilt = true;
        tSet.tOwn = tOwn;
        tSet.tRes = tRes;
    }
    return Lookup(tSet.aGroups, lKey);
}

} // namespace

RowGroupScope::RowGroupScope() {
    ++glScopes;
}

RowGroupScope::~RowGroupScope() {
    if (--glScopes == 0) {
        Forget();
    }
}

std::vector<int32_t> DialogRowsOf(int32_t lRes) {
    return RowsOf(gtDlgGroups, gatDlg, lRes, [](int32_t l, int32_t& lKey) {
        lKey = gatDlg[l].lResElem;
        return gatDlg.Live(l);
    });
}

std::vector<int32_t> MenuRowsOf(int32_t lRes) {
    return RowsOf(gtMenuGroups, gatMenu, lRes, [](int32_t l, int32_t& lKey) {
        lKey = gatMenu[l].lResElem;
        return gatMenu.Live(l);
    });
}

std::vector<int32_t> LinkedMenuRowsOf(int32_t lDlgRes) {
    return RowsOf(gtLinkedMenuGroups, gatMenu, lDlgRes, [](int32_t l, int32_t& lKey) {
        const int32_t lMenuRes = gatMenu[l].lResElem;
        lKey = gatRes[lMenuRes].lLinkDlg;
        return gatMenu.Live(l) && gatRes.Live(lMenuRes);
    });
}

std::vector<int32_t> AccelRowsOf(int32_t lRes) {
    return RowsOf(gtAccelGroups, gatAccel, lRes, [](int32_t l, int32_t& lKey) {
        lKey = gatAccel[l].lResElem;
        return gatAccel.Live(l);
    });
}
