#include "datafiles/FileException.h"

#include <cstring>
#include <utility>

namespace {

std::string SystemCause(FileErrorKind kind, int errorNumber)
{
    const char* action = "cannot open";
    switch (kind) {
    case FileErrorKind::Read:
        action = "read error";
        break;
    case FileErrorKind::Create:
        action = "cannot create";
        break;
    case FileErrorKind::Write:
        action = "cannot write";
        break;
    case FileErrorKind::Replace:
        action = "cannot replace";
        break;
    default:
        break;
    }
    return errorNumber == 0 ? std::string(action) : std::string(action) + ": " + std::strerror(errorNumber);
}

} // namespace

CFileException::CFileException(std::string fileName, FileErrorKind kind, std::string cause)
    : std::runtime_error(fileName + ": " + cause), m_fileName(std::move(fileName)), m_kind(kind), m_cause(std::move(cause))
{
}

CFileException::CFileException(std::string fileName, std::string detail)
    : CFileException(std::move(fileName), FileErrorKind::Malformed, detail)
{
    m_detail = std::move(detail);
}

CFileException::CFileException(std::string fileName, FileErrorKind kind, int errorNumber)
    : CFileException(std::move(fileName), kind, SystemCause(kind, errorNumber))
{
    m_errorNumber = errorNumber;
}

CFileException::CFileException(std::string fileName, std::size_t actualSize, std::size_t expectedSize)
    : CFileException(std::move(fileName), FileErrorKind::TooShort,
                     std::to_string(actualSize) + " bytes, expected " + std::to_string(expectedSize))
{
    m_actualSize = actualSize;
    m_expectedSize = expectedSize;
}

CFileException CFileException::Damaged(std::string fileName, std::size_t actualSize, std::size_t recordedSize)
{
    const std::string difference = actualSize != recordedSize
                                       ? std::to_string(actualSize) + " bytes where its conversion wrote " + std::to_string(recordedSize)
                                       : "its checksum differs from the one its conversion recorded";
    CFileException error(std::move(fileName), FileErrorKind::Damaged, "damaged: " + difference + "; run the conversion again");
    error.m_actualSize = actualSize;
    error.m_expectedSize = recordedSize;
    return error;
}

CFileException CFileException::NotRegular(std::string fileName, const std::string& kind)
{
    return CFileException(std::move(fileName), FileErrorKind::Open, "cannot open: " + kind + ", not a regular file");
}
