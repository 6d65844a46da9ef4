#include "datafiles/ImageCache.h"

#include "tests/TestDirectory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using ImageCacheTest = TemporaryDirectoryTest;

constexpr std::size_t kImageSize = 64;

struct stat StatusOf(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status;
}

bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

void SetModificationTime(const std::string& path, const timespec& modified)
{
    const timespec times[2] = {{0, UTIME_OMIT}, modified};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// The way a file is replaced by another of the same size whose modification
// time is set back to the first one's.
enum class Replacement { RenamedOver, RewrittenInPlace };

struct ReplacementCase {
    const char* name;
    Replacement replacement;
};

} // namespace

TEST_F(ImageCacheTest, AFileReplacedWithTheSameSizeAndModificationTimeIsReadAgain)
{
    const ReplacementCase cases[] = {
        {"renamed over, as an atomic write or a copy does", Replacement::RenamedOver},
        {"rewritten in place, as cp -p over an existing file does", Replacement::RewrittenInPlace},
    };
    for (const ReplacementCase& test : cases) {
        SCOPED_TRACE(test.name);
        ClearImageCache();
        const std::string path = WriteText("image.dat", std::string(kImageSize, 'A'));
        EXPECT_EQ((*LoadCachedImage(path, kImageSize))[0], 'A');
        const struct stat first = StatusOf(path);

        if (test.replacement == Replacement::RenamedOver) {
            const std::string replacement = WriteText("replacement.dat", std::string(kImageSize, 'B'));
            SetModificationTime(replacement, first.st_mtim);
            ASSERT_EQ(std::rename(replacement.c_str(), path.c_str()), 0);
        } else {
            WriteText("image.dat", std::string(kImageSize, 'B'));
            // The change time moves with the clock's tick: set the time back
            // until the tick has passed, as a later copy would find it.
            do {
                SetModificationTime(path, first.st_mtim);
            } while (SameTime(StatusOf(path).st_ctim, first.st_ctim));
        }

        const struct stat second = StatusOf(path);
        ASSERT_EQ(second.st_size, first.st_size);
        ASSERT_TRUE(SameTime(second.st_mtim, first.st_mtim));
        ASSERT_EQ(second.st_ino == first.st_ino, test.replacement == Replacement::RewrittenInPlace);
        EXPECT_EQ((*LoadCachedImage(path, kImageSize))[0], 'B');
    }
}

TEST_F(ImageCacheTest, AnUnchangedFileIsReadOnce)
{
    ClearImageCache();
    const std::string path = WriteText("image.dat", std::string(kImageSize, 'A'));
    const DataImage first = LoadCachedImage(path, kImageSize);
    EXPECT_EQ(LoadCachedImage(path, kImageSize), first);
}
