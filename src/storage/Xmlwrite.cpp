// The file layout of the XML model: CR LF line breaks, XmlIndent blanks a level, values and attributes moved
// to a line of their own when the line would grow past XmlLineWidth.

#include <algorithm>

#include "common/Unicode.h"
#include "storage/Xmlchars.h"
#include "storage/Xmlencoding.h"
#include "storage/Xmltag.h"
#include "storage/Xmlwriter.h"

namespace tolvane::storage {
namespace {

constexpr std::u16string_view CDataOpen = u"<![CDATA[";
constexpr std::u16string_view CDataClose = u"]]>";
// "]]>" inside a CDATA text ends one section after "]]" and starts the next with ">".
constexpr std::u16string_view CDataSplit = u"]]]]><![CDATA[>";
constexpr std::size_t CDataWrapper = CDataOpen.size() + CDataClose.size();

std::size_t Blanks(int level, int extra = 0) {
  return static_cast<std::size_t>(std::max(0, XmlIndent * level + extra));
}

bool IsCData(TQxXmlTagType kind) {
  return kind == xtElementCData || kind == xtTextCData;
}

void AppendCData(std::u16string& out, std::u16string_view value) {
  out += CDataOpen;
  std::size_t done = 0;
  for (std::size_t at = value.find(CDataClose); at != std::u16string_view::npos;
       at = value.find(CDataClose, done)) {
    out.append(value.substr(done, at - done));
    out += CDataSplit;
    done = at + CDataClose.size();
  }
  out.append(value.substr(done));
  out += CDataClose;
}

void AppendValue(std::u16string& out, std::u16string_view text, TXmlValueForm form) {
  if (form == TXmlValueForm::CData)
    AppendCData(out, text);
  else if (form == TXmlValueForm::Escaped)
    AppendEscapedXml(out, text);
  else
    out += text;
}

std::size_t CountCDataSplits(std::u16string_view value) {
  std::size_t splits = 0;
  for (std::size_t at = value.find(CDataClose); at != std::u16string_view::npos;
       at = value.find(CDataClose, at + 1))
    ++splits;
  return splits;
}

// lineStart is where the current line is measured from; a wrapped attribute starts a new measure.
void WriteAttribute(TXmlTextSink& sink, std::size_t& lineStart, int level, std::u16string_view name,
                    std::u16string_view value) {
  if (sink.Position() - lineStart + name.size() + value.size() + 4 > static_cast<std::size_t>(XmlLineWidth)) {
    sink.LineBreak(Blanks(level + 1));
    lineStart = sink.Position();
  }
  // Values are held as they stood in the file, so one read from a '-delimited attribute may hold a '"'.
  // Written between '"' it would end the value early and the file would no longer load.
  const bool hasDouble = value.find(u'"') != std::u16string_view::npos;
  const bool hasSingle = value.find(u'\'') != std::u16string_view::npos;
  const char16_t quote = hasDouble && !hasSingle ? u'\'' : u'"';
  sink.Text += u' ';
  sink.Text += name;
  sink.Text += u'=';
  sink.Text += quote;
  if (hasDouble && hasSingle) {
    for (const char16_t c : value) {
      if (c == u'"')
        sink.Text += u"&quot;";
      else
        sink.Text += c;
    }
  } else {
    sink.Text += value;
  }
  sink.Text += quote;
}

void WriteAttributes(const TQxXmlTag& tag, TXmlElementWriter& writer) {
  for (const TTagAttribute& attribute : tag.Attributes)
    writer.Attribute(attribute.Name, attribute.Value);
}

void WriteElement(const TQxXmlTag& tag, TXmlTextSink& sink) {
  TXmlElementWriter writer(sink, tag.Level, tag.Name);
  WriteAttributes(tag, writer);
  const bool hasValue = !tag.Value.empty();
  const bool hasChildren = !tag.Children.Empty();
  if (!hasValue && !hasChildren) {
    writer.CloseEmpty();
    return;
  }
  if (hasValue)
    writer.Value(tag.Value, IsCData(tag.TagType) ? TXmlValueForm::CData : TXmlValueForm::Stored, hasChildren);
  else
    writer.OpenContent();
  for (const TQxXmlTag& child : tag.Children)
    WriteXmlNode(child, sink);
  writer.Close(hasChildren);
}

// Comments, text runs, processing instructions and DOCTYPEs.
void WriteOtherNode(const TQxXmlTag& tag, TXmlTextSink& sink) {
  if (tag.TagType == xtDocType) {
    sink.Text += u"\r\n";
    sink.Text += tag.Value;
    return;
  }
  sink.LineBreak(Blanks(tag.Level));
  if (tag.TagType == xtComment) {
    sink.Text += u"<!--";
    sink.Text += tag.Value;
    sink.Text += u"-->";
  } else if (tag.TagType == xtProcInstr) {
    sink.Text += u"<?";
    std::size_t lineStart = sink.Position();
    sink.Text += tag.Name;
    for (const TTagAttribute& attribute : tag.Attributes)
      WriteAttribute(sink, lineStart, tag.Level, attribute.Name, attribute.Value);
    sink.Text += u"?>";
  } else {
    AppendValue(sink.Text, tag.Value, IsCData(tag.TagType) ? TXmlValueForm::CData : TXmlValueForm::Stored);
  }
}

}  // namespace

void TXmlTextSink::Flush() {
  const std::size_t skipped = std::min(Skip, Text.size());
  AppendUtf8(*Utf8, std::u16string_view(Text).substr(skipped));
  Skip -= skipped;
  Flushed += Text.size();
  Text.clear();
}

TXmlElementWriter::TXmlElementWriter(TXmlTextSink& sink, int level, std::u16string_view name)
    : Sink(sink), Level(level), Name(name), LineStart(sink.Position()) {
  Sink.LineBreak(Blanks(Level));
  Sink.Text += u'<';
  Sink.Text += Name;
}

void TXmlElementWriter::Attribute(std::u16string_view name, std::u16string_view value) {
  WriteAttribute(Sink, LineStart, Level, name, value);
}

void TXmlElementWriter::Value(std::u16string_view text, TXmlValueForm form, bool hasChildren) {
  Sink.Text += u'>';
  // Measured before it is written, so a value on a line of its own never moves once written.
  const std::size_t column = Sink.Position() - LineStart;
  const std::size_t wrapper = form == TXmlValueForm::CData ? CDataWrapper : 0;
  const std::size_t endTag = hasChildren ? 0 : Name.size() + 3;
  const auto passesLine = [&](std::size_t length) {
    return column + length + wrapper + endTag > static_cast<std::size_t>(XmlLineWidth);
  };
  // Escaping only lengthens a text, so a long one needs no measuring.
  const bool ownLine =
      passesLine(text.size()) || (form == TXmlValueForm::Escaped && passesLine(EscapedXmlLength(text)));
  if (ownLine)
    Sink.LineBreak(Blanks(Level, XmlIndent));
  AppendValue(Sink.Text, text, form);
  if (ownLine)
    Sink.LineBreak(Blanks(Level));
}

void TXmlElementWriter::Close(bool afterChildren) {
  if (afterChildren)
    Sink.LineBreak(Blanks(Level));
  Sink.Text += u"</";
  Sink.Text += Name;
  Sink.Text += u'>';
}

void WriteXmlNode(const TQxXmlTag& tag, TXmlTextSink& sink) {
  sink.MaybeFlush();
  if (tag.TagType == xtElement || tag.TagType == xtElementCData)
    WriteElement(tag, sink);
  else
    WriteOtherNode(tag, sink);
}

void TQxXmlTag::WriteTag(std::u16string& out) const {
  TXmlTextSink sink(out);
  WriteXmlNode(*this, sink);
}

std::size_t TQxXmlTag::MeasureTag() const {
  // Every line break the node may write, with the deepest indentation it can have.
  const std::size_t lineBreak = 2 + Blanks(Level + 1, XmlIndent);
  const std::size_t value =
      IsCData(TagType) ? Value.size() + CDataWrapper + CountCDataSplits(Value) * (CDataSplit.size() - 3)
                       : Value.size();
  std::size_t size = lineBreak + Name.size() * 2 + value + 3 * lineBreak + 16;
  for (const TTagAttribute& attribute : Attributes) {
    // Room for every '"' written as "&quot;".
    const auto quotes = static_cast<std::size_t>(std::ranges::count(attribute.Value, u'"'));
    size += lineBreak + attribute.Name.size() + attribute.Value.size() + 5 * quotes + 4;
  }
  for (const TQxXmlTag& child : Children)
    size += child.MeasureTag();
  return size;
}

}  // namespace tolvane::storage
