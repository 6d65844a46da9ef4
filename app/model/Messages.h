#pragma once

#include "datafiles/Converters.h"

// The program's own messages, shared by the desktop program and the command-line tool.
inline constexpr const char* kConversionCompleted = "Opération terminée";
inline constexpr const char* kConversionFailed = "Une erreur s'est produite durant la conversion";

inline const char* ConversionMessage(ConversionStatus status)
{
    return status == ConversionStatus::Completed ? kConversionCompleted : kConversionFailed;
}
