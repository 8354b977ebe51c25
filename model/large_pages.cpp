#include "model/large_pages.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void AdviseLargePages(void* p, std::size_t n) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (!p || n < kLargePageBlock) {
        return;
    }
    // Every page the block touches is named, not only the whole large pages
    // inside it: a block the allocator mapped on its own then keeps one
    // mapping, which it can still grow in place; the system uses large pages
    // wherever whole ones fit.
    constexpr std::uintptr_t kPage = 4096;
    const std::uintptr_t lStart = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t lFirst = lStart & ~(kPage - 1);
    const std::uintptr_t lEnd = (lStart + n + kPage - 1) & ~(kPage - 1);
    // The answer does not matter: without large pages the block works the same.
    (void)madvise(reinterpret_cast<void*>(lFirst), lEnd - lFirst, MADV_HUGEPAGE);
#else
    (void)p;
    (void)n;
#endif
}

void* GrowBlock(void* p, std::size_t lKeep, std::size_t& lNew) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (lNew >= kLargePageBlock && lNew <= SIZE_MAX - kLargePageBlock) {
        // A fresh aligned block and one copy: growing in place would keep the
        // old part in small pages, and a moved part would no longer line up
        // with the large ones.
        const std::size_t lSize = (lNew + kLargePageBlock - 1) & ~(kLargePageBlock - 1);
        void* q = std::aligned_alloc(kLargePageBlock, lSize);
        if (!q) {
            return nullptr;
        }
        AdviseLargePages(q, lSize);
        if (p && lKeep) {
            std::memcpy(q, p, lKeep);
        }
        std::free(p);
        lNew = lSize;
        return q;
    }
#endif
    (void)lKeep;
    return std::realloc(p, lNew);
}
