#pragma once

// Runs one converter on an input file of any bytes, in a data directory of its
// own. A conversion either fails (status or CFileException) or writes an
// image of exactly the size its readers expect.

#include "FuzzSupport.h"

#include <cstdlib>
#include <filesystem>

namespace fuzz {

using Converter = ConversionStatus (*)(const std::string&);

inline void CheckConversion(const ScratchDirectory& directory, Converter convert, const std::string& imageName,
                            std::size_t imageSize)
{
    std::filesystem::remove(directory.File(imageName));
    ConversionStatus status = ConversionStatus::Failed;
    try {
        status = convert(directory.Path());
    } catch (const CFileException&) {
        status = ConversionStatus::Failed;
    }
    const bool written = std::filesystem::exists(directory.File(imageName));
    if (status == ConversionStatus::Completed &&
        (!written || std::filesystem::file_size(directory.File(imageName)) != imageSize)) {
        std::abort();
    }
    if (status == ConversionStatus::Failed && written) {
        std::abort(); // a failed conversion writes nothing
    }
}

inline void RunConverter(const std::string& inputName, Converter convert, const std::string& imageName,
                         std::size_t imageSize, const std::uint8_t* data, std::size_t size)
{
    static const ScratchDirectory directory("convert-" + inputName);
    WriteBytes(directory.File(inputName), data, size);
    CheckConversion(directory, convert, imageName, imageSize);
}

} // namespace fuzz
