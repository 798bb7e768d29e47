#pragma once

#include <span>
#include <string_view>

namespace tolvane::storage {

// TChar is char16_t for UTF-16 text and char for UTF-8 bytes.
template <class TChar>
struct TBasicXmlAttributeView {
  std::basic_string_view<TChar> Name;
  std::basic_string_view<TChar> Value;  // verbatim
};

// Receives what the parser reads inside an element, in document order. The views point into the parsed text.
template <class TChar>
class IBasicXmlBuilder {
 public:
  using TView = std::basic_string_view<TChar>;
  using TAttributes = std::span<const TBasicXmlAttributeView<TChar>>;

  virtual ~IBasicXmlBuilder() = default;

  virtual void StartElement(TView name, TAttributes attributes) = 0;
  virtual void EndElement() = 0;
  // A non-empty run of the current element's text: plain text trimmed at its end, entities undecoded, or the
  // content of a CDATA section. continuesCData: the section directly follows the element's previous CDATA
  // run and belongs to the same text.
  virtual void TextRun(TView run, bool cdata, bool continuesCData) = 0;
  virtual void Comment(TView text) = 0;
  virtual void ProcInstr(TView target, TAttributes attributes) = 0;
};

using TXmlAttributeView = TBasicXmlAttributeView<char16_t>;
using IXmlBuilder = IBasicXmlBuilder<char16_t>;
using IUtf8XmlBuilder = IBasicXmlBuilder<char>;

// Where a document's root element goes when it is not kept as RootTag: UTF-8 documents are parsed as they
// are, all others after decoding.
struct TXmlRootBuilders {
  IXmlBuilder& Utf16;
  IUtf8XmlBuilder& Utf8;
};

}  // namespace tolvane::storage
