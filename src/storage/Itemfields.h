#pragma once
// How the fields of an item are stored: their elements in file order and form, the first letters that
// recognise them, the "ZVals" packing and the integer attributes.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "storage/Item.h"

namespace tolvane::storage::itemfields {

enum class TFieldForm {
  Plain,   // escaped text without trailing blanks; CDATA only to keep leading blanks
  Framed,  // CDATA when it starts or ends with a blank or line break, escaped text otherwise
  CData,   // always CDATA
};

// A field's text as a plain function.
template <auto Member>
std::u16string_view FieldText(const TItem& item) {
  return item.*Member;
}

struct TStoredField {
  std::u16string_view Element;
  // The field's text, and storing a new one.
  std::u16string_view (*Get)(const TItem& item);
  void (*Set)(TItem& item, std::u16string_view text);
  TFieldForm Form;
  bool IsName() const { return Element == u"Name"; }
};

// In file order; "Name" is written even when empty, the others only when not empty.
extern const std::array<TStoredField, 14> StoredFields;

// What a field's element holds: the text (as it is to be stored before escaping) and whether it is CDATA.
struct TStoredValue {
  std::u16string_view Text;
  bool CData = false;
};
TStoredValue StoredValue(TFieldForm form, std::u16string_view value);

// The field an element's first letter stands for; null for "I", "Z" and unknown letters.
TItemText* FieldByLetter(TItem& item, char16_t letter);

bool NeedsZVals(const TItem& item);
std::u16string PackZVals(const TItem& item);
void UnpackZVals(std::u16string_view zvals, TItem& item);

inline constexpr std::u16string_view NestedTooDeeply = u"The menu is nested too deeply";

// What every item read from a file goes through last: a repeat count of at least 1, and no type of the
// program's own, since a received or hand-edited file could otherwise plant program commands in the menus.
// Such an item becomes a folder when it holds items and a text clip otherwise, so none of its text is lost.
void FinishReadItem(TItem& item);
// An "Item" element's type and image from the values of its first two attributes, whatever their names; a
// missing one keeps the item's default. Each must be a decimal integer with an optional sign after optional
// leading blanks. Also refuses an item nested deeper than MaxItemLevel. Values are UTF-16 (char16_t) or
// UTF-8 (char) read as their UTF-16 conversion would be.
template <class TChar>
[[nodiscard]] bool ReadItemAttributes(std::span<const std::basic_string_view<TChar>> values, TItem& item,
                                      std::u16string& error);

}  // namespace tolvane::storage::itemfields
