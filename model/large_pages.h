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
