#include "platform/native/Nativeshell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>
#include <thread>

#include "common/Unicode.h"
#include "platform/native/Posixerror.h"

extern char** environ;

namespace tolvane::native {
namespace {

// Spawn attributes and file actions for an opener that outlives nothing of ours: its own session, no standard
// input, and standard output kept off ours (the command-line tool's output may be piped).
class TSpawnSetup {
 public:
  TSpawnSetup() {
    posix_spawnattr_init(&Attributes);
    posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETSID);
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  }
  TSpawnSetup(const TSpawnSetup&) = delete;
  TSpawnSetup& operator=(const TSpawnSetup&) = delete;
  ~TSpawnSetup() {
    posix_spawn_file_actions_destroy(&Actions);
    posix_spawnattr_destroy(&Attributes);
  }

  posix_spawnattr_t Attributes;
  posix_spawn_file_actions_t Actions;
};

}  // namespace

bool TNativeShell::Open(const platform::TShellOpenRequest& request) {
  std::string file = Utf16ToUtf8(request.File);
  char* argv[] = {Opener.data(), file.data(), nullptr};
  TSpawnSetup setup;
  pid_t pid = 0;
  if (const int error = posix_spawnp(&pid, Opener.c_str(), &setup.Actions, &setup.Attributes, argv, environ);
      error != 0) {
    Error = ErrnoError(error, "Cannot start " + Opener + ": " + std::generic_category().message(error));
    return false;
  }
  // Nobody waits for the opener; this reaps it when it ends so it does not linger as a zombie.
  std::thread([pid] { ::waitpid(pid, nullptr, 0); }).detach();
  return true;
}

}  // namespace tolvane::native
