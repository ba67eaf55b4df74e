// Pieces the benchmarks share: a timer and generated archives (output is removed with the
// tests' RemoveTree).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Wall-clock seconds the work took.
double Seconds(const std::function<void()>& work);
// Text-like data that deflates about as well as game files do, different per entry.
std::string EntryData(size_t size, unsigned seed);
// Entries spread over folders of 100, each folder with its directory entry first.
std::string MakeArchive(int entries, size_t entrySize, uint64_t& totalBytes);
