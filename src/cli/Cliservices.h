#pragma once
// The service set tolvane-cli runs the core with. Files, code pages, locale and the other read-only services
// are the host's real ones; clipboard, keyboard, shell and foreground window are recording doubles, so a
// script works on a private clipboard and its outward actions can be traced; sleeps and waits are traced too;
// message boxes become lines on a stream and trace lines. On Windows the system set swaps the doubles for the
// real services.

#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/Services.h"
#include "platform/portable/Streammessagebox.h"
#include "platform/recording/Recordingservices.h"
#include "platform/recording/Tracedtime.h"

namespace tolvane::cli {

// Whether this build can run on the real clipboard, keyboard and desktop.
#ifdef _WIN32
inline constexpr bool SystemServicesAvailable = true;
#else
inline constexpr bool SystemServicesAvailable = false;
#endif

struct TCliServiceOptions {
  // Locale for collation, casing and date formats: a POSIX name ("da_DK", "da_DK.UTF-8") on every system, or
  // a Windows name ("da-DK") there; empty: the environment's (Linux) or the user's (Windows).
  std::string LocaleName;
  std::ostream* MessageStream = nullptr;  // required
  // Sleeps and waits take no time; only the trace shows them.
  bool VirtualTime = false;
  // The local time the date functions see; unset: the clock's.
  std::optional<platform::TDateTime> FixedNow{};
  // The real clipboard, keyboard, shell, foreground window and clock (Windows only).
  bool System = false;
};

// An option the host cannot honour: an unknown locale, or the system set where there is none.
class TCliOptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes each box to the stream as the stream box does, and records it for the trace.
class TTracedMessageBox final : public platform::IMessageBox {
 public:
  TTracedMessageBox(platform::IMessageBox& shown, recording::TRecorder& recorder)
      : Shown(shown), Recorder(recorder) {}

  platform::TMsgResult Show(const platform::TMsgRequest& request) override;

 private:
  platform::IMessageBox& Shown;
  recording::TRecorder& Recorder;
};

class TCliServices {
 public:
  // Throws TCliOptionError for options the host cannot honour.
  explicit TCliServices(const TCliServiceOptions& options);
  ~TCliServices();
  TCliServices(const TCliServices&) = delete;
  TCliServices& operator=(const TCliServices&) = delete;

  // References into this object; valid while it lives.
  platform::TServices Services();
  // The doubles and their recorder; with the system set only time and message boxes are recorded.
  recording::TRecordingServices& Recording() { return *Doubles; }

 private:
  struct THost;
  portable::TStreamMessageBox StreamBox;
  std::unique_ptr<THost> Host;
  std::unique_ptr<recording::TRecordingServices> Doubles;
  TTracedMessageBox TracedBox;
  recording::TTracedTime Time;
  bool System;
};

}  // namespace tolvane::cli
