#include "storage/Itemwriter.h"

#include "common/Decimaltext.h"
#include "storage/Itemfields.h"

namespace tolvane::storage {
namespace {

using namespace itemfields;

void WriteField(std::u16string_view element, TStoredValue stored, int level, TXmlTextSink& sink) {
  TXmlElementWriter writer(sink, level, element);
  if (stored.Text.empty()) {
    writer.CloseEmpty();
    return;
  }
  writer.Value(stored.Text, stored.CData ? TXmlValueForm::CData : TXmlValueForm::Escaped, false);
  writer.Close(false);
}

// The elements inside an item's element, which stands at level - 1.
void WriteContent(const TItem& item, int level, TXmlTextSink& sink) {
  for (const TStoredField& field : StoredFields) {
    const std::u16string_view value = field.Get(item);
    if (!value.empty() || field.IsName())
      WriteField(field.Element, StoredValue(field.Form, value), level, sink);
  }
  if (NeedsZVals(item))
    WriteField(u"ZVals", {PackZVals(item), false}, level, sink);
  for (const TItem& child : item.Children) {
    if (child.ItemType < ItemTypeProgramOwn)
      WriteItemXml(child, level, sink);
  }
}

}  // namespace

void WriteItemXml(const TItem& item, int level, TXmlTextSink& sink) {
  sink.MaybeFlush();
  TXmlElementWriter writer(sink, level, u"Item");
  writer.Attribute(u"Type", DecimalText(item.ItemType));
  writer.Attribute(u"Img", DecimalText(item.ImageIndex));
  writer.OpenContent();
  WriteContent(item, level + 1, sink);
  writer.Close(true);
}

void TItemRootWriter::Write(const TQxXmlTag& rootTag, TXmlTextSink& sink) const {
  TXmlElementWriter writer(sink, rootTag.Level, rootTag.Name);
  for (const TTagAttribute& attribute : rootTag.Attributes)
    writer.Attribute(attribute.Name, attribute.Value);
  writer.OpenContent();
  WriteContent(Root, rootTag.Level + 1, sink);
  writer.Close(true);
}

}  // namespace tolvane::storage
