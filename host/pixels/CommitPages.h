#pragma once
#include <cstddef>

namespace vorn {

/// Has the system back the whole pages within [data, data + bytes) with memory now, in one call,
/// where it can, instead of at a page fault on each page's first touch: on a virtual machine a
/// fault costs about twice what committing the page with the others does (10-14 us against 5-6),
/// and a new picture's first fill touched every page. Nothing changes in what the memory holds.
void CommitPages(void* data, size_t bytes) noexcept;

}  // namespace vorn
