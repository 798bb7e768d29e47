#pragma once

#include "storage/Item.h"
#include "storage/Xmlfile.h"
#include "storage/Xmlwriter.h"

namespace tolvane::storage {

// Writes items exactly as TItem::WriteToXml followed by WriteTag would, without building the elements.

// The root element: the name and attributes of the document's root, the root item's fields and its items.
class TItemRootWriter final : public IXmlRootWriter {
 public:
  // sizeHint: about how large the output will be, such as the size of the file the menu came from.
  explicit TItemRootWriter(const TItem& root, std::size_t sizeHint = 0) : Root(root), Hint(sizeHint) {}

  std::size_t SizeHint() const override { return Hint; }
  void Write(const TQxXmlTag& rootTag, TXmlTextSink& sink) const override;

 private:
  const TItem& Root;
  std::size_t Hint;
};

// The item as an "Item" element at the given element level.
void WriteItemXml(const TItem& item, int level, TXmlTextSink& sink);

}  // namespace tolvane::storage
