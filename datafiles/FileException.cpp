#include "datafiles/FileException.h"

#include <utility>

CFileException::CFileException(std::string fileName, std::string cause)
    : std::runtime_error(fileName + ": " + cause), m_fileName(std::move(fileName)), m_cause(std::move(cause))
{
}
