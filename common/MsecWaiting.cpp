#include "common/MsecWaiting.h"

#include <windows.h>
#include <mmsystem.h>

#include "common/ElapsedTime.h"

namespace MsecWaiting {

void WaitMilliseconds(std::int32_t ms) {
  SpinUntilElapsed(ms, [] { return static_cast<std::uint32_t>(timeGetTime()); });
}

}  // namespace MsecWaiting
