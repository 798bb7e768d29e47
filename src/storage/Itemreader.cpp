#include "storage/Itemreader.h"

#include <algorithm>

#include "storage/Itemfields.h"
#include "storage/Xmltext.h"

namespace tolvane::storage {

template <class TChar>
void TItemXmlBuilder::Start(std::basic_string_view<TChar> name,
                            std::span<const TBasicXmlAttributeView<TChar>> attributes) {
  if (Open.empty()) {
    Name = ToUtf16(name);
    for (const TBasicXmlAttributeView<TChar>& attribute : attributes) {
      if (attribute.Name.size() == 3 && HasAsciiAt(attribute.Name, 0, "ver")) {
        Version = ToUtf16(attribute.Value);
        break;
      }
    }
    TOpen& root = Open.emplace_back();
    root.Kind = TKind::Item;
    root.Item = &Root;
    return;
  }
  TOpen& parent = Open.back();
  TOpen element;
  if (parent.Kind == TKind::Item && !name.empty()) {
    const auto letter = static_cast<char16_t>(UnitValue(name[0]));
    element.Item = parent.Item;
    if (letter == u'I') {
      element.Item = NewChildItem(*parent.Item, attributes);
      element.Kind = element.Item != nullptr ? TKind::Item : TKind::Ignored;
    } else if (letter == u'Z') {
      element.Kind = TKind::ZVals;
    } else if ((element.Field = itemfields::FieldByLetter(*parent.Item, letter)) != nullptr) {
      element.Kind = TKind::Field;
    }
  }
  Open.push_back(std::move(element));
}

template <class TChar>
TItem* TItemXmlBuilder::NewChildItem(TItem& parent,
                                     std::span<const TBasicXmlAttributeView<TChar>> attributes) {
  std::u16string values[2];
  const std::size_t count = std::min<std::size_t>(attributes.size(), 2);
  for (std::size_t i = 0; i < count; ++i)
    values[i] = ToUtf16(attributes[i].Value);
  auto child = std::make_unique<TItem>(&parent);
  std::u16string error;
  if (!itemfields::ReadItemAttributes(std::span(values, count), *child, error)) {
    if (FirstError.empty())
      FirstError = std::move(error);
    return nullptr;
  }
  return parent.AppendChild(std::move(child));
}

template <class TChar>
void TItemXmlBuilder::Run(std::basic_string_view<TChar> run, bool cdata, bool continuesCData) {
  TOpen& element = Open.back();
  if (element.Kind != TKind::Field && element.Kind != TKind::ZVals)
    return;
  if (continuesCData) {
    if (element.LastRunIsText)
      AppendUtf16(element.Text, run);
    return;
  }
  // The element's value is its first run: CDATA as it is, plain text decoded as GetValue would. Plain runs
  // arrive trimmed, and decoding adds no blanks, so nothing is left to trim.
  element.LastRunIsText = element.Text.empty();
  if (!element.LastRunIsText)
    return;
  if (cdata)
    AppendUtf16(element.Text, run);
  else
    AppendDecodedUtf16(element.Text, run);
}

void TItemXmlBuilder::StartElement(std::u16string_view name, std::span<const TXmlAttributeView> attributes) {
  Start(name, attributes);
}

void TItemXmlBuilder::StartElement(std::string_view name,
                                   std::span<const TBasicXmlAttributeView<char>> attributes) {
  Start(name, attributes);
}

void TItemXmlBuilder::TextRun(std::u16string_view run, bool cdata, bool continuesCData) {
  Run(run, cdata, continuesCData);
}

void TItemXmlBuilder::TextRun(std::string_view run, bool cdata, bool continuesCData) {
  Run(run, cdata, continuesCData);
}

void TItemXmlBuilder::EndElement() {
  TOpen& element = Open.back();
  switch (element.Kind) {
    case TKind::Field:
      *element.Field = std::move(element.Text);
      break;
    case TKind::ZVals:
      Open[Open.size() - 2].ZVals = std::move(element.Text);
      break;
    case TKind::Item:
      if (element.ZVals)
        itemfields::UnpackZVals(*element.ZVals, *element.Item);
      itemfields::FinishReadItem(*element.Item);
      break;
    case TKind::Ignored:
      break;
  }
  Open.pop_back();
}

}  // namespace tolvane::storage
