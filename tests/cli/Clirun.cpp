#include "Clirun.h"

#include <fstream>
#include <iterator>
#include <random>

namespace tolvane::cli {

TTempFolder::TTempFolder() {
  std::random_device seed;
  Path = std::filesystem::temp_directory_path() / ("tolvane-cli-test-" + std::to_string(seed()));
  std::filesystem::create_directories(Path);
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(Path, ignored);
}

std::string TTempFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(Path / name, std::ios::binary) << bytes;
  return PathOf(name);
}

std::string TTempFolder::Read(const std::string& name) const {
  std::ifstream in(Path / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tolvane::cli
