#pragma once
// A busy wait on the system millisecond counter (timeGetTime).
#include <cstdint>

namespace MsecWaiting {

// Holds the calling thread until at least ms milliseconds have passed; the
// user interface does not respond meanwhile. ms <= 0 returns at once.
void WaitMilliseconds(std::int32_t ms);

}  // namespace MsecWaiting
