#pragma once

#include <string>

// The build of the running program: the GNU build ID that the linker wrote
// into its executable (a hash of the whole linked program), in lowercase
// hexadecimal; empty when the executable carries none. Two runs with the same
// ID run the same code, so what one computed and stored, the other would
// compute to the last bit.
std::string ProgramBuildId();
