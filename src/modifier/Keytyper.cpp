#include "modifier/Keytyper.h"

#include "execution/Keyinjection.h"
#include "modifier/Functionsupport.h"

namespace tolvane::modifier {
namespace {

void AddPress(std::vector<platform::TKeyRecord>& records, std::uint16_t virtualKey) {
  records.push_back({virtualKey, 0, 0});
  records.push_back({virtualKey, 0, platform::KeyFlagUp});
}

void AddCharacter(std::vector<platform::TKeyRecord>& records, char16_t c) {
  records.push_back({0, c, platform::KeyFlagUnicode});
  records.push_back({0, c, platform::KeyFlagUnicode | platform::KeyFlagUp});
}

}  // namespace

std::vector<platform::TKeyRecord> TypingRecords(std::u16string_view text, bool homeAfterEnter) {
  std::vector<platform::TKeyRecord> records;
  records.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r') {
      AddCharacter(records, text[i]);
      continue;
    }
    AddPress(records, functions::vk::Enter);
    if (homeAfterEnter)
      AddPress(records, functions::vk::Home);
    // Only an LF belongs to the break; any other character after a CR is text and is typed.
    if (i + 1 < text.size() && text[i + 1] == u'\n')
      ++i;
  }
  return records;
}

void TKeyTyper::Type(std::u16string_view text, bool homeAfterEnter) {
  Send(TypingRecords(text, homeAfterEnter));
}

void TKeyTyper::Press(std::uint16_t virtualKey, std::size_t times) {
  std::vector<platform::TKeyRecord> records;
  AddPress(records, virtualKey);
  for (std::size_t i = 0; i < times; ++i)
    Send(records);
}

void TKeyTyper::Send(const std::vector<platform::TKeyRecord>& records) {
  if (CutOff || records.empty())
    return;
  execution::TKeyState pressed;
  if (execution::SendTracked(Keyboard, records, pressed))
    return;
  CutOff = true;
  (void)execution::ReleaseKeys(Keyboard, pressed);  // best effort; typing has failed already
}

}  // namespace tolvane::modifier
