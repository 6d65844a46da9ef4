#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

// What went wrong with a file.
enum class FileErrorKind {
    Open,       // it could not be opened (missing, unreadable): ErrorNumber says why
    Read,       // reading it failed: ErrorNumber says why
    TooShort,   // it ends before the size its layout needs: ActualSize and ExpectedSize
    Create,     // its replacement could not be created: ErrorNumber
    Write,      // writing it failed: ErrorNumber
    Replace,    // the replacement could not take its place: ErrorNumber
    Malformed,  // its content is not what its format says: Detail
    Damaged,    // its size or checksum is not what its conversion recorded: ActualSize, ExpectedSize
};

// The one error type of the file layer: which file, what went wrong, and the
// figures of it. Front ends phrase it for the user; what() is a short English
// description for logs and the command line.
class CFileException : public std::runtime_error {
public:
    // A content error, described by detail.
    CFileException(std::string fileName, std::string detail);
    CFileException(std::string fileName, FileErrorKind kind, int errorNumber);
    // A file of actualSize bytes where expectedSize were needed.
    CFileException(std::string fileName, std::size_t actualSize, std::size_t expectedSize);
    // An image that is no longer what its conversion wrote: of actualSize
    // bytes where recordedSize were written, or of the same size with other
    // bytes. Running the conversion again mends it.
    static CFileException Damaged(std::string fileName, std::size_t actualSize, std::size_t recordedSize);
    // A name that stands for something other than a regular file (kind: "a
    // FIFO", "a directory"...), which is never opened for reading.
    static CFileException NotRegular(std::string fileName, const std::string& kind);

    const std::string& FileName() const { return m_fileName; }
    FileErrorKind Kind() const { return m_kind; }
    int ErrorNumber() const { return m_errorNumber; }
    std::size_t ActualSize() const { return m_actualSize; }
    std::size_t ExpectedSize() const { return m_expectedSize; }
    const std::string& Detail() const { return m_detail; }
    // The English description after the file name, as what() gives it.
    const std::string& Cause() const { return m_cause; }

private:
    CFileException(std::string fileName, FileErrorKind kind, std::string cause);

    std::string m_fileName;
    FileErrorKind m_kind;
    int m_errorNumber = 0;
    std::size_t m_actualSize = 0;
    std::size_t m_expectedSize = 0;
    std::string m_detail;
    std::string m_cause;
};
