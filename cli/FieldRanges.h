#pragma once

#include "model/Observation.h"

#include <string>
#include <vector>

// One line for each field of the observation's date, time and map centre
// that lies outside the range the dialogs offer, such as "the month
// -2147483648 lies outside 1 to 12" (model/Observation.h).
std::vector<std::string> FieldRangeNotes(const CObservation& observation);
