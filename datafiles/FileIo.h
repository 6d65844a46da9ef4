#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A text file read line by line. Opening a missing or unreadable file and a
// read error raise CFileException naming the file.
class CTextFile {
public:
    explicit CTextFile(const std::string& path);

    // One whole line of any length, without its "\n" or "\r\n". Returns false,
    // with an empty line, when the end was reached before any character.
    bool ReadString(std::string& line);

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    FileHandle m_file;
};

// A file read in binary, a fixed number of bytes at a time.
class CBinaryFile {
public:
    explicit CBinaryFile(const std::string& path);

    // Reads up to size bytes; returns how many were delivered (0 at the end).
    std::size_t Read(void* buffer, std::size_t size);

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
// gets 0666 less the umask. A target that exists and is not a regular file
// (a device, a FIFO) is written directly. Temporaries are named
// ".umbrant-tmp.PID.HOST.UNIQUE.NAME" (HOST: the machine's name, any
// character but letters, digits and '-' made a '-'); those whose writer no
// longer runs on this machine are removed at the next write into their
// directory. Raises CFileException naming path.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// A file that another library writes by its name (a video encoder), put in
// place as WriteFileAtomically does: it is written under a temporary name
// beside the target (named as above), which Commit syncs and renames over
// the target; until then an earlier file of that name stays as it was, and
// the temporary is removed when the object ends uncommitted. A replaced
// file keeps its permission bits. Raises CFileException naming path when
// the temporary cannot be created (a directory that does not exist) and
// when Commit fails.
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
    bool m_committed = false;
};
