#pragma once
// The process's resident memory, for the soak test and the benchmarks.
#include <QtGlobal>

// Bytes resident now (/proc/self/statm), -1 when it cannot be read.
qint64 residentBytes();
