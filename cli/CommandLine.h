#pragma once

// Runs the command line: reads it against the commands linked into the
// program, runs the one named, and returns the exit status. Every error is
// one line on the standard error, status 1.
int RunCommandLine(int argc, char** argv);
