#include "cli/FieldRanges.h"

#include <cmath>
#include <cstdio>

namespace {

std::string Number(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

std::string Note(const FieldOutOfRange& range)
{
    const std::string field = std::string("the ") + range.field;
    if (!std::isfinite(range.value)) {
        return field + " is not a finite number";
    }
    return field + " " + Number(range.value) + " lies outside " + Number(range.least) + " to " + Number(range.most);
}

} // namespace

std::vector<std::string> FieldRangeNotes(const CObservation& observation)
{
    std::vector<std::string> notes;
    for (const FieldOutOfRange& range : FieldsOutOfRange(observation)) {
        notes.push_back(Note(range));
    }
    return notes;
}
