#pragma once

#include <stdexcept>
#include <string>

// The one error type of the file layer: what went wrong, and with which file.
class CFileException : public std::runtime_error {
public:
    CFileException(std::string fileName, std::string cause);

    const std::string& FileName() const { return m_fileName; }
    const std::string& Cause() const { return m_cause; }

private:
    std::string m_fileName;
    std::string m_cause;
};
