#include "datafiles/FileIo.h"

#include "datafiles/FileException.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) {
        throw CFileException(path, FileErrorKind::Create, errno);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            const int error = result < 0 ? errno : ENOSPC;
            ::close(descriptor);
            ::unlink(temporary.c_str());
            throw CFileException(path, FileErrorKind::Write, error);
        }
        written += static_cast<std::size_t>(result);
    }
    ::fchmod(descriptor, 0644); // mkstemp creates 0600; data files are for everyone to read
    // Closed whatever fsync says, so that a failed sync does not leak it.
    const int syncError = ::fsync(descriptor) == 0 ? 0 : errno;
    const int closeError = ::close(descriptor) == 0 ? 0 : errno;
    if (syncError != 0 || closeError != 0) {
        const int error = syncError != 0 ? syncError : closeError;
        ::unlink(temporary.c_str());
        throw CFileException(path, FileErrorKind::Write, error);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw CFileException(path, FileErrorKind::Replace, error);
    }
}
