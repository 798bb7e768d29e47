#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/Qxptrvector.h"
#include "storage/Xmlattrib.h"

namespace tolvane::storage {

enum TQxXmlTagType : int {
  xtElement = 0,       // element whose text is plain (held escaped, as it stands in a file)
  xtElementCData = 1,  // element whose text is a CDATA section
  xtText = 2,          // a further run of plain text inside an element
  xtTextCData = 3,     // a further CDATA section inside an element
  xtComment = 4,
  xtProcInstr = 5,  // the XML declaration too; Name holds the target
  xtDocType = 6,    // Value holds the whole declaration from "<!" to its closing ">"
};

inline constexpr int XmlIndent = 2;
inline constexpr int XmlLineWidth = 90;
// Deepest element nesting a document may have (the root is depth 0). Deeper input is rejected as illegal,
// which keeps every recursive walk over a loaded tree within a small, fixed stack budget.
inline constexpr int XmlMaxDepth = 1000;

// One node of the XML model: element, text run, CDATA run, comment, processing instruction or DOCTYPE.
class TQxXmlTag {
 public:
  TQxXmlTag() = default;
  explicit TQxXmlTag(int level) : Level(level) {}
  // A non-element node at level 0: for xtProcInstr the text is the target (Name), otherwise the Value.
  TQxXmlTag(std::u16string_view text, TQxXmlTagType kind);
  virtual ~TQxXmlTag() = default;
  TQxXmlTag(const TQxXmlTag&) = delete;
  TQxXmlTag& operator=(const TQxXmlTag&) = delete;

  int NameLength() const { return static_cast<int>(Name.size()); }
  int ValueLength() const { return static_cast<int>(Value.size()); }

  void SetName(std::u16string_view name) { Name = name; }
  // CDATA kinds keep the text verbatim; the others store it escaped, without trailing codes of 32 or less.
  void SetValue(std::u16string_view text);
  // The plain kinds decode their stored text (and trim it); the others return it verbatim.
  std::u16string GetValue() const;

  TQxXmlTag* AddChild();
  TQxXmlTag* AddChild(std::u16string_view name, std::u16string_view value, TQxXmlTagType kind);

  // The first attribute of that name (case-sensitive), or an empty text.
  std::u16string GetAttribute(std::u16string_view name) const;
  // An empty value removes the attribute; otherwise the first one of that name changes, or one is appended.
  void SetAttribute(std::u16string_view name, std::u16string_view value);
  void AddAttribute(std::u16string_view name, std::u16string_view value);
  void RemoveAttribute(std::u16string_view name);

  // Parses one element from text that starts at its name (the "<" already consumed) into this node.
  // On failure errorLine, when given, receives up to 100 characters of the input from the failing place.
  [[nodiscard]] bool ParseElement(std::u16string_view text, std::u16string* errorLine = nullptr);
  // Appends the node and everything under it in the file layout; every node begins with a line break.
  void WriteTag(std::u16string& out) const;
  // An upper bound of what WriteTag appends.
  std::size_t MeasureTag() const;

  std::u16string Name;
  std::u16string Value;
  int TextRunCount = 0;
  int Level = 0;
  TQxXmlTagType TagType = xtElement;
  TQxPtrVector<TQxXmlTag> Children;
  TTagAttribVec Attributes;

 private:
  int IndexOfAttribute(std::u16string_view name) const;
};

}  // namespace tolvane::storage
