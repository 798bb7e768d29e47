#include "Windowthread.h"

#include <exception>
#include <future>
#include <utility>

namespace tolvane::bench {

TWindowThread::TWindowThread(std::function<void()> create) {
  std::promise<DWORD> started;
  std::future<DWORD> threadId = started.get_future();
  Thread = std::thread([create = std::move(create), started = std::move(started)]() mutable {
    MSG message{};
    // The queue must exist before the id is known, or the quit message could be posted to no queue.
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    try {
      create();
    } catch (...) {
      started.set_exception(std::current_exception());
      return;
    }
    started.set_value(::GetCurrentThreadId());
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  });
  try {
    ThreadId = threadId.get();
  } catch (...) {
    Thread.join();
    throw;
  }
}

TWindowThread::~TWindowThread() {
  ::PostThreadMessageW(ThreadId, WM_QUIT, 0, 0);
  Thread.join();
}

}  // namespace tolvane::bench
