#pragma once
// Elapsed time on the 32-bit millisecond counter of the system.
#include <cstdint>

namespace MsecWaiting {

// Milliseconds from start to now on a counter that wraps at 2^32 (about every
// 49.7 days). Unsigned subtraction is exact across the wrap as long as the
// span is shorter than the wrap period itself.
inline std::uint32_t MillisecondsSince(std::uint32_t start, std::uint32_t now) {
  return now - start;
}

// Spins on readCounter (no sleeping, no message processing) until at least ms
// milliseconds have passed since the first reading. ms <= 0 returns at once.
template <class ReadCounter>
void SpinUntilElapsed(std::int32_t ms, ReadCounter readCounter) {
  if (ms <= 0) return;
  const std::uint32_t start = readCounter();
  const auto wanted = static_cast<std::uint32_t>(ms);
  while (MillisecondsSince(start, readCounter()) < wanted) {
  }
}

}  // namespace MsecWaiting
