// Writes the help page: tolvane_helpgen TEMPLATE DEMO_MENU OUTPUT.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "Functionexamples.h"
#include "Helppage.h"
#include "platform/native/Nativelocale.h"

int main(int argc, char** argv) {
  using namespace tolvane;
  if (argc != 4) {
    std::cerr << "usage: tolvane_helpgen TEMPLATE DEMO_MENU OUTPUT\n";
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
  const auto scripts = helpgen::DemoScripts(argv[2], problem);
  const auto demo = scripts ? helpgen::DemoSection(*scripts, problem) : std::nullopt;
  if (!demo) {
    std::cerr << "tolvane_helpgen: " << problem << '\n';
    return 1;
  }
  const auto page = helpgen::HelpPage(templateText, *reference, *demo);
  if (!page) {
    std::cerr << "tolvane_helpgen: " << argv[1] << " lacks " << helpgen::ReferenceMarker << " or "
              << helpgen::DemoMarker << '\n';
    return 1;
  }
  std::ofstream out(argv[3], std::ios::binary);
  out << *page;
  if (!out.flush()) {
    std::cerr << "tolvane_helpgen: cannot write " << argv[3] << '\n';
    return 2;
  }
  return 0;
}
