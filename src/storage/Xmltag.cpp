#include "storage/Xmltag.h"

#include <memory>

#include "storage/Xmlchars.h"
#include "storage/Xmlparser.h"

namespace tolvane::storage {

TQxXmlTag::TQxXmlTag(std::u16string_view text, TQxXmlTagType kind) : TagType(kind) {
  if (kind == xtProcInstr)
    Name = text;
  else
    Value = text;
}

void TQxXmlTag::SetValue(std::u16string_view text) {
  if (TagType == xtElementCData || TagType == xtTextCData)
    Value = text;
  else
    Value = EscapeXmlText(text);
}

std::u16string TQxXmlTag::GetValue() const {
  if (TagType == xtElement || TagType == xtText)
    return DecodeXmlText(Value);
  return Value;
}

TQxXmlTag* TQxXmlTag::AddChild() {
  return Children.Add(std::make_unique<TQxXmlTag>(Level + 1));
}

TQxXmlTag* TQxXmlTag::AddChild(std::u16string_view name, std::u16string_view value, TQxXmlTagType kind) {
  TQxXmlTag* child = AddChild();
  child->TagType = kind;
  child->SetName(name);
  child->SetValue(value);
  return child;
}

int TQxXmlTag::IndexOfAttribute(std::u16string_view name) const {
  for (int i = 0; i < Attributes.Count(); ++i) {
    if (Attributes[i]->Name == name)
      return i;
  }
  return -1;
}

std::u16string TQxXmlTag::GetAttribute(std::u16string_view name) const {
  const int index = IndexOfAttribute(name);
  return index < 0 ? std::u16string() : Attributes[index]->Value;
}

void TQxXmlTag::SetAttribute(std::u16string_view name, std::u16string_view value) {
  if (value.empty()) {
    RemoveAttribute(name);
    return;
  }
  const int index = IndexOfAttribute(name);
  if (index < 0)
    AddAttribute(name, value);
  else
    Attributes[index]->Value = value;
}

void TQxXmlTag::AddAttribute(std::u16string_view name, std::u16string_view value) {
  Attributes.Add(std::make_unique<TTagAttribute>(name, value));
}

void TQxXmlTag::RemoveAttribute(std::u16string_view name) {
  Attributes.Delete(IndexOfAttribute(name));
}

bool TQxXmlTag::ParseElement(std::u16string_view text, std::u16string* errorLine) {
  TXmlParser parser(text);
  TXmlTagBuilder builder(*this);
  if (parser.ParseElement(builder))
    return true;
  if (errorLine != nullptr && parser.HasErrorLine())
    *errorLine = parser.ErrorLine();
  return false;
}

}  // namespace tolvane::storage
