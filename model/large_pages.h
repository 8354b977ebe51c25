// Large blocks of project data (a big file's text, the tables and indexes of
// a hundred thousand controls) are filled page by page right after they are
// made, and on some systems every fresh page costs a trap as long as reading
// it took. Where the system offers large pages, such a block asks for them
// before it is touched, so that one trap serves two megabytes.
#pragma once

#include <cstddef>

// The blocks worth asking for: smaller ones are left to the allocator.
inline constexpr std::size_t kLargePageBlock = std::size_t{2} << 20;

// Advises the system that [p, p + n) is filled soon and best kept in large
// pages. Nothing happens for a smaller block or where the system has no such
// advice, and a refusal is harmless.
void AdviseLargePages(void* p, std::size_t n);

// Grows or makes (p null) a block of plain bytes to lNew bytes, keeping the
// first lKeep, as realloc does; lNew is rounded up to what the block can hold
// and returned through it. A block of kLargePageBlock or more starts on a
// large page, where the system has them, so that all of it can be held in
// them. Returns null when there is no memory; p is then left as it was.
void* GrowBlock(void* p, std::size_t lKeep, std::size_t& lNew);
