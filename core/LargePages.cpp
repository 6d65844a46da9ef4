#include "core/LargePages.h"

#include <cstdint>
#include <cstdlib>
#include <utility>

// The heap is placed only under glibc's own allocator, not the sanitizers'.
#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
#define UMBRANT_PLACES_HEAP 1
#include <malloc.h>
#include <unistd.h>
#endif
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

std::uintptr_t HugePageAbove(std::uintptr_t address)
{
    return (address + kHugePageSize - 1) & ~(kHugePageSize - 1);
}

#if defined(UMBRANT_PLACES_HEAP)
constexpr int kHeapGrowth = 16 << 20;
constexpr int kLargestHeapBlock = 8 << 20;
// glibc's chunks: a size word of 8 bytes before each block, all on 16 bytes.
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kChunkAlignment = 16;

// Takes the heap's free end up to a huge page boundary beyond it in one
// block, kept for good: the heap grows, and its free end now begins 16
// bytes below the boundary, so that its header does not touch the
// boundary's page before that page is marked. Returns the boundary, or 0
// when the block did not come from the heap's end.
std::uintptr_t FillHeapUpToHugePage()
{
    const auto end = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    const std::uintptr_t freeStart = end - mallinfo2().keepcost;
    const std::uintptr_t boundary = HugePageAbove(end + 2 * kChunkAlignment);
    static void* const kept = std::malloc(boundary - kChunkAlignment - freeStart - kChunkHeader);
    if (reinterpret_cast<std::uintptr_t>(kept) != freeStart + kChunkAlignment) {
        return 0;
    }
    return boundary;
}
#endif

} // namespace

bool PlaceHeapOnLargePages()
{
#if defined(UMBRANT_PLACES_HEAP)
    static bool placed = false;
    if (std::exchange(placed, true) || mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock) == 0 ||
        mallopt(M_TOP_PAD, kHeapGrowth) == 0 || mallopt(M_TRIM_THRESHOLD, 2 * kHeapGrowth) == 0 ||
        mallopt(M_ARENA_MAX, 1) == 0) {
        return false;
    }
    const std::uintptr_t boundary = FillHeapUpToHugePage();
    const auto end = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    return boundary != 0 && end >= boundary + kHugePageSize &&
           ::madvise(reinterpret_cast<void*>(boundary), (end - boundary) & ~(kHugePageSize - 1), MADV_HUGEPAGE) == 0;
#else
    return false;
#endif
}

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
    const std::uintptr_t aligned = HugePageAbove(start);
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
