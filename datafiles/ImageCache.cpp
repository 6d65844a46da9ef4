#include "datafiles/ImageCache.h"

#include "datafiles/FileIo.h"

#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>

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

} // namespace

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
    DataImage image = std::make_shared<const std::vector<std::uint8_t>>(ReadFileImage(path, expectedSize));
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
