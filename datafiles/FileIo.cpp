#include "datafiles/FileIo.h"

#include "datafiles/FileException.h"

#include <cerrno>
#include <cstring>

namespace {

std::FILE* OpenForReading(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw CFileException(path, FileErrorKind::Open, errno);
    }
    return file;
}

} // namespace

CTextFile::CTextFile(const std::string& path) : m_path(path), m_file(OpenForReading(path)) {}

bool CTextFile::ReadString(std::string& line)
{
    line.clear();
    bool readAny = false;
    int character = 0;
    while ((character = std::getc(m_file.get())) != EOF) {
        readAny = true;
        if (character == '\n') {
            break;
        }
        line.push_back(static_cast<char>(character));
    }
    if (std::ferror(m_file.get()) != 0) {
        throw CFileException(m_path, FileErrorKind::Read, errno);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return readAny;
}

CBinaryFile::CBinaryFile(const std::string& path) : m_path(path), m_file(OpenForReading(path)) {}

std::size_t CBinaryFile::Read(void* buffer, std::size_t size)
{
    const std::size_t delivered = std::fread(buffer, 1, size, m_file.get());
    if (delivered < size && std::ferror(m_file.get()) != 0) {
        throw CFileException(m_path, FileErrorKind::Read, errno);
    }
    return delivered;
}

std::vector<std::uint8_t> ReadFileImage(const std::string& path, std::size_t expectedSize)
{
    CBinaryFile file(path);
    std::vector<std::uint8_t> image(expectedSize);
    const std::size_t delivered = file.Read(image.data(), expectedSize);
    if (delivered != expectedSize) {
        throw CFileException(path, delivered, expectedSize);
    }
    return image;
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path)
{
    CBinaryFile file(path);
    std::vector<std::uint8_t> content;
    std::uint8_t chunk[65536];
    std::size_t delivered = 0;
    while ((delivered = file.Read(chunk, sizeof chunk)) > 0) {
        content.insert(content.end(), chunk, chunk + delivered);
    }
    return content;
}
