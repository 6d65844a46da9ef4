#include "datafiles/FileIo.h"

#include "datafiles/FileException.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* KindOfFile(mode_t mode)
{
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISCHR(mode)) {
        return "a character device";
    }
    if (S_ISBLK(mode)) {
        return "a block device";
    }
    if (S_ISDIR(mode)) {
        return "a directory";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    return "a special file";
}

[[noreturn]] void RefuseSpecialFile(const std::string& path, mode_t mode)
{
    throw CFileException::NotRegular(path, KindOfFile(mode));
}

// The type is checked before the open, so that no device is ever opened, and
// again on what was opened, in case the name was replaced in between; the
// open itself does not wait for a FIFO's writer.
std::FILE* OpenForReading(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        RefuseSpecialFile(path, status.st_mode);
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        throw CFileException(path, FileErrorKind::Open, errno);
    }
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        throw CFileException(path, FileErrorKind::Open, error);
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        RefuseSpecialFile(path, status.st_mode);
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (file == nullptr) {
        const int error = errno;
        ::close(descriptor);
        throw CFileException(path, FileErrorKind::Open, error);
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

CTextInMemory::CTextInMemory(std::string path, std::string_view text) : m_path(std::move(path)), m_rest(text) {}

bool CTextInMemory::ReadString(std::string& line)
{
    if (m_rest.empty()) {
        line.clear();
        return false;
    }
    const std::size_t end = std::min(m_rest.find('\n'), m_rest.size());
    line.assign(m_rest.substr(0, end));
    m_rest.remove_prefix(std::min(end + 1, m_rest.size()));
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
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

std::size_t CBinaryFile::Size() const
{
    struct stat status {};
    return ::fstat(::fileno(m_file.get()), &status) == 0 && status.st_size > 0 ? static_cast<std::size_t>(status.st_size)
                                                                               : 0;
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
    // Straight into place, the file's size and a byte at a time: one
    // allocation and no copy, unless the file grows meanwhile.
    const std::size_t chunk = std::max(file.Size() + 1, std::size_t{4096});
    std::vector<std::uint8_t> content;
    for (std::size_t delivered = chunk; delivered > 0;) {
        const std::size_t start = content.size();
        content.resize(start + chunk);
        delivered = file.Read(content.data() + start, chunk);
        content.resize(start + delivered);
    }
    return content;
}
