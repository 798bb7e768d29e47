// Loading a TQxXmlFile: encoding, decoding, and the scan for the nodes before, of and after the root.

#include <optional>
#include <utility>

#include "storage/Xmlencoding.h"
#include "storage/Xmlfile.h"
#include "storage/Xmlparser.h"
#include "storage/Xmltext.h"

namespace tolvane::storage {
namespace {

constexpr std::size_t ErrorLineLength = 100;

// Code units the data holds in its encoding; 0 when the encoding is not one a document may have.
std::size_t ExpectedUnits(std::uint32_t codePage, std::size_t byteCount) {
  if (codePage == xmlcodepage::Utf8 || IsSingleByteXmlCodePage(codePage))
    return byteCount;
  if (codePage == xmlcodepage::Utf16LE || codePage == xmlcodepage::Utf16BE)
    return byteCount / 2;
  return 0;
}

// Reads a whole document from its text: UTF-16, or UTF-8 read as its UTF-16 conversion would be.
template <class TChar>
class TDocumentReader {
 public:
  using TView = std::basic_string_view<TChar>;

  TDocumentReader(TQxXmlFile& file, TView text) : File(file), Text(text) {}

  // Without a builder the root becomes the file's RootTag.
  int Read(IBasicXmlBuilder<TChar>* rootBuilder) {
    std::size_t pos = 0;
    if (const int result = ScanBeforeRoot(pos); result != XmlLoaded)
      return result;
    File.RootTag.reset();
    std::optional<TXmlTagBuilder> tagBuilder;
    if constexpr (std::is_same_v<TChar, char16_t>) {
      if (rootBuilder == nullptr) {
        File.RootTag = std::make_unique<TQxXmlTag>();
        rootBuilder = &tagBuilder.emplace(*File.RootTag);
      }
    }
    TBasicXmlParser<TChar> parser(Text, pos);
    if (rootBuilder == nullptr || !parser.ParseElement(*rootBuilder)) {
      File.ErrorLine = parser.ErrorLine();
      return XmlIllegal;
    }
    ScanAfterRoot(parser.Position());
    return XmlLoaded;
  }

 private:
  bool IsAsciiLetter(std::size_t pos) const {
    const unsigned c = pos < Text.size() ? UnitValue(Text[pos]) : 0;
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  }

  // A DOCTYPE from its "<!": up to the first "]>" when it has an internal subset, else up to its ">".
  // Returns the position behind it, or npos when it does not end properly.
  std::size_t DocTypeEnd(std::size_t start) const {
    const TChar stops[] = {TChar('['), TChar(']'), TChar('>')};
    const std::size_t first = Text.find_first_of(TView(stops, 3), start);
    if (first != TView::npos && HasAsciiAt(Text, first, ">"))
      return first + 1;
    const std::size_t bracket = Text.find(TChar(']'), start);
    if (bracket == TView::npos || !HasAsciiAt(Text, bracket + 1, ">"))
      return TView::npos;
    return bracket + 2;
  }

  void AddPreTag(std::unique_ptr<TQxXmlTag> node) {
    TQxXmlTag* added = File.PreTags.Add(std::move(node));
    if (added->TagType != xtProcInstr || added->Name != u"xml")
      return;
    File.XmlDefenitionTag = added;
    if (const int index = File.PreTags.IndexOf(added); index > 0)
      File.PreTags.Insert(0, File.PreTags.Remove(index));
  }

  // Collects the nodes in front of the root; pos ends at the root's first letter.
  int ScanBeforeRoot(std::size_t& pos) {
    TBasicXmlParser<TChar> parser(Text);
    for (;;) {
      const std::size_t lt = Text.find(TChar('<'), pos);
      if (lt == TView::npos || lt + 1 >= Text.size())
        return XmlIllegal;
      pos = lt + 1;
      std::unique_ptr<TQxXmlTag> node;
      if (HasAsciiAt(Text, pos, "!--") || HasAsciiAt(Text, pos, "?")) {
        parser.SetPosition(pos + 1);
        node = HasAsciiAt(Text, pos, "?") ? parser.ParseProcInstr() : parser.ParseComment();
        if (!node) {
          File.ErrorLine = parser.ErrorLine();
          return XmlIllegal;
        }
        pos = parser.Position();
      } else if (HasAsciiAt(Text, pos, "!DOC")) {
        const std::size_t end = DocTypeEnd(pos);
        if (end == TView::npos) {
          File.ErrorLine = TextAround(Text, lt, 0, ErrorLineLength);
          return XmlIllegal;
        }
        node = std::make_unique<TQxXmlTag>(ToUtf16(Text.substr(lt, end - lt)), xtDocType);
        pos = end;
      } else if (IsAsciiLetter(pos)) {
        return XmlLoaded;
      }
      if (node)
        AddPreTag(std::move(node));
    }
  }

  // Comments and processing instructions behind the root; a malformed one ends the scan without failing.
  void ScanAfterRoot(std::size_t pos) {
    TBasicXmlParser<TChar> parser(Text);
    for (std::size_t lt = Text.find(TChar('<'), pos); lt != TView::npos; lt = Text.find(TChar('<'), pos)) {
      pos = lt + 1;
      const bool comment = HasAsciiAt(Text, pos, "!");
      if (!comment && !HasAsciiAt(Text, pos, "?"))
        continue;
      parser.SetPosition(pos + 1);
      std::unique_ptr<TQxXmlTag> node = comment ? parser.ParseComment() : parser.ParseProcInstr();
      if (!node)
        return;
      File.PostTags.Add(std::move(node));
      pos = parser.Position();
    }
  }

  TQxXmlFile& File;
  TView Text;
};

}  // namespace

int TQxXmlFile::LoadFromFile(platform::IFiles& files, platform::ICodePages& codePages,
                             std::u16string_view fileName, std::uint32_t codePage) {
  return LoadFile(files, codePages, fileName, codePage, nullptr);
}

int TQxXmlFile::LoadFromFile(platform::IFiles& files, platform::ICodePages& codePages,
                             std::u16string_view fileName, std::uint32_t codePage,
                             const TXmlRootBuilders& rootBuilders) {
  return LoadFile(files, codePages, fileName, codePage, &rootBuilders);
}

int TQxXmlFile::LoadFromStream(platform::ICodePages& codePages, std::string_view bytes,
                               std::uint32_t codePage) {
  return Load(codePages, bytes, codePage, nullptr);
}

int TQxXmlFile::LoadFromStream(platform::ICodePages& codePages, std::string_view bytes,
                               std::uint32_t codePage, const TXmlRootBuilders& rootBuilders) {
  return Load(codePages, bytes, codePage, &rootBuilders);
}

int TQxXmlFile::LoadFile(platform::IFiles& files, platform::ICodePages& codePages,
                         std::u16string_view fileName, std::uint32_t codePage,
                         const TXmlRootBuilders* rootBuilders) {
  if (!files.FileExists(fileName))
    return XmlFileDoesNotExist;
  const std::optional<std::string> bytes = files.ReadAll(fileName);
  if (!bytes)
    return XmlReadError;
  return Load(codePages, *bytes, codePage, rootBuilders);
}

int TQxXmlFile::Load(platform::ICodePages& codePages, std::string_view bytes, std::uint32_t codePage,
                     const TXmlRootBuilders* rootBuilders) {
  const TXmlEncoding encoding = DetectXmlEncoding(bytes);
  CodePage = encoding.CodePage != xmlcodepage::Unrecognised ? encoding.CodePage
             : codePage != 0                                ? codePage
                                                            : xmlcodepage::Utf8;
  if (codePage != 0 && codePage != CodePage)
    return XmlCodePageMismatch;
  if (CodePage == xmlcodepage::Utf32LE || CodePage == xmlcodepage::Utf32BE)
    return XmlUtf32;
  if (ExpectedUnits(CodePage, bytes.size()) == 0)
    return XmlUnknownFormat;
  const std::string_view payload = bytes.substr(encoding.MarkLength);
  // A builder can take UTF-8 as it is, which spares decoding the whole file first.
  if (rootBuilders != nullptr && CodePage == xmlcodepage::Utf8)
    return TDocumentReader<char>(*this, payload).Read(&rootBuilders->Utf8);
  std::optional<TXmlText> text = TXmlText{};
  if (!payload.empty()) {
    text = DecodeXmlBytes(codePages, CodePage, payload);
    if (!text || text->Size == 0)
      return XmlCouldNotDecode;
  }
  return TDocumentReader<char16_t>(*this, text->View()).Read(rootBuilders ? &rootBuilders->Utf16 : nullptr);
}

}  // namespace tolvane::storage
