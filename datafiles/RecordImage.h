#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

// The data files are raw little-endian images of fixed-size records; the
// records are copied in and out with memcpy so that no byte buffer is ever
// read through a pointer of another type.
static_assert(std::endian::native == std::endian::little, "the data images are little-endian");

template <typename Record>
Record RecordAt(std::span<const std::uint8_t> image, std::size_t offset)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    Record record;
    std::memcpy(&record, image.data() + offset, sizeof(Record));
    return record;
}

template <typename Record>
void StoreRecord(std::span<std::uint8_t> image, std::size_t offset, const Record& record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    std::memcpy(image.data() + offset, &record, sizeof(Record));
}
