#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Text read line by line, from a file or from memory: the converters take
// either, so that their reading can be exercised without files.
class ILineSource {
public:
    virtual ~ILineSource() = default;
    // One whole line of any length, without its "\n" or "\r\n". Returns false,
    // with an empty line, when the end was reached before any character.
    virtual bool ReadString(std::string& line) = 0;
    // The file the lines come from, as errors name it.
    virtual const std::string& Path() const = 0;
};

// A text file read line by line. Opening a missing or unreadable file, or
// anything but a regular file, and a read error raise CFileException naming
// the file.
class CTextFile : public ILineSource {
public:
    explicit CTextFile(const std::string& path);

    bool ReadString(std::string& line) override;
    const std::string& Path() const override { return m_path; }

private:
    std::string m_path;
    FileHandle m_file;
};

// Lines of a text held in memory, cut as CTextFile cuts a file's; path only
// names them in errors.
class CTextInMemory : public ILineSource {
public:
    CTextInMemory(std::string path, std::string_view text);

    bool ReadString(std::string& line) override;
    const std::string& Path() const override { return m_path; }

private:
    std::string m_path;
    std::string_view m_rest;
};

// A regular file read in binary, a fixed number of bytes at a time. Files
// are opened only once they are known to be regular files: a FIFO or a
// device (which would hold the open, or the first read, until a writer or
// the hardware answers) or a directory raises CFileException at once.
class CBinaryFile {
public:
    explicit CBinaryFile(const std::string& path);

    // Reads up to size bytes; returns how many were delivered (0 at the end).
    std::size_t Read(void* buffer, std::size_t size);

    // The file's size now, 0 when the system cannot tell.
    std::size_t Size() const;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    FileHandle m_file;
};

// The whole content of a fixed-size data file. A missing file, or one
// shorter than expectedSize, raises CFileException; bytes after expectedSize
// are ignored.
std::vector<std::uint8_t> ReadFileImage(const std::string& path, std::size_t expectedSize);

// The whole content of a file of any size (for inputs that have no fixed size).
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Writes bytes so that a failed write leaves whatever was there before: into
// a temporary file beside the target, then renamed over it. A symbolic link
// is followed and its target replaced (a dangling one names the file to
// create); a replaced file keeps its owner and permission bits, a new one
// gets 0666 less the umask. An existing file is replaced only when it may be
// written; one that may be written in a directory that may not is rewritten
// in place (its space reserved first). A target that exists and is not a
// regular file (a device, a FIFO) is written directly. Temporaries are named
// ".umbrant-tmp.PID.HOST.UNIQUE.NAME" (HOST: the machine's name, any
// character but letters, digits and '-' made a '-'); they are removed on a
// failure and when SIGINT, SIGTERM or SIGHUP ends the process, and those
// whose writer no longer runs on this machine (killed outright) are removed
// at the next write into their directory. Raises CFileException naming path.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// A file that another library writes by its name (a video encoder), put in
// place as WriteFileAtomically does: it is written under a temporary name
// beside the target (named as above), which Commit syncs and renames over
// the target; until then an earlier file of that name stays as it was, and
// the temporary is removed when the object ends uncommitted. A replaced
// file keeps its permission bits. Raises CFileException naming path when
// the temporary cannot be created (a directory that does not exist) and
// when Commit fails.
class TemporaryGuard;

class CReplacementFile {
public:
    explicit CReplacementFile(const std::string& path);
    ~CReplacementFile();
    CReplacementFile(const CReplacementFile&) = delete;
    CReplacementFile& operator=(const CReplacementFile&) = delete;

    const std::string& TemporaryPath() const { return m_temporary; }
    void Commit();

private:
    std::string m_path;
    std::string m_target;
    std::string m_temporary;
    std::unique_ptr<TemporaryGuard> m_guard;
    bool m_committed = false;
};
