#include "RunCounter.h"

#include "Files.h"

#include <cstdint>

namespace toolbox {

namespace {

const char kCounterPath[] = "C:\\tavro.txt";
// A signed 32-bit number in decimal, with room for stray blanks; more is no counter.
const size_t kCounterFileLimit = 64;

} // namespace

void CountRun() {
    int count = 0;
    if (FileExists(kCounterPath))
        count = ToInteger(ToText(ReadWholeFile(kCounterPath, kCounterFileLimit)));
    // Signed 32-bit arithmetic that wraps instead of overflowing.
    count = static_cast<int32_t>(static_cast<uint32_t>(count) + 1u);
    WriteWholeFile(kCounterPath, ToBytes(ToText(count)));
}

} // namespace toolbox
