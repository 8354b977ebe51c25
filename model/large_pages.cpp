#include "model/large_pages.h"

#include <cstdint>

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
