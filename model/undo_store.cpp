#include "model/undo_store.h"

#include "model/change_notice.h"
#include "model/project.h"
#include "model/undo_images.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <new>
#include <utility>

namespace {

// Where the images of one table differ before and after a step: runs of
// bytes, each with the bytes it had before (sOld) and has after (sNew), kept
// one after the other in two strings. Inside the shorter image a run has the
// same length before and after; only the last run may reach beyond it, when
// the table grew or shrank.
struct tUndoRun {
    std::size_t lAt;
    std::size_t lOldLen;
    std::size_t lNewLen;
};

struct tUndoPart {
    int32_t lTable;
    std::size_t lOldSize;
    std::size_t lNewSize;
    std::vector<tUndoRun> atRun;
    std::string sOld;
    std::string sNew;
};

struct tUndoStep {
    std::string sName;
    int32_t lMergeKey;
    tElem tElemBefore;
    tElem tElemAfter;
    std::vector<tUndoPart> atPart;
    std::size_t lBytes;
};

constexpr int32_t kAllTables = (1 << wkUndoTableCnt) - 1;
constexpr int64_t kUnreachable = -1;

std::deque<tUndoStep> gatUndoStep;
std::size_t glUndoPos = 0;   // steps applied: the next Undo takes step glUndoPos - 1
int64_t glUndoSaved = 0;     // the position of the saved state, or kUnreachable
std::size_t glUndoBytes = 0; // the kept steps' bytes together
std::size_t glUndoMaxBytes = std::size_t{64} << 20;
int32_t glUndoMaxSteps = 1000;

// Each table's image as the last step left it; a table not yet taken is
// taken at its first notice.
std::array<std::string, wkUndoTableCnt> gasUndoBase;
int32_t glUndoBaseValid = 0; // bit per table
int32_t glUndoDirty = 0;     // bit per table noticed in the open step

int32_t glUndoNest = 0;      // open explicit steps
bool gbUndoImplicit = false; // a notice opened a step on its own
bool gbUndoApplying = false; // Undo or Redo is writing the tables
std::string gsUndoOpenName;
int32_t glUndoOpenKey = 0;
tElem gtUndoOpenElem{};

std::vector<tUndoDlgChange> gatUndoDlgChange;
int32_t glUndoChanged = 0;

std::size_t PartBytes(const tUndoPart& t) {
    return sizeof t + t.atRun.size() * sizeof(tUndoRun) + t.sOld.size() + t.sNew.size();
}

void CountStep(tUndoStep& t) {
    t.lBytes = sizeof t + t.sName.size();
    for (const tUndoPart& tPart : t.atPart) {
        t.lBytes += PartBytes(tPart);
    }
}

// Runs closer than this join: a run costs more than a few equal bytes.
constexpr std::size_t kJoinGap = 24;

// The part that turns sBefore into sAfter; false when they are equal.
bool DiffImages(int32_t lTable, const std::string& sBefore, const std::string& sAfter,
                tUndoPart& t) {
    t = tUndoPart{lTable, sBefore.size(), sAfter.size(), {}, {}, {}};
    const std::size_t lShort = std::min(sBefore.size(), sAfter.size());
    const char* pA = sBefore.data();
    const char* pB = sAfter.data();
    std::size_t i = 0;
    while (i < lShort) {
        // Equal stretches go by in blocks.
        while (i + 64 <= lShort && std::memcmp(pA + i, pB + i, 64) == 0) {
            i += 64;
        }
        while (i < lShort && pA[i] == pB[i]) {
            ++i;
        }
        if (i >= lShort) {
            break;
        }
        std::size_t lLast = i;
        std::size_t j = i + 1;
        for (; j < lShort && j - lLast <= kJoinGap; ++j) {
            if (pA[j] != pB[j]) {
                lLast = j;
            }
        }
        const std::size_t lLen = lLast + 1 - i;
        t.atRun.push_back({i, lLen, lLen});
        t.sOld.append(pA + i, lLen);
        t.sNew.append(pB + i, lLen);
        i = lLast + 1;
    }
    if (sBefore.size() != sAfter.size()) {
        // The tail joins the last run when it is close, else it is a run of its own.
        if (!t.atRun.empty() &&
            lShort - (t.atRun.back().lAt + t.atRun.back().lOldLen) <= kJoinGap) {
            tUndoRun& tRun = t.atRun.back();
            const std::size_t lEnd = tRun.lAt + tRun.lOldLen;
            t.sOld.append(sBefore, lEnd);
            t.sNew.append(sAfter, lEnd);
            tRun.lOldLen = sBefore.size() - tRun.lAt;
            tRun.lNewLen = sAfter.size() - tRun.lAt;
        } else {
            t.atRun.push_back({lShort, sBefore.size() - lShort, sAfter.size() - lShort});
            t.sOld.append(sBefore, lShort);
            t.sNew.append(sAfter, lShort);
        }
    }
    return !t.atRun.empty();
}

// sImage with the part taken back (bBack) or done again; false when the
// image does not hold the bytes the part expects.
bool ApplyPart(const tUndoPart& t, bool bBack, const std::string& sImage, std::string& sOut) {
    const std::string& sHave = bBack ? t.sNew : t.sOld;
    const std::string& sPut = bBack ? t.sOld : t.sNew;
    if (sImage.size() != (bBack ? t.lNewSize : t.lOldSize)) {
        return false;
    }
    sOut = sImage;
    std::size_t lHaveAt = 0;
    std::size_t lPutAt = 0;
    for (std::size_t i = 0; i < t.atRun.size(); ++i) {
        const tUndoRun& tRun = t.atRun[i];
        const std::size_t lHave = bBack ? tRun.lNewLen : tRun.lOldLen;
        const std::size_t lPut = bBack ? tRun.lOldLen : tRun.lNewLen;
        if (tRun.lAt > sImage.size() || lHave > sImage.size() - tRun.lAt ||
            sImage.compare(tRun.lAt, lHave, sHave, lHaveAt, lHave) != 0 ||
            (lHave != lPut && (i + 1 != t.atRun.size() || tRun.lAt + lHave != sImage.size()))) {
            return false;
        }
        sOut.replace(tRun.lAt, lHave, sPut, lPutAt, lPut);
        lHaveAt += lHave;
        lPutAt += lPut;
    }
    return true;
}

void TakeBase(int32_t lTable) {
    gasUndoBase[static_cast<std::size_t>(lTable)] = UndoTableImage(lTable);
    glUndoBaseValid |= 1 << lTable;
}

// Forgets the history; the baseline is taken again table by table.
void DropHistory() {
    gatUndoStep.clear();
    glUndoPos = 0;
    glUndoSaved = kUnreachable;
    glUndoBytes = 0;
    glUndoBaseValid = 0;
    glUndoDirty = 0;
    for (std::string& s : gasUndoBase) {
        std::string().swap(s);
    }
}

void KeepWithinBounds() {
    while (gatUndoStep.size() > 1 &&
           (glUndoBytes > glUndoMaxBytes ||
            gatUndoStep.size() > static_cast<std::size_t>(glUndoMaxSteps))) {
        if (glUndoPos == 0) {
            // Only redo steps are left to drop: drop the newest of them instead.
            glUndoBytes -= gatUndoStep.back().lBytes;
            gatUndoStep.pop_back();
            continue;
        }
        glUndoBytes -= gatUndoStep.front().lBytes;
        gatUndoStep.pop_front();
        --glUndoPos;
        glUndoSaved = glUndoSaved > 0 ? glUndoSaved - 1 : kUnreachable;
    }
}

// Folds the new parts into the step before: its before-images stay, the
// after-images become the new ones. asWas holds the baseline the new parts
// start from.
void MergeInto(tUndoStep& tTop, std::vector<tUndoPart>& atNew,
               const std::array<std::string, wkUndoTableCnt>& asWas) {
    for (tUndoPart& tPart : atNew) {
        auto it = std::find_if(tTop.atPart.begin(), tTop.atPart.end(),
                               [&](const tUndoPart& t) { return t.lTable == tPart.lTable; });
        if (it == tTop.atPart.end()) {
            tTop.atPart.push_back(std::move(tPart));
            continue;
        }
        std::string sFirst;
        const std::size_t lTable = static_cast<std::size_t>(tPart.lTable);
        tUndoPart tJoined;
        if (!ApplyPart(*it, true, asWas[lTable], sFirst)) {
            continue; // cannot happen while the baseline is right; keep the older part
        }
        if (DiffImages(tPart.lTable, sFirst, gasUndoBase[lTable], tJoined)) {
            *it = std::move(tJoined);
        } else {
            tTop.atPart.erase(it);
        }
    }
}

void CommitStep() {
    const int32_t lDirty = glUndoDirty;
    glUndoDirty = 0;
    gbUndoImplicit = false;
    std::vector<tUndoPart> atPart;
    std::array<std::string, wkUndoTableCnt> asWas;
    for (int32_t l = 0; l < wkUndoTableCnt; ++l) {
        if ((lDirty & (1 << l)) == 0) {
            continue;
        }
        std::string sNow = UndoTableImage(l);
        tUndoPart t;
        std::string& sBase = gasUndoBase[static_cast<std::size_t>(l)];
        if (DiffImages(l, sBase, sNow, t)) {
            atPart.push_back(std::move(t));
            asWas[static_cast<std::size_t>(l)] = std::move(sBase);
            sBase = std::move(sNow);
        }
    }
    if (atPart.empty()) {
        return;
    }
    // A new change after an undo cuts the steps that could have been redone.
    while (gatUndoStep.size() > glUndoPos) {
        glUndoBytes -= gatUndoStep.back().lBytes;
        gatUndoStep.pop_back();
    }
    if (glUndoSaved > static_cast<int64_t>(glUndoPos)) {
        glUndoSaved = kUnreachable;
    }
    if (glUndoOpenKey != 0 && glUndoPos > 0 && gatUndoStep.back().lMergeKey == glUndoOpenKey &&
        glUndoSaved != static_cast<int64_t>(glUndoPos)) {
        tUndoStep& tTop = gatUndoStep.back();
        glUndoBytes -= tTop.lBytes;
        MergeInto(tTop, atPart, asWas);
        tTop.tElemAfter = gtElem;
        if (tTop.atPart.empty()) {
            // The series came back to where it began.
            gatUndoStep.pop_back();
            --glUndoPos;
        } else {
            CountStep(tTop);
            glUndoBytes += tTop.lBytes;
        }
        return;
    }
    tUndoStep tStep{gsUndoOpenName, glUndoOpenKey, gtUndoOpenElem, gtElem, std::move(atPart), 0};
    CountStep(tStep);
    glUndoBytes += tStep.lBytes;
    gatUndoStep.push_back(std::move(tStep));
    ++glUndoPos;
    KeepWithinBounds();
}

void CommitGuarded() {
    try {
        CommitStep();
    } catch (const std::bad_alloc&) {
        // Without memory for the step the history cannot stay right: it goes,
        // the project stays as the command left it.
        DropHistory();
    }
}

void OpenStep(std::string_view sName, int32_t lMergeKey) {
    gsUndoOpenName.assign(sName);
    glUndoOpenKey = lMergeKey;
    gtUndoOpenElem = gtElem;
}

// Notes the rows of gatDlg that differ between two images.
void NoteDlgChanges(const tUndoPart& t, const std::string& sBefore, const std::string& sAfter) {
    const std::size_t lRow = sizeof(tDlg);
    const std::size_t lRows = (std::max(sBefore.size(), sAfter.size()) + lRow - 1) / lRow;
    std::size_t lNext = 0; // rows below this are noted or equal
    for (const tUndoRun& tRun : t.atRun) {
        const std::size_t lEnd =
            std::min(lRows, (tRun.lAt + std::max(tRun.lOldLen, tRun.lNewLen) + lRow - 1) / lRow);
        for (std::size_t i = std::max(lNext, tRun.lAt / lRow); i < lEnd; ++i) {
            const std::size_t lAt = i * lRow;
            const bool bWas = lAt + lRow <= sBefore.size();
            const bool bIs = lAt + lRow <= sAfter.size();
            if (bWas && bIs && std::memcmp(sBefore.data() + lAt, sAfter.data() + lAt, lRow) == 0) {
                continue;
            }
            tUndoDlgChange tChange{static_cast<int32_t>(i + 1), tDlg{}};
            if (bWas) {
                std::memcpy(&tChange.tOld, sBefore.data() + lAt, lRow);
                tChange.tOld.hWnd = gatDlg[tChange.lElem].hWnd;
            }
            gatUndoDlgChange.push_back(tChange);
        }
        lNext = std::max(lNext, lEnd);
    }
}

int32_t ApplyStep(bool bBack) {
    FlushUndoStep();
    gatUndoDlgChange.clear();
    glUndoChanged = 0;
    if (glUndoNest > 0 || (bBack ? glUndoPos == 0 : glUndoPos >= gatUndoStep.size())) {
        return 0;
    }
    const tUndoStep& tStep = gatUndoStep[bBack ? glUndoPos - 1 : glUndoPos];
    gbUndoApplying = true;
    bool bOk = true;
    try {
        // Taken back in the reverse order they were made, done again in order.
        for (std::size_t i = 0; i < tStep.atPart.size(); ++i) {
            const tUndoPart& t = tStep.atPart[bBack ? tStep.atPart.size() - 1 - i : i];
            std::string& sBase = gasUndoBase[static_cast<std::size_t>(t.lTable)];
            std::string sNew;
            if ((glUndoBaseValid & (1 << t.lTable)) == 0 || !ApplyPart(t, bBack, sBase, sNew)) {
                bOk = false;
                break;
            }
            if (t.lTable == wkUndoDlg) {
                NoteDlgChanges(t, sBase, sNew); // while the rows still hold their windows
            }
            if (!RestoreUndoTable(t.lTable, sNew)) {
                bOk = false;
                break;
            }
            glUndoChanged |= 1 << t.lTable;
            sBase = std::move(sNew);
        }
    } catch (const std::bad_alloc&) {
        bOk = false;
    }
    gbUndoApplying = false;
    if (!bOk) {
        // The history no longer fits the tables (a change made without a
        // notice); what was restored so far stays and the history goes.
        DropHistory();
        glChanged = 1;
        return 0;
    }
    gtElem = bBack ? tStep.tElemBefore : tStep.tElemAfter;
    glUndoPos = bBack ? glUndoPos - 1 : glUndoPos + 1;
    glChanged = glUndoSaved == static_cast<int64_t>(glUndoPos) ? 0 : 1;
    return 1;
}

} // namespace

void BeginUndoStep(std::string_view sName, int32_t lMergeKey) {
    if (gbUndoImplicit) {
        CommitGuarded();
    }
    if (glUndoNest++ == 0) {
        OpenStep(sName, lMergeKey);
    }
}

void EndUndoStep() {
    if (glUndoNest == 0) {
        return;
    }
    if (--glUndoNest == 0) {
        CommitGuarded();
    }
}

void NoteUndoTable(int32_t lTable) {
    if (gbUndoApplying) {
        return;
    }
    const int32_t lBits = lTable == wkUndoAll                      ? kAllTables
                          : lTable >= 0 && lTable < wkUndoTableCnt ? 1 << lTable
                                                                   : 0;
    if (glUndoNest == 0 && !gbUndoImplicit) {
        gbUndoImplicit = true;
        OpenStep("Change", 0);
    }
    for (int32_t l = 0; l < wkUndoTableCnt; ++l) {
        if ((lBits & (1 << l)) != 0 && (glUndoBaseValid & (1 << l)) == 0) {
            TakeBase(l);
        }
    }
    glUndoDirty |= lBits;
}

void UndoChangeListener(const tChange& t) {
    // A close or a load empties the tables; the file commands start a new
    // history once the project is read.
    if (t.lPhase == wkChgCleared) {
        return;
    }
    // An edit's rows are told as one notice that names the edit's main table
    // only, so every notice has every table compared.
    NoteUndoTable(wkUndoAll);
}

void FlushUndoStep() {
    if (gbUndoImplicit && glUndoNest == 0) {
        CommitGuarded();
    }
}

int32_t CanUndo() {
    FlushUndoStep();
    return glUndoPos > 0 ? 1 : 0;
}

int32_t CanRedo() {
    FlushUndoStep();
    return glUndoPos < gatUndoStep.size() ? 1 : 0;
}

std::string UndoStepName() {
    return CanUndo() ? gatUndoStep[glUndoPos - 1].sName : std::string();
}

std::string RedoStepName() {
    return CanRedo() ? gatUndoStep[glUndoPos].sName : std::string();
}

int32_t Undo() {
    return ApplyStep(true);
}

int32_t Redo() {
    return ApplyStep(false);
}

const std::vector<tUndoDlgChange>& UndoDlgChanges() {
    return gatUndoDlgChange;
}

int32_t UndoChangedTables() {
    return glUndoChanged;
}

void ClearUndo() {
    DropHistory();
    glUndoNest = 0;
    gbUndoImplicit = false;
    gatUndoDlgChange.clear();
    glUndoChanged = 0;
    try {
        for (int32_t l = 0; l < wkUndoTableCnt; ++l) {
            TakeBase(l);
        }
        glUndoSaved = glChanged ? kUnreachable : 0;
    } catch (const std::bad_alloc&) {
        DropHistory();
    }
}

void MarkUndoSaved() {
    FlushUndoStep();
    glUndoSaved = static_cast<int64_t>(glUndoPos);
}

void SetUndoLimits(std::size_t lMaxBytes, int32_t lMaxSteps) {
    glUndoMaxBytes = lMaxBytes;
    glUndoMaxSteps = std::max(lMaxSteps, 1);
    KeepWithinBounds();
}

int32_t UndoDepth() {
    return static_cast<int32_t>(gatUndoStep.size());
}

std::size_t UndoBytes() {
    return glUndoBytes;
}
