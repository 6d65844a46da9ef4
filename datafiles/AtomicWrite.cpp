#include "datafiles/FileIo.h"

#include "datafiles/FileException.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <mutex>
#include <optional>
#include <string_view>
#include <utility>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryPrefix = ".umbrant-tmp.";
// The kernel's own limit on a chain of symbolic links.
constexpr int kMostLinksFollowed = 40;
// Keeps a temporary's name within NAME_MAX whatever the target's name.
constexpr std::size_t kLongestNameKept = 100;

// This machine's name as it can stand in a file name: a directory shared
// between machines holds temporaries whose process ids mean nothing here.
std::string HostTag()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') {
        return "host";
    }
    std::string tag;
    for (const char* character = name; *character != '\0'; ++character) {
        const bool plain = (*character >= 'a' && *character <= 'z') || (*character >= 'A' && *character <= 'Z') ||
                           (*character >= '0' && *character <= '9') || *character == '-';
        tag.push_back(plain ? *character : '-');
    }
    return tag;
}

// A temporary is named ".umbrant-tmp.PID.HOST.UNIQUE.TARGET", so that the
// writer of a left-over one is known.
struct TemporaryName {
    long processId = 0;
    std::string host;
};

std::optional<TemporaryName> ParseTemporaryName(std::string_view name)
{
    if (!name.starts_with(kTemporaryPrefix)) {
        return std::nullopt;
    }
    name.remove_prefix(kTemporaryPrefix.size());
    const std::size_t pidEnd = name.find('.');
    if (pidEnd == 0 || pidEnd == std::string_view::npos || pidEnd > 10) {
        return std::nullopt;
    }
    TemporaryName parsed;
    for (const char digit : name.substr(0, pidEnd)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        parsed.processId = parsed.processId * 10 + (digit - '0');
    }
    name.remove_prefix(pidEnd + 1);
    parsed.host = std::string(name.substr(0, name.find('.')));
    return parsed;
}

bool ProcessIsGone(long processId)
{
    return processId > 0 && ::kill(static_cast<pid_t>(processId), 0) != 0 && errno == ESRCH;
}

std::string TemporaryPathFor(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
    char unique[32];
    std::snprintf(unique, sizeof unique, "%llx%x", ticks & 0xffffffffffull, counter++);
    const std::string targetName = target.filename().string().substr(0, kLongestNameKept);
    const std::string name = std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "." + HostTag() + "." + unique + "." + targetName;
    return (target.parent_path() / name).string();
}

// Temporaries of this machine whose writer has ended (killed, crashed) are
// of no use to anyone: each write into a directory clears them.
bool IsTemporaryOfAbsentWriter(const std::string& fileName)
{
    static const std::string host = HostTag();
    const std::optional<TemporaryName> parsed = ParseTemporaryName(fileName);
    return parsed && parsed->host == host && parsed->processId != ::getpid() && ProcessIsGone(parsed->processId);
}

void RemoveOrphanedTemporaries(const std::string& directory)
{
    std::error_code error;
    for (fs::directory_iterator entry(directory, error), end; !error && entry != end; entry.increment(error)) {
        if (IsTemporaryOfAbsentWriter(entry->path().filename().string())) {
            ::unlink(entry->path().c_str());
        }
    }
}

// Where a write to path lands: the end of the chain of symbolic links that
// path may be. A dangling link names the file to create, as the shell's
// redirection does.
fs::path FollowLinks(const std::string& path)
{
    std::error_code error;
    const fs::path resolved = fs::canonical(path, error);
    if (!error) {
        return resolved;
    }
    fs::path current = path;
    for (int followed = 0; fs::is_symlink(fs::symlink_status(current, error)); ++followed) {
        if (followed == kMostLinksFollowed) {
            throw CFileException(path, FileErrorKind::Create, ELOOP);
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            throw CFileException(path, FileErrorKind::Create, error.value());
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

// Writes every byte, retrying what a signal interrupts; the error number of a
// failure, 0 on success.
int WriteAll(int descriptor, std::span<const std::uint8_t> bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return result < 0 ? errno : ENOSPC;
        }
        written += static_cast<std::size_t>(result);
    }
    return 0;
}

// A device, a FIFO or a terminal cannot be replaced: it is written as it is.
void WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        throw CFileException(path, FileErrorKind::Write, errno);
    }
    const int writeError = WriteAll(descriptor, bytes);
    const int closeError = ::close(descriptor) == 0 ? 0 : errno;
    if (writeError != 0 || closeError != 0) {
        throw CFileException(path, FileErrorKind::Write, writeError != 0 ? writeError : closeError);
    }
}

// The temporaries being written, so that an interrupt, a termination or a
// hang-up does not leave them behind: the handler removes them and lets the
// signal do what it did before. Fixed slots, since a handler may not
// allocate; a write that finds them all taken goes unguarded.
constexpr int kGuardedSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr std::size_t kTemporarySlots = 64;
std::atomic<const char*> g_temporaries[kTemporarySlots];
struct sigaction g_previousActions[std::size(kGuardedSignals)];

extern "C" void RemoveTemporariesAndResignal(int signalNumber)
{
    const int savedErrorNumber = errno;
    for (std::atomic<const char*>& slot : g_temporaries) {
        if (const char* temporary = slot.load()) {
            ::unlink(temporary);
        }
    }
    for (std::size_t index = 0; index < std::size(kGuardedSignals); ++index) {
        if (kGuardedSignals[index] == signalNumber) {
            ::sigaction(signalNumber, &g_previousActions[index], nullptr);
        }
    }
    // Blocked while this handler runs: delivered, to the previous action, as it returns.
    ::raise(signalNumber);
    errno = savedErrorNumber;
}

// A signal that was ignored (nohup, a shell's background job) stays ignored.
void InstallSignalGuards()
{
    for (std::size_t index = 0; index < std::size(kGuardedSignals); ++index) {
        struct sigaction guard {};
        guard.sa_handler = RemoveTemporariesAndResignal;
        ::sigemptyset(&guard.sa_mask);
        ::sigaction(kGuardedSignals[index], nullptr, &g_previousActions[index]);
        if (g_previousActions[index].sa_handler != SIG_IGN) {
            ::sigaction(kGuardedSignals[index], &guard, nullptr);
        }
    }
}

} // namespace

// Holds the name of the temporary being written in a free slot, from before
// it is created until it is renamed or removed, so that a signal removes it.
class TemporaryGuard {
public:
    TemporaryGuard()
    {
        static std::once_flag installed;
        std::call_once(installed, InstallSignalGuards);
    }
    ~TemporaryGuard() { Release(); }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

    void Hold(std::string name)
    {
        Release();
        m_name = std::move(name);
        for (std::atomic<const char*>& slot : g_temporaries) {
            const char* empty = nullptr;
            if (slot.compare_exchange_strong(empty, m_name.c_str())) {
                m_slot = &slot;
                return;
            }
        }
    }
    const std::string& Name() const { return m_name; }

private:
    void Release()
    {
        if (m_slot != nullptr) {
            m_slot->store(nullptr);
            m_slot = nullptr;
        }
    }

    std::string m_name;
    std::atomic<const char*>* m_slot = nullptr;
};

namespace {

// Created with O_EXCL under a name no other writer uses; the mode 0666 is
// cut by the umask (and a default ACL), as for any new file.
int CreateTemporary(const fs::path& target, const std::string& path, TemporaryGuard& temporary)
{
    for (int attempt = 0;; ++attempt) {
        temporary.Hold(TemporaryPathFor(target));
        const int descriptor = ::open(temporary.Name().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return descriptor;
        }
        if (errno != EEXIST || attempt == 100) {
            throw CFileException(path, FileErrorKind::Create, errno);
        }
    }
}

// The replacement takes the owner and permission bits of the file it
// replaces; changing the owner needs privileges, and is left when refused.
void KeepOwnerAndMode(int descriptor, const struct stat& replaced)
{
    if (replaced.st_uid != ::geteuid() || replaced.st_gid != ::getegid()) {
        [[maybe_unused]] const int ignored = ::fchown(descriptor, replaced.st_uid, replaced.st_gid);
    }
    ::fchmod(descriptor, replaced.st_mode & 07777);
}

void FailAndRemove(const std::string& path, const std::string& temporary, FileErrorKind kind, int error)
{
    ::unlink(temporary.c_str());
    throw CFileException(path, kind, error);
}

void ReplaceThroughTemporary(const std::string& path, const fs::path& target, const struct stat* replaced,
                             std::span<const std::uint8_t> bytes)
{
    RemoveOrphanedTemporaries(target.parent_path().empty() ? "." : target.parent_path().string());
    TemporaryGuard guard;
    const int descriptor = CreateTemporary(target, path, guard);
    const std::string& temporary = guard.Name();
    const int writeError = WriteAll(descriptor, bytes);
    if (writeError == 0 && replaced != nullptr) {
        KeepOwnerAndMode(descriptor, *replaced);
    }
    // Closed whatever fsync says, so that a failed sync does not leak it.
    const int syncError = writeError == 0 && ::fsync(descriptor) != 0 ? errno : 0;
    const int closeError = ::close(descriptor) == 0 ? 0 : errno;
    if (writeError != 0 || syncError != 0 || closeError != 0) {
        FailAndRemove(path, temporary, FileErrorKind::Write, writeError != 0 ? writeError : syncError != 0 ? syncError : closeError);
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        FailAndRemove(path, temporary, FileErrorKind::Replace, errno);
    }
}

// A file that may be written in a directory that may not: rewritten where it
// lies, as an editor does. Its blocks are reserved first, so that a full disk
// shows before the old content is touched.
void OverwriteInPlace(const std::string& path, const fs::path& target, std::span<const std::uint8_t> bytes)
{
    const int descriptor = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        throw CFileException(path, FileErrorKind::Write, errno);
    }
    const auto size = static_cast<off_t>(bytes.size());
    // A file system that cannot reserve (EOPNOTSUPP) is written all the same.
    int error = size > 0 && ::fallocate(descriptor, 0, 0, size) != 0 && (errno == ENOSPC || errno == EDQUOT) ? errno : 0;
    if (error == 0) {
        error = WriteAll(descriptor, bytes);
    }
    if (error == 0 && ::ftruncate(descriptor, size) != 0) {
        error = errno;
    }
    if (error == 0 && ::fsync(descriptor) != 0) {
        error = errno;
    }
    const int closeError = ::close(descriptor) == 0 ? 0 : errno;
    if (error != 0 || closeError != 0) {
        throw CFileException(path, FileErrorKind::Write, error != 0 ? error : closeError);
    }
}

bool IsRefusedByTheDirectory(const CFileException& error)
{
    return error.Kind() == FileErrorKind::Create && (error.ErrorNumber() == EACCES || error.ErrorNumber() == EPERM);
}

// Replacing by rename needs only the directory's permission: the file's own
// is asked for here, as a write into it would.
void ReplaceExistingFile(const std::string& path, const struct stat& existing, std::span<const std::uint8_t> bytes)
{
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        throw CFileException(path, FileErrorKind::Write, errno);
    }
    const fs::path target = FollowLinks(path);
    try {
        ReplaceThroughTemporary(path, target, &existing, bytes);
    } catch (const CFileException& error) {
        if (!IsRefusedByTheDirectory(error)) {
            throw;
        }
        OverwriteInPlace(path, target, bytes);
    }
}

} // namespace

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes)
{
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) {
            WriteInPlace(path, bytes);
            return;
        }
        ReplaceExistingFile(path, existing, bytes);
        return;
    }
    if (errno != ENOENT) {
        throw CFileException(path, FileErrorKind::Create, errno);
    }
    ReplaceThroughTemporary(path, FollowLinks(path), nullptr, bytes);
}

CReplacementFile::CReplacementFile(const std::string& path)
    : m_path(path), m_guard(std::make_unique<TemporaryGuard>())
{
    const fs::path target = FollowLinks(path);
    m_target = target.string();
    RemoveOrphanedTemporaries(target.parent_path().empty() ? "." : target.parent_path().string());
    const int descriptor = CreateTemporary(target, path, *m_guard);
    m_temporary = m_guard->Name();
    struct stat existing {};
    if (::stat(m_target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        KeepOwnerAndMode(descriptor, existing);
    }
    ::close(descriptor);
}

CReplacementFile::~CReplacementFile()
{
    if (!m_committed) {
        ::unlink(m_temporary.c_str());
    }
}

void CReplacementFile::Commit()
{
    const int descriptor = ::open(m_temporary.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        throw CFileException(m_path, FileErrorKind::Write, errno);
    }
    const int syncError = ::fsync(descriptor) == 0 ? 0 : errno;
    ::close(descriptor);
    if (syncError != 0) {
        throw CFileException(m_path, FileErrorKind::Write, syncError);
    }
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        throw CFileException(m_path, FileErrorKind::Replace, errno);
    }
    m_committed = true;
}
