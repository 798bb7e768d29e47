// The XML codec on any bytes, under every code page a caller may demand. A loaded document must save, load
// again, and then save to the same bytes.

#include <array>
#include <string>

#include "Fuzzsupport.h"
#include "platform/recording/Memoryfiles.h"
#include "storage/Xmlfile.h"

namespace {

using namespace tolvane;
using storage::TQxXmlFile;

// The code pages the codec knows, 0 (accept any), and one it does not (the ANSI page 1252).
constexpr std::array<std::uint32_t, 20> DemandedPages = {0,     65001, 1200,  1201,  12000, 12001, 28591,
                                                         28592, 28593, 28594, 28595, 28596, 28597, 28598,
                                                         28599, 28603, 28605, 20127, 1252,  100000};

std::string SaveBytes(TQxXmlFile& document, recording::TMemoryFiles& files, const char16_t* name) {
  const int saved = document.SaveToUtf8File(files, name);
  fuzz::Check(saved == storage::XmlSaved, "save of a loaded document gave " + std::to_string(saved));
  return *files.Content(name);
}

// Every "xml" processing instruction is moved to the front as the declaration, the last one read winning, so
// a document with several swaps them on every load; only their order changes.
int Declarations(const TQxXmlFile& document) {
  int count = 0;
  for (const storage::TQxXmlTag& tag : document.PreTags)
    count += tag.TagType == storage::xtProcInstr && tag.Name == u"xml" ? 1 : 0;
  return count;
}

// Two plain text runs with nothing between them (an empty CDATA section in between is not kept) are written
// on lines of their own and read back as one run, so such a document changes once.
bool HasAdjacentPlainRuns(const storage::TQxXmlTag& tag) {
  bool previousPlain = tag.TagType == storage::xtElement && !tag.Value.empty();
  for (const storage::TQxXmlTag& child : tag.Children) {
    const bool plain = child.TagType == storage::xtText;
    if ((plain && previousPlain) || HasAdjacentPlainRuns(child))
      return true;
    previousPlain = plain;
  }
  return false;
}

void CheckSaveAndReload(TQxXmlFile& loaded) {
  fuzz::Check(loaded.RootTag != nullptr, "a loaded document without a root");
  std::u16string text;
  const std::size_t written = loaded.SaveToString(text);
  fuzz::Check(written == text.size(), "SaveToString's count differs from what it wrote");
  fuzz::Check(loaded.GetApproximateBufferSize() >= written, "GetApproximateBufferSize below the text's size");

  recording::TMemoryFiles files;
  const std::string first = SaveBytes(loaded, files, u"C:\\first.xml");
  TQxXmlFile again;
  const int reloaded = again.LoadFromStream(fuzz::CodePages(), first, 0);
  fuzz::Check(reloaded == storage::XmlLoaded, "a saved document loads with " + std::to_string(reloaded));
  fuzz::Check(again.CodePage == 65001, "a saved document is not read as UTF-8");
  const std::string second = SaveBytes(again, files, u"C:\\second.xml");
  if (Declarations(loaded) > 1 || HasAdjacentPlainRuns(*loaded.RootTag))
    return;
  fuzz::Check(first == second,
              "saving the reloaded document gives other bytes " + fuzz::FirstDifference(first, second));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes = fuzz::Bytes(data, size);
  const std::uint32_t demanded = DemandedPages[fuzz::TakeByte(bytes) % DemandedPages.size()];
  TQxXmlFile document;
  const int result = document.LoadFromStream(fuzz::CodePages(), bytes, demanded);
  fuzz::Check(result >= storage::XmlLoaded && result <= storage::XmlCodePageMismatch,
              "load result out of range: " + std::to_string(result));
  (void)storage::XmlLoadResultText(result);
  if (result == storage::XmlLoaded)
    CheckSaveAndReload(document);
  return 0;
}
