#pragma once

#include "storage/Item.h"
#include "storage/Xmlfile.h"
#include "storage/Xmlwriter.h"

namespace tolvane::storage {

// Writes items exactly as TItem::WriteToXml followed by WriteTag would, without building the elements.

// The root element: the name and attributes of the document's root, the root item's fields and its items.
class TItemRootWriter final : public IXmlRootWriter {
 public:
  explicit TItemRootWriter(const TItem& root) : Root(root) {}

  void Write(const TQxXmlTag& rootTag, TXmlTextSink& sink) const override;

 private:
  const TItem& Root;
};

// The item as an "Item" element at the given element level.
void WriteItemXml(const TItem& item, int level, TXmlTextSink& sink);

}  // namespace tolvane::storage
