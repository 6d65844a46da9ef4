#include "datafiles/ImageCache.h"

#include "datafiles/FileIo.h"

#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <system_error>

#include <sys/mman.h>

namespace {

struct CachedImage {
    std::uintmax_t fileSize = 0;
    std::filesystem::file_time_type modified;
    std::size_t expectedSize = 0;
    DataImage image;
};

std::mutex& CacheMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, CachedImage>& Cache()
{
    static std::map<std::string, CachedImage> cache;
    return cache;
}

DataImage ReadImage(const std::string& path, std::size_t expectedSize)
{
    auto image = std::make_shared<ImageBytes>(expectedSize);
    CBinaryFile file(path);
    const std::size_t delivered = file.Read(image->data(), expectedSize);
    if (delivered != expectedSize) {
        throw CFileException(path, delivered, expectedSize);
    }
    CheckAgainstManifest(path, *image);
    return image;
}

} // namespace

ImageBytes::ImageBytes(std::size_t size) : m_size(size)
{
    if (size == 0) {
        return;
    }
    void* pages = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (pages != MAP_FAILED) {
        m_data = static_cast<std::uint8_t*>(pages);
        m_mapped = true;
    } else {
        m_data = new std::uint8_t[size];
    }
}

ImageBytes::~ImageBytes()
{
    if (m_mapped) {
        ::munmap(m_data, m_size);
    } else {
        delete[] m_data;
    }
}

DataImage LoadCachedImage(const std::string& path, std::size_t expectedSize)
{
    std::error_code error;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, error);
    const std::filesystem::file_time_type modified = error ? std::filesystem::file_time_type() : std::filesystem::last_write_time(path, error);
    const std::lock_guard<std::mutex> lock(CacheMutex());
    if (!error) {
        const auto found = Cache().find(path);
        if (found != Cache().end() && found->second.fileSize == fileSize && found->second.modified == modified &&
            found->second.expectedSize == expectedSize) {
            return found->second.image;
        }
    }
    // A missing or short file raises here, and a stale entry goes with it.
    Cache().erase(path);
    DataImage image = ReadImage(path, expectedSize);
    if (!error) {
        Cache()[path] = CachedImage{fileSize, modified, expectedSize, image};
    }
    return image;
}

void ClearImageCache()
{
    const std::lock_guard<std::mutex> lock(CacheMutex());
    Cache().clear();
}
