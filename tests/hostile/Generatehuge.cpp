// Writes the huge hostile menu files into the folder given, each as NAME.TvXml with its NAME.TvXml.expected.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "Hugefiles.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tolvane_hostile_generate FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (const tolvane::hostile::THugeMenu& menu : tolvane::hostile::HugeMenus()) {
    const std::string name(menu.Name);
    std::ofstream file(folder / (name + ".TvXml"), std::ios::binary);
    menu.Write(file);
    std::ofstream expected(folder / (name + ".TvXml.expected"), std::ios::binary);
    expected << menu.Expected;
    if (!file.flush() || !expected.flush()) {
      std::cerr << "tolvane_hostile_generate: cannot write " << name << '\n';
      return 1;
    }
  }
  return 0;
}
