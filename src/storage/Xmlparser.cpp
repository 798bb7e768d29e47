#include "storage/Xmlparser.h"

#include <algorithm>

#include "storage/Xmltext.h"

namespace tolvane::storage {
namespace {

constexpr std::size_t ErrorLineLength = 100;

template <class TChar>
bool Is(TChar c, char ascii) {
  return UnitValue(c) == static_cast<unsigned char>(ascii);
}

// A line feed ends a name like CR does, so files written with LF line endings load.
template <class TChar>
bool EndsName(TChar c) {
  return Is(c, ' ') || Is(c, '\r') || Is(c, '\n') || Is(c, '\t');
}

template <class TChar>
bool IsSkippable(TChar c) {
  return UnitValue(c) >= 1 && UnitValue(c) <= 32;
}

template <class TChar>
std::basic_string_view<TChar> TrimRight(std::basic_string_view<TChar> text) {
  std::size_t size = text.size();
  while (size > 0 && UnitValue(text[size - 1]) <= 32)
    --size;
  return text.substr(0, size);
}

template <class TChar>
struct TMarkers;
template <>
struct TMarkers<char16_t> {
  static constexpr std::u16string_view CDataEnd = u"]]>";
  static constexpr std::u16string_view CommentEnd = u"-->";
};
template <>
struct TMarkers<char> {
  static constexpr std::string_view CDataEnd = "]]>";
  static constexpr std::string_view CommentEnd = "-->";
};

}  // namespace

template <class TChar>
void TBasicXmlParser<TChar>::SkipWhitespace() {
  while (Pos < Text.size() && IsSkippable(Text[Pos]))
    ++Pos;
}

template <class TChar>
bool TBasicXmlParser<TChar>::Fail(std::size_t at, std::size_t unitsBefore) {
  Error = TextAround(Text, at, unitsBefore, ErrorLineLength);
  ErrorSet = true;
  return false;
}

template <class TChar>
std::size_t TBasicXmlParser<TChar>::ReadName() {
  const std::size_t start = Pos;
  for (std::size_t length = NameCharLength(Text, Pos, false); length > 0;
       length = NameCharLength(Text, Pos, false))
    Pos += length;
  return Pos - start;
}

template <class TChar>
bool TBasicXmlParser<TChar>::ParseElement(IBasicXmlBuilder<TChar>& builder) {
  Open.clear();
  if (!ParseStartTag(builder))
    return false;
  while (!Open.empty()) {
    if (!ParseContent(builder))
      return false;
  }
  return true;
}

// Reads a start tag from its name on and reports it; an open element goes onto the stack.
template <class TChar>
bool TBasicXmlParser<TChar>::ParseStartTag(IBasicXmlBuilder<TChar>& builder) {
  const std::size_t start = Pos;
  if (ReadName() == 0)
    return Fail(Pos);
  if (!EndsName(At(Pos)) && !Is(At(Pos), '>') && !Is(At(Pos), '/'))
    return Fail(Pos);
  const TView name = Text.substr(start, Pos - start);
  Attributes.clear();
  SkipWhitespace();
  while (!Is(At(Pos), '>') && !Is(At(Pos), '/')) {
    if (!ParseAttribute())
      return false;
  }
  const bool closed = Is(At(Pos), '/');
  if (closed && !Is(At(Pos + 1), '>'))
    return Fail(Pos);
  Pos += closed ? 2 : 1;
  builder.StartElement(name, Attributes);
  if (closed) {
    SkipWhitespace();
    builder.EndElement();
  } else {
    Open.push_back({name, TView::npos, false});
  }
  return true;
}

template <class TChar>
bool TBasicXmlParser<TChar>::ParseAttribute() {
  if (NameCharLength(Text, Pos, true) == 0)
    return FailBefore(Pos);
  const std::size_t nameStart = Pos;
  ReadName();
  const TView name = Text.substr(nameStart, Pos - nameStart);
  if (!EndsName(At(Pos)) && !Is(At(Pos), '='))
    return FailBefore(Pos);
  SkipWhitespace();
  if (!Is(At(Pos), '='))
    return FailBefore(Pos);
  ++Pos;
  SkipWhitespace();
  const TChar quote = At(Pos);
  if (!Is(quote, '"') && !Is(quote, '\''))
    return FailBefore(Pos);
  const std::size_t valueStart = ++Pos;
  const TChar stops[] = {quote, TChar('>')};
  const std::size_t close = Text.find_first_of(TView(stops, 2), valueStart);
  if (close == TView::npos || Text[close] != quote)
    return FailBefore(std::min(close, Text.size()));
  Attributes.push_back({name, Text.substr(valueStart, close - valueStart)});
  Pos = close + 1;
  SkipWhitespace();
  return true;
}

template <class TChar>
bool TBasicXmlParser<TChar>::ParseEndTag(TView name) {
  const std::size_t length = MatchName(Text, Pos, name);
  if (length == TView::npos)
    return FailBefore(Pos);
  Pos += length;
  SkipWhitespace();
  if (!Is(At(Pos), '>'))
    return FailBefore(Pos);
  ++Pos;
  SkipWhitespace();
  return true;
}

template <class TChar>
bool TBasicXmlParser<TChar>::ParseContent(IBasicXmlBuilder<TChar>& builder) {
  SkipWhitespace();
  if (Pos >= Text.size())
    return Fail(Pos);
  if (!Is(Text[Pos], '<'))
    return ParseTextRun(builder);
  return ParseMarkup(builder);
}

template <class TChar>
bool TBasicXmlParser<TChar>::ParseMarkup(IBasicXmlBuilder<TChar>& builder) {
  const TChar next = At(Pos + 1);
  if (Is(next, '/')) {
    Pos += 2;
    if (!ParseEndTag(Open.back().Name))
      return false;
    Open.pop_back();
    builder.EndElement();
    return true;
  }
  if (Is(next, '!') && Is(At(Pos + 2), '['))
    return ParseCData(builder);
  if (Is(next, '!') && Is(At(Pos + 2), '-')) {
    Pos += 2;
    TView comment;
    if (!ReadComment(comment))
      return false;
    builder.Comment(comment);
    return true;
  }
  if (Is(next, '?')) {
    Pos += 2;
    TView target;
    if (!ReadProcInstr(target))
      return false;
    builder.ProcInstr(target, Attributes);
    return true;
  }
  if (NameCharLength(Text, Pos + 1, true) == 0 || Open.size() > static_cast<std::size_t>(XmlMaxDepth))
    return Fail(Pos);
  ++Pos;
  return ParseStartTag(builder);
}

template <class TChar>
bool TBasicXmlParser<TChar>::ParseTextRun(IBasicXmlBuilder<TChar>& builder) {
  const std::size_t lt = Text.find(TChar('<'), Pos);
  if (lt == TView::npos)
    return Fail(Pos);
  const TView run = TrimRight(Text.substr(Pos, lt - Pos));
  if (!run.empty()) {
    builder.TextRun(run, false, false);
    Open.back().HasCDataRun = false;
  }
  Pos = lt;
  return true;
}

template <class TChar>
bool TBasicXmlParser<TChar>::ParseCData(IBasicXmlBuilder<TChar>& builder) {
  TOpenElement& element = Open.back();
  const bool adjacent = Pos == element.CDataEnd && element.HasCDataRun;
  // The keyword after "<!" is passed over unchecked; the content starts behind the next "[".
  const std::size_t keywordEnd = SkipUnits(Text, Pos + 2, 6);
  const std::size_t bracket = keywordEnd == TView::npos ? TView::npos : Text.find(TChar('['), keywordEnd);
  const std::size_t end =
      bracket == TView::npos ? TView::npos : Text.find(TMarkers<TChar>::CDataEnd, bracket + 1);
  if (end == TView::npos)
    return Fail(Pos);
  const TView run = Text.substr(bracket + 1, end - bracket - 1);
  // A writer splits "]]>" across adjacent sections; together they are one text.
  if (adjacent || !run.empty()) {
    builder.TextRun(run, true, adjacent);
    element.HasCDataRun = true;
  }
  Pos = end + 3;
  element.CDataEnd = Pos;
  return true;
}

template <class TChar>
bool TBasicXmlParser<TChar>::ReadComment(TView& text) {
  while (Is(At(Pos), '-'))
    ++Pos;
  const std::size_t end = Text.find(TMarkers<TChar>::CommentEnd, Pos);
  if (end == TView::npos)
    return Fail(Pos);
  text = Text.substr(Pos, end - Pos);
  Pos = end + 3;
  return true;
}

template <class TChar>
bool TBasicXmlParser<TChar>::ReadProcInstr(TView& target) {
  const std::size_t start = Pos;
  ReadName();
  if (!EndsName(At(Pos)) && !Is(At(Pos), '?'))
    return Fail(Pos);
  target = Text.substr(start, Pos - start);
  Attributes.clear();
  SkipWhitespace();
  while (!Is(At(Pos), '?')) {
    if (!ParseAttribute())
      return false;
  }
  if (!Is(At(Pos + 1), '>'))
    return Fail(Pos);
  Pos += 2;
  return true;
}

template <class TChar>
std::unique_ptr<TQxXmlTag> TBasicXmlParser<TChar>::ParseComment() {
  TView text;
  if (!ReadComment(text))
    return nullptr;
  return std::make_unique<TQxXmlTag>(ToUtf16(text), xtComment);
}

template <class TChar>
std::unique_ptr<TQxXmlTag> TBasicXmlParser<TChar>::ParseProcInstr() {
  TView target;
  if (!ReadProcInstr(target))
    return nullptr;
  auto node = std::make_unique<TQxXmlTag>(ToUtf16(target), xtProcInstr);
  for (const TBasicXmlAttributeView<TChar>& attribute : Attributes)
    node->AddAttribute(ToUtf16(attribute.Name), ToUtf16(attribute.Value));
  return node;
}

template class TBasicXmlParser<char16_t>;
template class TBasicXmlParser<char>;

void TXmlTagBuilder::StartElement(TView name, TAttributes attributes) {
  TQxXmlTag* tag = &Root;
  if (RootStarted) {
    TQxXmlTag& parent = *Open.back().Tag;
    tag = parent.Children.Add(std::make_unique<TQxXmlTag>(parent.Level + 1));
  }
  RootStarted = true;
  tag->SetName(name);
  tag->Attributes.Reserve(static_cast<int>(attributes.size()));
  for (const TXmlAttributeView& attribute : attributes)
    tag->AddAttribute(attribute.Name, attribute.Value);
  Open.push_back({tag, nullptr});
}

void TXmlTagBuilder::TextRun(TView run, bool cdata, bool continuesCData) {
  TOpen& element = Open.back();
  if (continuesCData && element.LastCData != nullptr) {
    element.LastCData->append(run);
    return;
  }
  TQxXmlTag& tag = *element.Tag;
  if (tag.Value.empty()) {
    tag.Value.assign(run);
    tag.TagType = cdata ? xtElementCData : xtElement;
    element.LastCData = cdata ? &tag.Value : nullptr;
    return;
  }
  auto node = std::make_unique<TQxXmlTag>(run, cdata ? xtTextCData : xtText);
  element.LastCData = cdata ? &node->Value : nullptr;
  tag.Children.Add(std::move(node));
  ++tag.TextRunCount;
}

void TXmlTagBuilder::Comment(TView text) {
  Open.back().Tag->Children.Add(std::make_unique<TQxXmlTag>(text, xtComment));
}

void TXmlTagBuilder::ProcInstr(TView target, TAttributes attributes) {
  auto node = std::make_unique<TQxXmlTag>(target, xtProcInstr);
  for (const TXmlAttributeView& attribute : attributes)
    node->AddAttribute(attribute.Name, attribute.Value);
  Open.back().Tag->Children.Add(std::move(node));
}

}  // namespace tolvane::storage
