#include "core/LargePages.h"

#include <cstdint>

#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePageSize = std::size_t{2} << 20;

constexpr std::size_t kPageSize = 4096;

// The end of a block beyond its last whole huge page takes a huge page of
// its own from this size on, and small pages below it. Each small page
// costs a fault on first touch (about 5 us in a virtual machine with shadow
// page tables), clearing a huge page 0.1 to 0.2 ms: a megabyte and a half
// on small pages costs ten times a huge page.
constexpr std::size_t kSmallPagesTail = std::size_t{128} << 10;

std::size_t MappedLength(std::size_t bytes)
{
    const std::size_t tail = bytes % kHugePageSize;
    if (tail >= kSmallPagesTail) {
        return bytes - tail + kHugePageSize;
    }
    return (bytes + kPageSize - 1) & ~(kPageSize - 1);
}

} // namespace

void* AllocateLargePages(std::size_t bytes)
{
    if (bytes == 0 || bytes > SIZE_MAX - 2 * kHugePageSize) {
        return nullptr;
    }
    const std::size_t length = MappedLength(bytes);
    // Map one huge page more and trim both ends, for a block on a huge page
    // boundary: the kernel backs only aligned 2 MB stretches with huge pages.
    void* mapped = ::mmap(nullptr, length + kHugePageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) {
        return nullptr;
    }
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kHugePageSize - 1) & ~(kHugePageSize - 1);
    if (aligned > start) {
        ::munmap(mapped, aligned - start);
    }
    const std::uintptr_t end = start + length + kHugePageSize;
    if (end > aligned + length) {
        ::munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
    }
    auto* pages = reinterpret_cast<void*>(aligned);
    // Both are hints: without huge pages (or on a kernel before 5.14 for the
    // second) the block is still good, only slower to fault in. Committing
    // the pages at once is faster than faulting even huge pages one by one.
    ::madvise(pages, length, MADV_HUGEPAGE);
    ::madvise(pages, length, MADV_POPULATE_WRITE);
    return pages;
}

void ReleaseLargePages(void* pages, std::size_t bytes) noexcept
{
    if (pages != nullptr) {
        ::munmap(pages, MappedLength(bytes));
    }
}
