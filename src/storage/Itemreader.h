#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/Item.h"
#include "storage/Itemslabs.h"
#include "storage/Xmlbuilder.h"

namespace tolvane::storage {

// Reads a menu file's root element straight into an item tree while it is parsed, by the rules of
// TItem::ReadFromXml, without building the element tree first. Takes UTF-16 text and UTF-8 bytes alike. An
// unreadable "Type" or "Img" is noted and reading goes on, so that a later XML error still takes precedence.
class TItemXmlBuilder final : public IXmlBuilder, public IUtf8XmlBuilder {
 public:
  explicit TItemXmlBuilder(TItem& root) : Root(root) {}

  TXmlRootBuilders Builders() { return {*this, *this}; }

  void StartElement(std::u16string_view name, std::span<const TXmlAttributeView> attributes) override;
  void StartElement(std::string_view name, std::span<const TBasicXmlAttributeView<char>> attributes) override;
  void EndElement() override;
  void TextRun(std::u16string_view run, bool cdata, bool continuesCData) override;
  void TextRun(std::string_view run, bool cdata, bool continuesCData) override;
  void Comment(std::u16string_view) override {}
  void Comment(std::string_view) override {}
  void ProcInstr(std::u16string_view, std::span<const TXmlAttributeView>) override {}
  void ProcInstr(std::string_view, std::span<const TBasicXmlAttributeView<char>>) override {}

  const std::u16string& RootName() const { return Name; }
  // The root element's "ver" attribute.
  const std::u16string& RootVersion() const { return Version; }
  // Why the items could not be read; empty when they could.
  const std::u16string& Error() const { return FirstError; }

 private:
  enum class TKind { Item, Field, ZVals, Ignored };
  // A "ZVals" value as far as it counts: its first four characters.
  struct TZVals {
    char16_t Units[4] = {};
    std::uint8_t Size = 0;
    bool Read = false;

    std::u16string_view View() const { return {Units, Size}; }
  };
  struct TOpen {
    TKind Kind = TKind::Ignored;
    TItem* Item = nullptr;           // Item: the item read; Field: the item the field belongs to
    std::u16string* Text = nullptr;  // Field, ZVals: where the element's value (its first run) goes
    TItemText* Field = nullptr;      // Field: the field that takes FieldText at the end
    bool LastRunIsText = false;
    TZVals ZVals;  // Item: the last ZVals read
  };

  template <class TChar>
  void Start(std::basic_string_view<TChar> name, std::span<const TBasicXmlAttributeView<TChar>> attributes);
  template <class TChar>
  TItem* NewChildItem(TItem& parent, std::span<const TBasicXmlAttributeView<TChar>> attributes);
  template <class TChar>
  void Run(std::basic_string_view<TChar> run, bool cdata, bool continuesCData);

  TItem& Root;
  TItemSlabs Slabs;  // the items read
  std::vector<TOpen> Open;
  std::u16string Name;
  std::u16string Version;
  std::u16string FirstError;
  std::u16string ZValsText;  // the open ZVals element's value
  std::u16string FieldText;  // the open field's value while it is decoded
};

}  // namespace tolvane::storage
