// An item and its subtree as elements of the XML model.

#include <algorithm>
#include <optional>
#include <vector>

#include "common/Decimaltext.h"
#include "storage/Item.h"
#include "storage/Itemfields.h"

namespace tolvane::storage {

using namespace itemfields;

bool TItem::ReadFromXml(const TQxXmlTag& tag, std::u16string& error) {
  std::optional<std::u16string> zvals;
  for (const TQxXmlTag& node : tag.Children) {
    if ((node.TagType != xtElement && node.TagType != xtElementCData) || node.Name.empty())
      continue;
    const char16_t letter = node.Name[0];
    if (letter == u'I') {
      std::vector<std::u16string_view> values;
      for (int i = 0; i < std::min(node.Attributes.Count(), 2); ++i)
        values.push_back(node.Attributes[i]->Value);
      auto child = std::make_unique<TItem>(this);
      if (!ReadItemAttributes(std::span<const std::u16string_view>(values), *child, error) ||
          !AppendChild(std::move(child))->ReadFromXml(node, error))
        return false;
    } else if (letter == u'Z') {
      zvals = node.GetValue();
    } else if (TItemText* field = FieldByLetter(*this, letter)) {
      *field = node.GetValue();
    }
  }
  if (zvals)
    UnpackZVals(*zvals, *this);
  FinishReadItem(*this);
  return true;
}

void TItem::WriteToXml(TQxXmlTag& tag) const {
  if (Level != 0)
    WriteToXmlAsItem(tag);
  else
    WriteFields(tag);
}

void TItem::WriteToXmlAsItem(TQxXmlTag& tag) const {
  tag.SetName(u"Item");
  tag.AddAttribute(u"Type", DecimalText(ItemType));
  tag.AddAttribute(u"Img", DecimalText(ImageIndex));
  WriteFields(tag);
}

void TItem::WriteFields(TQxXmlTag& tag) const {
  for (const TStoredField& field : StoredFields) {
    const std::u16string_view value = field.Get(*this);
    if (value.empty() && !field.IsName())
      continue;
    const TStoredValue stored = StoredValue(field.Form, value);
    tag.AddChild(field.Element, stored.Text, stored.CData ? xtElementCData : xtElement);
  }
  if (NeedsZVals(*this))
    tag.AddChild(u"ZVals", PackZVals(*this), xtElement);
  for (const TItem& child : Children) {
    if (child.ItemType < ItemTypeProgramOwn)
      child.WriteToXmlAsItem(*tag.AddChild());
  }
}

}  // namespace tolvane::storage
