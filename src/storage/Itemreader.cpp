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
  // Taken before the push, which may move the open elements.
  TItem* const parent = Open.back().Kind == TKind::Item ? Open.back().Item : nullptr;
  TOpen& element = Open.emplace_back();
  if (parent == nullptr || name.empty())
    return;
  const auto letter = static_cast<char16_t>(UnitValue(name[0]));
  element.Item = parent;
  if (letter == u'I') {
    element.Item = NewChildItem(*parent, attributes);
    element.Kind = element.Item != nullptr ? TKind::Item : TKind::Ignored;
  } else if (letter == u'Z') {
    element.Kind = TKind::ZVals;
    element.Text = &ZValsText;
  } else if ((element.Field = itemfields::FieldByLetter(*parent, letter)) != nullptr) {
    element.Kind = TKind::Field;
    element.Text = &FieldText;
  }
  // The value is decoded into a buffer and stored at the end; an element without text leaves the field empty.
  if (element.Text != nullptr)
    element.Text->clear();
}

template <class TChar>
TItem* TItemXmlBuilder::NewChildItem(TItem& parent,
                                     std::span<const TBasicXmlAttributeView<TChar>> attributes) {
  std::basic_string_view<TChar> values[2];
  const std::size_t count = std::min<std::size_t>(attributes.size(), 2);
  for (std::size_t i = 0; i < count; ++i)
    values[i] = attributes[i].Value;
  std::unique_ptr<TItem> child(new (Slabs) TItem(&parent));
  std::u16string error;
  if (!itemfields::ReadItemAttributes(std::span<const std::basic_string_view<TChar>>(values, count), *child,
                                      error)) {
    if (FirstError.empty())
      FirstError = std::move(error);
    return nullptr;
  }
  return parent.AppendChild(std::move(child));
}

template <class TChar>
void TItemXmlBuilder::Run(std::basic_string_view<TChar> run, bool cdata, bool continuesCData) {
  TOpen& element = Open.back();
  if (element.Text == nullptr)
    return;
  std::u16string& text = *element.Text;
  if (continuesCData) {
    if (element.LastRunIsText)
      AppendUtf16(text, run);
    return;
  }
  // The element's value is its first run: CDATA as it is, plain text decoded as GetValue would. Plain runs
  // arrive trimmed, and decoding adds no blanks, so nothing is left to trim.
  element.LastRunIsText = text.empty();
  if (!element.LastRunIsText)
    return;
  if (cdata)
    AppendUtf16(text, run);
  else
    AppendDecodedUtf16(text, run);
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
    case TKind::ZVals: {
      TZVals& zvals = Open[Open.size() - 2].ZVals;
      zvals.Size = static_cast<std::uint8_t>(std::min(ZValsText.size(), std::size(zvals.Units)));
      std::copy_n(ZValsText.begin(), zvals.Size, zvals.Units);
      zvals.Read = true;
      break;
    }
    case TKind::Item:
      if (element.ZVals.Read)
        itemfields::UnpackZVals(element.ZVals.View(), *element.Item);
      itemfields::FinishReadItem(*element.Item);
      break;
    case TKind::Field:
      // The root is the caller's; the items read are made in the slabs, which keep their texts too.
      if (element.Item == &Root)
        *element.Field = FieldText;
      else
        TItemSlabs::PlaceText(element.Item, *element.Field, FieldText);
      break;
    case TKind::Ignored:
      break;
  }
  Open.pop_back();
}

}  // namespace tolvane::storage
