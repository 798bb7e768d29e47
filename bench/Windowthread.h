#pragma once
// A thread of the benchmark with a message loop of its own, so that its windows keep answering (and the edit
// control keeps taking pasted text) while the main thread waits on the program.

#include <functional>
#include <thread>

#include "platform/win32/Win.h"

namespace tolvane::bench {

class TWindowThread {
 public:
  // create runs on the new thread and makes its windows; the constructor returns once it has, and passes on
  // what it threw.
  explicit TWindowThread(std::function<void()> create);
  TWindowThread(const TWindowThread&) = delete;
  TWindowThread& operator=(const TWindowThread&) = delete;
  // Ends the loop; the system destroys the thread's windows with it.
  ~TWindowThread();

 private:
  std::thread Thread;
  DWORD ThreadId = 0;
};

}  // namespace tolvane::bench
