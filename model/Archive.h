#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A little-endian binary stream that either stores into a growing buffer or
// loads from a fixed one. The same Serialize code drives both directions,
// through the Exchange calls. Loading past the end raises CFileException
// naming the archive's file.
class CArchive {
public:
    // An archive that stores.
    CArchive();
    // An archive that loads from bytes; fileName names them in errors.
    CArchive(std::span<const std::uint8_t> bytes, std::string fileName);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    void Exchange(std::int32_t& value);
    void Exchange(std::uint32_t& value);
    void Exchange(float& value);
    void Exchange(double& value);
    // One byte: written 1 for true and 0 for false; any non-zero byte loads as true.
    void Exchange(bool& value);

    const std::vector<std::uint8_t>& StoredBytes() const { return m_stored; }
    std::size_t LoadedCount() const { return m_position; }

private:
    void Store(std::uint64_t bits, std::size_t size);
    std::uint64_t Load(std::size_t size);

    bool m_storing;
    std::vector<std::uint8_t> m_stored;
    std::span<const std::uint8_t> m_source;
    std::size_t m_position = 0;
    std::string m_fileName;
};
