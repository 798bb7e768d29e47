#pragma once
// The writer behind TQxXmlTag::WriteTag, shared with the menu writer so both lay out elements alike. It can
// hand its text on as UTF-8 in pieces, so a document is saved without ever holding its whole UTF-16 text.

#include <cstddef>
#include <string>
#include <string_view>

#include "storage/Xmltag.h"

namespace tolvane::storage {

class TXmlTextSink {
 public:
  // Appends to text.
  explicit TXmlTextSink(std::u16string& text) : Text(text) {}
  // Appends to utf8, leaving out the first skipUnits code units of the text.
  TXmlTextSink(std::u16string& buffer, std::string& utf8, std::size_t skipUnits)
      : Text(buffer), Utf8(&utf8), Skip(skipUnits) {}

  // Position in the whole text written so far; layout decisions measure distances between positions.
  std::size_t Position() const { return Flushed + Text.size(); }
  // Hands the buffered text on when it has grown large (UTF-8 target only).
  void MaybeFlush() {
    if (Utf8 != nullptr && Text.size() >= FlushSize)
      Flush();
  }
  void Flush();
  // CR LF and the blanks of an indentation.
  void LineBreak(std::size_t blanks) {
    Text += u"\r\n";
    Text.append(blanks, u' ');
  }

  std::u16string& Text;

 private:
  static constexpr std::size_t FlushSize = 32 * 1024;

  std::string* Utf8 = nullptr;
  std::size_t Skip = 0;
  std::size_t Flushed = 0;
};

enum class TXmlValueForm {
  Stored,   // plain text as stored, already escaped
  Escaped,  // plain text that is escaped while it is written
  CData,    // written as CDATA
};

// One element written piece by piece: the start tag with its attributes, then either "/>" or a value and/or
// children and the end tag.
class TXmlElementWriter {
 public:
  // A line break with the level's indentation, "<" and the name.
  TXmlElementWriter(TXmlTextSink& sink, int level, std::u16string_view name);

  // Moves to a continuation line first when the attribute would pass the line width.
  void Attribute(std::u16string_view name, std::u16string_view value);
  // Ends an element that has neither value nor children.
  void CloseEmpty() { Sink.Text += u"/>"; }
  // Ends the start tag of an element with children but no value.
  void OpenContent() { Sink.Text += u'>'; }
  // Ends the start tag and writes the non-empty value, on a line of its own when it does not fit.
  void Value(std::u16string_view text, TXmlValueForm form, bool hasChildren);
  // The end tag; after children it stands on a line of its own.
  void Close(bool afterChildren);

 private:
  TXmlTextSink& Sink;
  int Level;
  std::u16string_view Name;
  std::size_t LineStart;
};

void WriteXmlNode(const TQxXmlTag& tag, TXmlTextSink& sink);

}  // namespace tolvane::storage
