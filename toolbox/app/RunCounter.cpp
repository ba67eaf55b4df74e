#include "RunCounter.h"

#include "Files.h"

#include <cstdint>

namespace toolbox {

namespace {

const char kCounterPath[] = "C:\\tavro.txt";

} // namespace

void CountRun() {
    int count = 0;
    if (FileExists(kCounterPath))
        count = ToInteger(ToText(ReadWholeFile(kCounterPath)));
    // Signed 32-bit arithmetic that wraps instead of overflowing.
    count = static_cast<int32_t>(static_cast<uint32_t>(count) + 1u);
    WriteWholeFile(kCounterPath, ToBytes(ToText(count)));
}

} // namespace toolbox
