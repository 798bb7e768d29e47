#pragma once
// Runs tolvane-cli in-process with given standard input and captures its streams and exit status.

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace tolvane::cli {

struct TRun {
  int Status;
  std::string Out;
  std::string Err;
};

inline TRun RunArgs(const std::vector<std::string>& args, const std::string& input = {}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCli(args, {in, out, err});
  return {status, out.str(), err.str()};
}

// A fresh folder under the system's temporary folder, removed with everything in it at the end of the test.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // Writes the bytes to a file in the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  std::string PathOf(const std::string& name) const { return (Path / name).string(); }
  std::string Read(const std::string& name) const;

 private:
  std::filesystem::path Path;
};

}  // namespace tolvane::cli
