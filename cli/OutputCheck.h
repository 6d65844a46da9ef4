#pragma once

#include <cstdio>
#include <initializer_list>

// The commands print freely; a write that failed on the way (a full disk,
// /dev/full, a closed descriptor, an I/O error) is caught once, at the end.
// Flushes stream and raises std::runtime_error, one line naming the stream
// and the system's cause, when any write to it failed.
void FinishOutput(std::FILE* stream, const char* name = "standard output");

// A standard stream the tool was started without (">&-") would be reused by
// the next file opened, and the text meant for it written into that file.
// Each closed one is held by /dev/null opened for reading only, so that
// writing to it fails (EBADF) and FinishOutput reports it. Called first.
void HoldClosedStandardStreams();

// Within the ranges the commands accept, the theories give finite numbers; a
// result that is not one comes from damaged data. Raises std::runtime_error
// naming what and the likely cause before anything of it is printed.
void RequireFinite(std::initializer_list<double> values, const char* what);
