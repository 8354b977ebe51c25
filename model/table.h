// The one home of the general table rules of the project model:
//
// - elements are 1-based; 0 means "none";
// - reading element 0, or any element above the count, yields an all-zero row
//   (empty texts), so a reference field holding 0 can be followed untested;
// - writing such an element has no effect;
// - a table grows by one row per add, the new row all zero;
// - deleting marks the row with byDeleted = 1 and never moves rows; afterwards
//   trailing deleted rows are dropped, and the storage is released when the
//   count reaches 0.
//
// Usage:
//   gatDlg[l].lIDElem          read, zero row when l is out of range
//   gatDlg.W(l).nLeft = 5;     write; out of range the write lands in a scratch
//                              row that is zeroed again on every W() call
//   if (tDlg* p = gatDlg.Ptr(l)) ...   nullptr when out of range
//   for (int32_t l = 1; l <= glDlgCnt; ++l) if (gatDlg.Live(l)) ...
//
// References returned by operator[], W() and Ptr() stay valid until the table
// grows or shrinks (Add, Trim, Delete, Resize, Release): do not hold one across
// an add to the same table.
//
// The fast searches (table_index.h) learn of changes from the table itself:
// every element handed out for writing (W, Ptr, Add, MarkDeleted) is noted in
// a log, and whatever may change every row at once (Release, Assign, growing
// Resize, non-const iteration) bumps an epoch that makes them start afresh.
#pragma once

#include "model/row_block.h"

#include <cstdint>
#include <deque>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

template <class T> class Table {
  public:
    Table() = default;
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // The count as a variable the rest of the program reads (glIDCnt and so on).
    constexpr const int32_t& CountRef() const { return lCnt; }
    int32_t Count() const { return lCnt; }
    bool Empty() const { return lCnt == 0; }
    bool InRange(int32_t l) const { return l >= 1 && l <= lCnt; }

    // Read access; an all-zero row for an element out of range.
    const T& operator[](int32_t l) const { return InRange(l) ? atRow[Index(l)] : Zero(); }

    // Write access; out of range the caller writes into a scratch row that is
    // reset to zero on every call, so the write has no effect on the table.
    T& W(int32_t l) {
        if (InRange(l)) {
            Touch(l);
            return atRow[Index(l)];
        }
        tScratch = T{};
        return tScratch;
    }

    T* Ptr(int32_t l) {
        if (!InRange(l)) {
            return nullptr;
        }
        Touch(l);
        return &atRow[Index(l)];
    }
    const T* Ptr(int32_t l) const { return InRange(l) ? &atRow[Index(l)] : nullptr; }

    // In range and not deleted (for tables with a byDeleted field; otherwise
    // just in range).
    bool Live(int32_t l) const {
        if (!InRange(l)) {
            return false;
        }
        if constexpr (HasDeleted()) {
            return atRow[Index(l)].byDeleted == 0;
        } else {
            return true;
        }
    }

    // Appends a copy of the row; returns its element number.
    int32_t Add(const T& tRow = T{}) {
        T tCopy = tRow; // the argument may live in this table
        atRow.push_back(std::move(tCopy));
        lCnt = static_cast<int32_t>(atRow.size());
        Touch(lCnt, true); // noted even right after a note of the same element: its bytes are new
        // No reference handed out before an add is written through after it
        // (see above), and an add hands out none: every row noted so far is
        // settled.
        Settle();
        return lCnt;
    }

    // Marks the row deleted without trimming (for operations that delete
    // several rows and trim once). 1 when marked, 0 when out of range.
    int32_t MarkDeleted(int32_t l) {
        static_assert(HasDeleted(), "the table has no byDeleted field");
        if (!InRange(l)) {
            return 0;
        }
        Touch(l);
        atRow[Index(l)].byDeleted = 1;
        return 1;
    }

    // Drops trailing deleted rows; releases the storage at count 0.
    void Trim() {
        static_assert(HasDeleted(), "the table has no byDeleted field");
        int32_t n = lCnt;
        while (n > 0 && atRow[Index(n)].byDeleted != 0) {
            --n;
        }
        Resize(n);
    }

    // Marks the row deleted and trims. 1 when done, 0 when out of range.
    int32_t Delete(int32_t l) {
        if (!MarkDeleted(l)) {
            return 0;
        }
        Trim();
        return 1;
    }

    // Sets the count, keeping the first rows; new rows are zero; 0 releases.
    void Resize(int32_t n) {
        if (n <= 0) {
            Release();
            return;
        }
        if (n == lCnt) {
            return;
        }
        // Dropped rows need no note: a search skips elements above the count,
        // and an element that comes back through Add is noted there. New zero
        // rows are many at once.
        if (n > lCnt) {
            Invalidate();
        }
        atRow.resize(static_cast<std::size_t>(n));
        lCnt = n;
    }

    // Empties the table and frees its storage.
    void Release() {
        Rows().swap(atRow);
        lCnt = 0;
        Invalidate();
    }

    // Replaces every row (the ID editor's reordering rebuilds the ID table).
    void Assign(std::vector<T> atNew) {
        if constexpr (std::is_trivially_copyable_v<T>) {
            atRow.assign(atNew);
        } else {
            atRow.assign(std::make_move_iterator(atNew.begin()),
                         std::make_move_iterator(atNew.end()));
        }
        lCnt = static_cast<int32_t>(atRow.size());
        Invalidate();
        if (lCnt == 0) {
            Release();
        }
    }

    // Range-for over the rows in element order (deleted rows included). A
    // writable walk may change any row; a walk that only reads should go
    // through std::as_const so that the fast searches keep their state.
    auto begin() {
        Invalidate();
        return atRow.begin();
    }
    auto end() { return atRow.end(); }
    auto begin() const { return atRow.begin(); }
    auto end() const { return atRow.end(); }

    // The change log the fast searches read: the elements handed out for
    // writing since the last epoch, oldest first (an element handed out twice
    // in a row is noted once).
    const std::vector<int32_t>& Touched() const { return alTouched; }
    uint32_t Epoch() const { return lEpoch; }
    // Elements at the end of the log that a search re-reads on every call: a
    // caller may hold a reference from W() across a search of the same table
    // and write through it afterwards.
    static constexpr std::size_t RecentTouches() { return 8; }
    // Where the recent elements begin in the log: none before a Settle.
    std::size_t RecentFrom() const {
        const std::size_t n = alTouched.size();
        const std::size_t lFrom = n > RecentTouches() ? n - RecentTouches() : 0;
        return lFrom > lSettled ? lFrom : lSettled;
    }
    // Declares that no reference handed out so far is written through any
    // more (every add, the catalog once loaded), so searches stop re-reading
    // those rows on every call.
    void Settle() { lSettled = alTouched.size(); }

  private:
    void Touch(int32_t l, bool bAlways = false) {
        if (!bAlways && alTouched.size() > lSettled && alTouched.back() == l) {
            return;
        }
        alTouched.push_back(l);
        // A log longer than the table costs more to replay than a fresh
        // start; the latest notes stay, since they are re-read on every search.
        if (alTouched.size() > 4096 && alTouched.size() > 2 * static_cast<std::size_t>(lCnt)) {
            Invalidate();
        }
    }
    // Every row may have changed. The latest notes stay: a reference handed
    // out just before may still be written through after the next search.
    void Invalidate() {
        if (alTouched.size() > RecentTouches()) {
            const std::size_t lGone = alTouched.size() - RecentTouches();
            alTouched.erase(alTouched.begin(), alTouched.end() - RecentTouches());
            lSettled = lSettled > lGone ? lSettled - lGone : 0;
        }
        ++lEpoch;
    }

    static constexpr bool HasDeleted() {
        return requires(T t) {
            t.byDeleted;
        };
    }
    static std::size_t Index(int32_t l) { return static_cast<std::size_t>(l - 1); }
    static const T& Zero() {
        static const T tZero{};
        return tZero;
    }

    // Records of plain bytes in one block of bytes (row_block.h); texts in
    // pieces that never move, so a growing string pool copies none of them.
    using Rows = std::conditional_t<std::is_trivially_copyable_v<T>, RowBlock<T>, std::deque<T>>;
    Rows atRow;
    int32_t lCnt = 0;
    T tScratch{};
    std::vector<int32_t> alTouched;
    std::size_t lSettled = 0; // log entries before this are not recent
    uint32_t lEpoch = 0;
};
