#include "model/change_notice.h"

#include <algorithm>
#include <vector>

int32_t glChanged = 0;

namespace {

std::vector<ChangeListener>& Listeners() {
    static std::vector<ChangeListener> apfn;
    return apfn;
}

int32_t glEditDepth = 0;
int32_t glLoadDepth = 0;
bool gbLoadReplaces = false;
bool gbEditWrote = false;

void Tell(const tChange& t) {
    // A copy: a listener may add or remove listeners while it is told.
    const std::vector<ChangeListener> apfn = Listeners();
    for (ChangeListener pfn : apfn) {
        pfn(t);
    }
}

} // namespace

void AddChangeListener(ChangeListener pfn) {
    std::vector<ChangeListener>& apfn = Listeners();
    if (pfn && std::find(apfn.begin(), apfn.end(), pfn) == apfn.end()) {
        apfn.push_back(pfn);
    }
}

void RemoveChangeListener(ChangeListener pfn) {
    std::vector<ChangeListener>& apfn = Listeners();
    apfn.erase(std::remove(apfn.begin(), apfn.end(), pfn), apfn.end());
}

void NoteChange(int32_t lTable, int32_t lFirst, int32_t lCount) {
    glChanged = 1;
    if (glLoadDepth > 0) {
        return;
    }
    if (glEditDepth > 0) {
        gbEditWrote = true;
        return;
    }
    Tell(tChange{lTable, wkChgAfter, lFirst, lCount});
}

void NoteCleared(int32_t lTable) {
    Tell(tChange{lTable, wkChgCleared, 0, 0});
}

tChangeScope::tChangeScope(int32_t lTable, int32_t lFirst, int32_t lCount)
    : mtChange{lTable, wkChgBefore, lFirst, lCount} {
    if (glEditDepth++ == 0 && glLoadDepth == 0) {
        gbEditWrote = false;
        Tell(mtChange);
    }
}

tChangeScope::~tChangeScope() {
    if (--glEditDepth == 0 && glLoadDepth == 0 && gbEditWrote) {
        gbEditWrote = false;
        mtChange.lPhase = wkChgAfter;
        Tell(mtChange);
    }
}

tLoadScope::tLoadScope(bool bReplaces) {
    if (glLoadDepth++ == 0) {
        gbLoadReplaces = false;
    }
    gbLoadReplaces = gbLoadReplaces || bReplaces;
}

tLoadScope::~tLoadScope() {
    if (--glLoadDepth == 0) {
        Tell(tChange{wkChgEverything, gbLoadReplaces ? wkChgLoaded : wkChgAfter, 0, 0});
        gbLoadReplaces = false;
    }
}
