// Fast answers to "the first live row whose key is K" on a Table, with the
// same results as the plain scan from element 1.
//
// The index maps a 64-bit key to the ascending list of live elements that had
// that key when the index last read them. It learns of changes from the
// table's change log (table.h): before every answer it re-reads the elements
// handed out for writing since its last answer, and always the latest few,
// because a caller may hold a reference from W() across a search of the same
// table and write through it afterwards. A whole-table change (Release,
// Assign, a writable walk) makes it start afresh.
//
// Every candidate is checked before it is returned: in range, live, its key
// still the one recorded, and the caller's own test (which settles hash
// collisions and the finer rules). Should a row prove to have changed behind
// the index's back, the answer comes from the plain scan and the index is
// rebuilt. Builds with assertions compare each answer with the plain scan.
#pragma once

#include "model/table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// Answers that differed from the plain scan (a row changed unnoticed); the
// tests expect 0.
inline int32_t glIndexRepairs = 0;
// Compare every indexed answer with the plain scan (on tables up to 4096 rows).
// On by default in builds with assertions.
#ifdef NDEBUG
inline bool gbIndexSelfCheck = false;
#else
inline bool gbIndexSelfCheck = true;
#endif

// A 63-bit key of a text, ASCII case folded when bFold is set.
inline uint64_t TextKey(std::string_view s, bool bFold) {
    uint64_t h = 14695981039346656037ull;
    for (char c : s) {
        if (bFold && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return h >> 1;
}

// A 63-bit key of a number.
inline uint64_t NumberKey(int64_t l) {
    return static_cast<uint64_t>(l) & 0x7FFFFFFFFFFFFFFFull;
}

// The element lists of an index by key, in one open-addressed array: a big
// project has a hundred thousand IDs, and a separately allocated node per key
// costs a cache miss on every search. A slot is 16 bytes; a key with a single
// element keeps it in its slot, the rare key with several points to a list.
class IndexBuckets {
  public:
    // The ascending elements of lKey; empty when it has none.
    std::span<const int32_t> Find(uint64_t lKey) const {
        if (aSlot.empty()) {
            return {};
        }
        const tSlot& t = aSlot[Probe(lKey)];
        if (t.lKey != lKey) {
            return {};
        }
        if (t.lMany == 0) {
            return std::span<const int32_t>(&t.lOne, 1);
        }
        return std::span<const int32_t>(aalMany[t.lMany - 1]);
    }

    // Puts l into the list of lKey (kept ascending, without repeats).
    void Add(uint64_t lKey, int32_t l) {
        if ((lUsed + 1) * 4 > aSlot.size() * 3) {
            Grow();
        }
        tSlot& t = aSlot[Probe(lKey)];
        if (t.lKey != lKey) {
            t = tSlot{lKey, l, 0};
            ++lUsed;
            return;
        }
        if (t.lMany == 0) {
            if (t.lOne != l) {
                t.lMany = NewList(t.lOne < l ? t.lOne : l, t.lOne < l ? l : t.lOne);
            }
            return;
        }
        std::vector<int32_t>& al = aalMany[t.lMany - 1];
        if (al.back() < l) {
            al.push_back(l); // the usual case: a row just added
        } else {
            auto p = std::lower_bound(al.begin(), al.end(), l);
            if (p == al.end() || *p != l) {
                al.insert(p, l);
            }
        }
    }

    // Takes l out of the list of lKey; a key left without elements goes.
    void Remove(uint64_t lKey, int32_t l) {
        if (aSlot.empty()) {
            return;
        }
        const std::size_t i = Probe(lKey);
        tSlot& t = aSlot[i];
        if (t.lKey != lKey) {
            return;
        }
        if (t.lMany == 0) {
            if (t.lOne == l) {
                Vacate(i);
            }
            return;
        }
        std::vector<int32_t>& al = aalMany[t.lMany - 1];
        auto p = std::lower_bound(al.begin(), al.end(), l);
        if (p != al.end() && *p == l) {
            al.erase(p);
        }
        if (al.empty()) {
            FreeList(t.lMany);
            t.lMany = 0;
            Vacate(i);
        }
    }

    void Clear() {
        RowBlock<tSlot>().swap(aSlot);
        aalMany.clear();
        alFreeList.clear();
        lUsed = 0;
        lShift = 64;
    }

  private:
    static constexpr uint64_t kFree = ~0ull; // keys have 63 bits

    struct tSlot {
        uint64_t lKey = kFree;
        int32_t lOne = 0;  // the element when the key has one
        int32_t lMany = 0; // else 1 + the index of its list in aalMany
    };

    int32_t NewList(int32_t lFirst, int32_t lSecond) {
        std::size_t i = aalMany.size();
        if (!alFreeList.empty()) {
            i = static_cast<std::size_t>(alFreeList.back());
            alFreeList.pop_back();
        } else {
            aalMany.emplace_back();
        }
        aalMany[i] = {lFirst, lSecond};
        return static_cast<int32_t>(i) + 1;
    }

    void FreeList(int32_t lMany) {
        std::vector<int32_t>().swap(aalMany[static_cast<std::size_t>(lMany) - 1]);
        alFreeList.push_back(lMany - 1);
    }

    // Number keys are small and consecutive: they are spread by a multiply.
    std::size_t Home(uint64_t lKey) const {
        return static_cast<std::size_t>((lKey * 0x9E3779B97F4A7C15ull) >> lShift);
    }

    // The slot holding lKey, or the free slot where it would go.
    std::size_t Probe(uint64_t lKey) const {
        const std::size_t lMask = aSlot.size() - 1;
        std::size_t i = Home(lKey);
        while (aSlot[i].lKey != kFree && aSlot[i].lKey != lKey) {
            i = (i + 1) & lMask;
        }
        return i;
    }

    void Grow() {
        RowBlock<tSlot> aOld;
        aOld.swap(aSlot);
        const std::size_t lSize = aOld.empty() ? 16 : aOld.size() * 2;
        aSlot.resize(lSize);
        lShift = 64;
        for (std::size_t n = lSize; n > 1; n >>= 1) {
            --lShift;
        }
        for (const tSlot& t : aOld) {
            if (t.lKey != kFree) {
                aSlot[Probe(t.lKey)] = t;
            }
        }
    }

    // Frees slot i (whose list, if any, is already freed) and moves up the
    // later slots of its run that may no longer be reachable from their home.
    void Vacate(std::size_t i) {
        const std::size_t lMask = aSlot.size() - 1;
        for (std::size_t j = (i + 1) & lMask; aSlot[j].lKey != kFree; j = (j + 1) & lMask) {
            const std::size_t h = Home(aSlot[j].lKey);
            const bool bStays = i <= j ? (i < h && h <= j) : (i < h || h <= j);
            if (!bStays) {
                aSlot[i] = aSlot[j];
                i = j;
            }
        }
        aSlot[i] = tSlot{};
        --lUsed;
    }

    RowBlock<tSlot> aSlot; // a power of two in size, at most three quarters used
    std::vector<std::vector<int32_t>> aalMany; // the lists of keys with several elements
    std::vector<int32_t> alFreeList;           // lists no key uses any more
    std::size_t lUsed = 0;
    int lShift = 64; // 64 - log2 of the size
};

template <class T> class TableIndex {
  public:
    // Sets lKey and returns true when the row takes part in the index (it is
    // asked of live rows only).
    using KeyFn = bool (*)(const T& tRow, uint64_t& lKey);

    TableIndex(Table<T>& at, KeyFn pfnKey) : atTable(at), pfnKeyOf(pfnKey) {}
    TableIndex(const TableIndex&) = delete;
    TableIndex& operator=(const TableIndex&) = delete;

    // The first live element above lAfter whose key is lKey and for which
    // bMatch(l, row) holds; 0 when none. bMatch must imply the key.
    template <class Match> int32_t Find(uint64_t lKey, int32_t lAfter, Match bMatch) {
        Sync();
        bool bSound = true;
        int32_t lFound = FindIndexed(lKey, lAfter, bMatch, bSound);
        if (!bSound) {
            ++glIndexRepairs;
            bStale = true;
            return Scan(lKey, lAfter, bMatch);
        }
        if (gbIndexSelfCheck && atTable.Count() <= kSelfCheckRows) {
            int32_t lScan = Scan(lKey, lAfter, bMatch);
            if (lScan != lFound) {
                std::fprintf(stderr, "table index: found %d, the scan %d\n", lFound, lScan);
                ++glIndexRepairs;
                bStale = true;
                return lScan;
            }
        }
        return lFound;
    }
    int32_t Find(uint64_t lKey, int32_t lAfter = 0) {
        return Find(lKey, lAfter, [](int32_t, const T&) { return true; });
    }

    // The plain scan the index stands in for.
    template <class Match> int32_t Scan(uint64_t lKey, int32_t lAfter, Match bMatch) const {
        uint64_t lRowKey = 0;
        for (int32_t l = lAfter < 0 ? 1 : lAfter + 1; l <= atTable.Count(); ++l) {
            if (atTable.Live(l) && pfnKeyOf(atTable[l], lRowKey) && lRowKey == lKey &&
                bMatch(l, atTable[l])) {
                return l;
            }
        }
        return 0;
    }

  private:
    static constexpr uint64_t kAbsent = ~0ull; // no key (keys have 63 bits)
    // Larger tables are not compared, so that reading a big file in a test
    // build does not take a scan per search.
    static constexpr int32_t kSelfCheckRows = 4096;

    template <class Match>
    int32_t FindIndexed(uint64_t lKey, int32_t lAfter, Match& bMatch, bool& bSound) const {
        const std::span<const int32_t> al = mBucket.Find(lKey);
        for (auto p = std::upper_bound(al.begin(), al.end(), lAfter); p != al.end(); ++p) {
            const int32_t l = *p;
            if (!atTable.InRange(l)) {
                break; // trimmed away; every later element is above the count too
            }
            if (CurrentKey(l) != lKey) {
                bSound = false;
                return 0;
            }
            if (bMatch(l, atTable[l])) {
                return l;
            }
        }
        return 0;
    }

    uint64_t CurrentKey(int32_t l) const {
        uint64_t lKey = 0;
        if (atTable.Live(l) && pfnKeyOf(atTable[l], lKey)) {
            return lKey;
        }
        return kAbsent;
    }

    void Sync() {
        const std::vector<int32_t>& alLog = atTable.Touched();
        const std::size_t lFrom = atTable.RecentFrom();
        if (bStale || lEpoch != atTable.Epoch()) {
            Rebuild();
        } else {
            for (std::size_t i = lRead; i < alLog.size(); ++i) {
                // An element noted twice in a row (added, then written) is read once.
                if (i == lRead || alLog[i] != alLog[i - 1]) {
                    Reread(alLog[i]);
                }
            }
            // Rows that were recent at the last look and have been settled
            // since may have been written in between, through a reference
            // held then: they are read once more.
            const std::size_t lTo = lFrom < lRead ? lFrom : lRead;
            for (std::size_t i = lRecentSeen; i < lTo; ++i) {
                RereadRecent(alLog[i]);
            }
        }
        lRead = alLog.size();
        for (std::size_t i = lFrom; i < alLog.size(); ++i) {
            RereadRecent(alLog[i]);
        }
        lRecentSeen = lFrom;
    }

    // The latest elements are re-read only when their bytes changed since the
    // last look, which is cheaper than working out their keys on every search.
    void RereadRecent(int32_t l) {
        if constexpr (std::is_trivially_copyable_v<T>) {
            const T* p = std::as_const(atTable).Ptr(l);
            if (!p) {
                Reread(l);
                return;
            }
            std::size_t k = 0;
            while (k < alRecent.size() && alRecent[k] != l) {
                ++k;
            }
            if (k < alRecent.size() && std::memcmp(&atRecent[k], p, sizeof(T)) == 0) {
                return;
            }
            if (k == alRecent.size()) {
                k = lNextRecent;
                lNextRecent = (lNextRecent + 1) % alRecent.size();
            }
            Reread(l);
            alRecent[k] = l;
            std::memcpy(static_cast<void*>(&atRecent[k]), p, sizeof(T));
        } else {
            Reread(l);
        }
    }

    void Rebuild() {
        mBucket.Clear();
        alRecent.fill(0);
        const int32_t lCnt = atTable.Count();
        alKeyOf.assign(static_cast<std::size_t>(lCnt) + 1, kAbsent);
        for (int32_t l = 1; l <= lCnt; ++l) {
            const uint64_t lKey = CurrentKey(l);
            alKeyOf[static_cast<std::size_t>(l)] = lKey;
            if (lKey != kAbsent) {
                mBucket.Add(lKey, l);
            }
        }
        lEpoch = atTable.Epoch();
        bStale = false;
    }

    void Reread(int32_t l) {
        if (l < 1) {
            return;
        }
        // A copy of the row taken before this read no longer tells what the
        // index holds for it.
        for (int32_t& lCopy : alRecent) {
            lCopy = lCopy == l ? 0 : lCopy;
        }
        const std::size_t i = static_cast<std::size_t>(l);
        if (i >= alKeyOf.size()) {
            alKeyOf.resize(i + 1, kAbsent);
        }
        const uint64_t lNew = atTable.InRange(l) ? CurrentKey(l) : kAbsent;
        const uint64_t lOld = alKeyOf[i];
        if (lNew == lOld) {
            return;
        }
        if (lOld != kAbsent) {
            mBucket.Remove(lOld, l);
        }
        if (lNew != kAbsent) {
            mBucket.Add(lNew, l);
        }
        alKeyOf[i] = lNew;
    }

    Table<T>& atTable;
    KeyFn pfnKeyOf;
    IndexBuckets mBucket;
    std::vector<uint64_t> alKeyOf; // by element: the key the bucket lists hold it under
    std::size_t lRead = 0;         // entries of the change log already read
    std::size_t lRecentSeen = 0;   // where the recent entries began at the last look
    std::array<int32_t, Table<T>::RecentTouches()> alRecent{}; // element of each copy below
    std::array<T, Table<T>::RecentTouches()> atRecent{};       // the latest rows as last read
    std::size_t lNextRecent = 0;
    uint32_t lEpoch = 0;
    bool bStale = true;
};
