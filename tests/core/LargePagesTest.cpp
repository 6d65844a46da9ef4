#include "core/LargePages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Whether some stretch of the heap is marked for huge pages ("hg" among the
// flags that /proc/self/smaps shows for each mapping).
bool HeapAdvisedForHugePages()
{
    std::ifstream maps("/proc/self/smaps");
    bool inHeap = false;
    for (std::string line; std::getline(maps, line);) {
        if (line.rfind("VmFlags:", 0) == 0) {
            if (inHeap && line.find(" hg") != std::string::npos) {
                return true;
            }
        } else if (line.find('-') < line.find(' ')) {
            inHeap = line.ends_with("[heap]");
        }
    }
    return false;
}

} // namespace

// Sizes on either side of a small page, of the threshold and of a huge page,
// and a 1920 x 1080 map: every byte is there, zero at first and writable, and
// the block starts on a huge page.
TEST(LargePagesTest, BlocksAreZeroWritableToTheirLastByteAndOnAHugePageBoundary)
{
    for (const std::size_t bytes : {std::size_t{1}, std::size_t{4095}, std::size_t{4097}, kLargePagesThreshold,
                                    kHugePage - 1, kHugePage, kHugePage + 1, std::size_t{1920} * 1080 * 4}) {
        SCOPED_TRACE(bytes);
        auto* block = static_cast<unsigned char*>(AllocateLargePages(bytes));
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kHugePage, 0u);
        EXPECT_EQ(block[0], 0);
        EXPECT_EQ(block[bytes - 1], 0);
        std::memset(block, 0xa5, bytes);
        EXPECT_EQ(block[bytes - 1], 0xa5);
        ReleaseLargePages(block, bytes);
    }
    EXPECT_EQ(AllocateLargePages(0), nullptr);
    EXPECT_EQ(AllocateLargePages(SIZE_MAX), nullptr);
}

// A vector growing through the threshold moves its elements from the
// ordinary allocator to huge pages and back on shrinking.
TEST(LargePagesTest, VectorKeepsItsElementsAcrossTheThreshold)
{
    std::vector<double, LargePageAllocator<double>> values;
    const std::size_t count = 3 * kLargePagesThreshold / sizeof(double);
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(static_cast<double>(i) * 0.5);
    }
    values.resize(10);
    values.shrink_to_fit();
    ASSERT_EQ(values.size(), 10u);
    EXPECT_EQ(values[9], 4.5);
    values.resize(count, 7.0);
    EXPECT_EQ(values[count - 1], 7.0);
    EXPECT_EQ(values[9], 4.5);
}

TEST(LargePagesTest, ArraysStartZeroAndMoveTheirElements)
{
    for (const std::size_t count : {std::size_t{3}, kLargePagesThreshold}) {
        SCOPED_TRACE(count);
        LargePageArray<std::uint32_t> table(count);
        ASSERT_EQ(table.size(), count);
        EXPECT_EQ(table.data()[0], 0u);
        EXPECT_EQ(table.data()[count - 1], 0u);
        table.data()[count - 1] = 42;
        LargePageArray<std::uint32_t> moved(std::move(table));
        EXPECT_EQ(table.data(), nullptr);
        EXPECT_EQ(moved.data()[count - 1], 42u);
        table = std::move(moved);
        EXPECT_EQ(table.data()[count - 1], 42u);
    }
}

// Once placed, the heap serves blocks on either side of its thresholds, each
// whole and writable, and the stretch it grows into is marked for huge pages.
TEST(LargePagesTest, TheHeapPlacedOnHugePagesServesBlocksOfEverySize)
{
    const bool placed = PlaceHeapOnLargePages();
    EXPECT_FALSE(PlaceHeapOnLargePages());
    if (placed) {
        EXPECT_TRUE(HeapAdvisedForHugePages());
    }
    std::vector<std::vector<unsigned char>> blocks;
    for (const std::size_t bytes : {std::size_t{1}, std::size_t{4096}, std::size_t{200000}, kHugePage + 1,
                                    std::size_t{9} << 20}) {
        blocks.emplace_back(bytes, static_cast<unsigned char>(bytes));
    }
    for (const std::vector<unsigned char>& block : blocks) {
        SCOPED_TRACE(block.size());
        EXPECT_EQ(block.front(), static_cast<unsigned char>(block.size()));
        EXPECT_EQ(block.back(), static_cast<unsigned char>(block.size()));
    }
}
