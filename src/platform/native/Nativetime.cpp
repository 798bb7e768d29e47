#include "platform/native/Nativetime.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace tolvane::native {

platform::TDateTime TNativeTime::Now() {
  using namespace std::chrono;
  const auto sinceEpoch = system_clock::now().time_since_epoch();
  const auto seconds = floor<std::chrono::seconds>(sinceEpoch);
  const std::time_t time = static_cast<std::time_t>(seconds.count());
  std::tm local{};
  localtime_r(&time, &local);
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          static_cast<int>(duration_cast<milliseconds>(sinceEpoch - seconds).count()),
          local.tm_wday};
}

std::uint32_t TNativeTime::TickCount() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void TNativeTime::Sleep(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void TNativeTime::WaitProcessingMessages(std::uint32_t milliseconds) {
  Sleep(milliseconds);
}

}  // namespace tolvane::native
