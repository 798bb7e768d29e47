#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "storage/Xmlbuilder.h"
#include "storage/Xmltag.h"

namespace tolvane::storage {

// Reads the element grammar of the XML model from UTF-16 text (TChar char16_t) or, with the same result as
// from its UTF-16 conversion, from UTF-8 bytes (TChar char). Elements are parsed without recursion, so
// nesting depth costs heap, not stack; depth beyond XmlMaxDepth is rejected. The end of the text is the end
// of the input (a zero is an ordinary character).
template <class TChar>
class TBasicXmlParser {
 public:
  using TView = std::basic_string_view<TChar>;

  explicit TBasicXmlParser(TView text, std::size_t position = 0) : Text(text), Pos(position) {}

  std::size_t Position() const { return Pos; }
  void SetPosition(std::size_t position) { Pos = position; }
  void SkipWhitespace();

  // An element from its name on (the "<" consumed) with all its content, reported to the builder.
  [[nodiscard]] bool ParseElement(IBasicXmlBuilder<TChar>& builder);
  // A comment from just after "<!": leading dashes are skipped and the text runs to the first "-->".
  // Null on failure.
  std::unique_ptr<TQxXmlTag> ParseComment();
  // A processing instruction from just after "<?". Null on failure.
  std::unique_ptr<TQxXmlTag> ParseProcInstr();

  bool HasErrorLine() const { return ErrorSet; }
  // Up to 100 characters of the input from where the parse failed.
  const std::u16string& ErrorLine() const { return Error; }

 private:
  struct TOpenElement {
    TView Name;
    std::size_t CDataEnd;  // where the last CDATA section ended
    bool HasCDataRun;      // the builder holds a CDATA run that an adjacent section continues
  };

  TChar At(std::size_t index) const { return index < Text.size() ? Text[index] : TChar(0); }
  bool Fail(std::size_t at, std::size_t unitsBefore = 0);
  bool FailBefore(std::size_t at) { return Fail(at, 5); }

  std::size_t ReadName();
  bool ParseStartTag(IBasicXmlBuilder<TChar>& builder);
  bool ParseAttribute();
  bool ParseEndTag(TView name);
  bool ParseContent(IBasicXmlBuilder<TChar>& builder);
  bool ParseMarkup(IBasicXmlBuilder<TChar>& builder);
  bool ParseTextRun(IBasicXmlBuilder<TChar>& builder);
  bool ParseCData(IBasicXmlBuilder<TChar>& builder);
  bool ReadComment(TView& text);
  bool ReadProcInstr(TView& target);

  TView Text;
  std::size_t Pos;
  std::vector<TOpenElement> Open;
  std::vector<TBasicXmlAttributeView<TChar>> Attributes;  // of the tag being read
  std::u16string Error;
  bool ErrorSet = false;
};

using TXmlParser = TBasicXmlParser<char16_t>;
using TUtf8XmlParser = TBasicXmlParser<char>;

extern template class TBasicXmlParser<char16_t>;
extern template class TBasicXmlParser<char>;

// Builds TQxXmlTag nodes: the first element fills root, everything inside it becomes its descendants.
class TXmlTagBuilder final : public IXmlBuilder {
 public:
  explicit TXmlTagBuilder(TQxXmlTag& root) : Root(root) {}

  void StartElement(TView name, TAttributes attributes) override;
  void EndElement() override { Open.pop_back(); }
  void TextRun(TView run, bool cdata, bool continuesCData) override;
  void Comment(TView text) override;
  void ProcInstr(TView target, TAttributes attributes) override;

 private:
  struct TOpen {
    TQxXmlTag* Tag;
    std::u16string* LastCData;  // the run a continuing CDATA section extends
  };

  TQxXmlTag& Root;
  bool RootStarted = false;
  std::vector<TOpen> Open;
};

}  // namespace tolvane::storage
