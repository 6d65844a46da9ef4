#pragma once

// Lowers the scheduling priority of the calling thread alone, by a nice
// increment (Linux keeps a nice value per thread): for work done ahead on a
// thread of its own (series, indexes, fonts) that must leave the processor to
// the thread drawing the map, which needs its results only later. Threads it
// starts afterwards inherit the lower priority. Raising it back needs
// privileges, so it is for threads that end with their work. Does nothing
// where the system refuses.
void LowerThisThreadsPriority(int increment);

// The increment of the threads that prepare a map while it is drawn.
inline constexpr int kAheadNiceness = 5;
