#include "model/Archive.h"

#include "datafiles/FileException.h"

#include <bit>
#include <utility>

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::span<const std::uint8_t> bytes, std::string fileName)
    : m_storing(false), m_source(bytes), m_fileName(std::move(fileName))
{
}

void CArchive::Store(std::uint64_t bits, std::size_t size)
{
    for (std::size_t i = 0; i < size; ++i) {
        m_stored.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
}

std::uint64_t CArchive::Load(std::size_t size)
{
    if (m_source.size() - m_position < size) {
        throw CFileException(m_fileName, m_source.size(), m_position + size);
    }
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < size; ++i) {
        bits |= static_cast<std::uint64_t>(m_source[m_position + i]) << (8 * i);
    }
    m_position += size;
    return bits;
}

void CArchive::Exchange(std::int32_t& value)
{
    if (m_storing) {
        Store(static_cast<std::uint32_t>(value), 4);
    } else {
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(Load(4)));
    }
}

void CArchive::Exchange(std::uint32_t& value)
{
    if (m_storing) {
        Store(value, 4);
    } else {
        value = static_cast<std::uint32_t>(Load(4));
    }
}

void CArchive::Exchange(float& value)
{
    if (m_storing) {
        Store(std::bit_cast<std::uint32_t>(value), 4);
    } else {
        value = std::bit_cast<float>(static_cast<std::uint32_t>(Load(4)));
    }
}

void CArchive::Exchange(double& value)
{
    if (m_storing) {
        Store(std::bit_cast<std::uint64_t>(value), 8);
    } else {
        value = std::bit_cast<double>(Load(8));
    }
}

void CArchive::Exchange(bool& value)
{
    if (m_storing) {
        Store(value ? 1u : 0u, 1);
    } else {
        value = Load(1) != 0;
    }
}
