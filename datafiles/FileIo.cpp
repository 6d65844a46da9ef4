#include "datafiles/FileIo.h"

#include "datafiles/FileException.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemCause(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

std::FILE* OpenForReading(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        throw CFileException(path, SystemCause("cannot open"));
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
        throw CFileException(m_path, "read error");
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
        throw CFileException(m_path, "read error");
    }
    return delivered;
}

std::vector<std::uint8_t> ReadFileImage(const std::string& path, std::size_t expectedSize)
{
    CBinaryFile file(path);
    std::vector<std::uint8_t> image(expectedSize);
    const std::size_t delivered = file.Read(image.data(), expectedSize);
    if (delivered != expectedSize) {
        throw CFileException(path, std::to_string(delivered) + " bytes, expected " + std::to_string(expectedSize));
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
        throw CFileException(path, SystemCause("cannot create"));
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            const std::string cause = SystemCause("cannot write");
            ::close(descriptor);
            ::unlink(temporary.c_str());
            throw CFileException(path, cause);
        }
        written += static_cast<std::size_t>(result);
    }
    ::fchmod(descriptor, 0644); // mkstemp creates 0600; data files are for everyone to read
    if (::fsync(descriptor) != 0 || ::close(descriptor) != 0) {
        const std::string cause = SystemCause("cannot write");
        ::unlink(temporary.c_str());
        throw CFileException(path, cause);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string cause = SystemCause("cannot replace");
        ::unlink(temporary.c_str());
        throw CFileException(path, cause);
    }
}
