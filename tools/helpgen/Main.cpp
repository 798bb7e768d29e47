// Writes the help page: tolvane_helpgen TEMPLATE OUTPUT.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "Functionexamples.h"
#include "Helppage.h"
#include "platform/native/Nativelocale.h"

int main(int argc, char** argv) {
  using namespace tolvane;
  if (argc != 3) {
    std::cerr << "usage: tolvane_helpgen TEMPLATE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const std::string templateText((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) {
    std::cerr << "tolvane_helpgen: cannot read " << argv[1] << '\n';
    return 2;
  }
  native::TNativeLocale locale{std::string(helpgen::ExampleLocale)};
  std::string problem;
  const auto reference = helpgen::FunctionReference(modifier::BuildFunctionTable(locale), problem);
  if (!reference) {
    std::cerr << "tolvane_helpgen: " << problem << '\n';
    return 1;
  }
  const auto page = helpgen::HelpPage(templateText, *reference);
  if (!page) {
    std::cerr << "tolvane_helpgen: " << argv[1] << " has no " << helpgen::ReferenceMarker << '\n';
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << *page;
  if (!out.flush()) {
    std::cerr << "tolvane_helpgen: cannot write " << argv[2] << '\n';
    return 2;
  }
  return 0;
}
