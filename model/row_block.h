// The storage of a record table whose rows are plain bytes (every project
// record): one block of bytes. A big project's tables reach tens of
// megabytes; small blocks grow with realloc, which moves pages instead of
// copying them, and large ones on large pages (large_pages.h), so that filling
// them does not cost a trap per page.
//
// The same small part of std::vector's interface that Table uses: rows are
// value-initialised (all zero) when the block grows through resize.
#pragma once

#include "model/large_pages.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

template <class T> class RowBlock {
    static_assert(std::is_trivially_copyable_v<T>, "rows are moved as bytes");

  public:
    RowBlock() = default;
    RowBlock(const RowBlock&) = delete;
    RowBlock& operator=(const RowBlock&) = delete;
    RowBlock(RowBlock&& t) noexcept { swap(t); }
    RowBlock& operator=(RowBlock&& t) noexcept {
        RowBlock().swap(*this);
        swap(t);
        return *this;
    }
    ~RowBlock() { std::free(pRow); }

    std::size_t size() const { return lSize; }
    bool empty() const { return lSize == 0; }
    T& operator[](std::size_t i) { return pRow[i]; }
    const T& operator[](std::size_t i) const { return pRow[i]; }
    T* begin() { return pRow; }
    T* end() { return pRow + lSize; }
    const T* begin() const { return pRow; }
    const T* end() const { return pRow + lSize; }

    // The row must not live in this block (Table::Add passes a copy).
    void push_back(const T& tRow) {
        if (lSize == lCap) {
            Reserve(lSize + 1);
        }
        std::memcpy(static_cast<void*>(pRow + lSize), &tRow, sizeof(T));
        ++lSize;
    }

    // Keeps the first rows; new rows are zero. Shrinking keeps the storage,
    // as a vector does (Release frees it).
    void resize(std::size_t n) {
        if (n > lCap) {
            Reserve(n);
        }
        for (std::size_t i = lSize; i < n; ++i) {
            std::construct_at(pRow + i);
        }
        lSize = n;
    }

    void assign(const std::vector<T>& at) {
        RowBlock tNew;
        tNew.Reserve(at.size());
        if (!at.empty()) {
            std::memcpy(static_cast<void*>(tNew.pRow), at.data(), at.size() * sizeof(T));
        }
        tNew.lSize = at.size();
        swap(tNew);
    }

    void swap(RowBlock& t) noexcept {
        std::swap(pRow, t.pRow);
        std::swap(lSize, t.lSize);
        std::swap(lCap, t.lCap);
    }

  private:
    void Reserve(std::size_t n) {
        std::size_t lNew = lCap < 16 ? 16 : lCap * 2;
        lNew = lNew < n ? n : lNew;
        if (lNew > static_cast<std::size_t>(PTRDIFF_MAX) / sizeof(T)) {
            throw std::bad_alloc();
        }
        std::size_t lBytes = lNew * sizeof(T);
        void* p = GrowBlock(static_cast<void*>(pRow), lSize * sizeof(T), lBytes);
        if (!p) {
            throw std::bad_alloc();
        }
        pRow = static_cast<T*>(p);
        lCap = lBytes / sizeof(T);
    }

    T* pRow = nullptr;
    std::size_t lSize = 0;
    std::size_t lCap = 0;
};
