#include "modifier/Qxclipline.h"

#include "modifier/Unitsearch.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace tolvane::modifier {

namespace {

// Calls visit(text, hasBreak) for each line of the text in order. A CR ends a line and takes only a
// directly following LF with it; any other character starts the next line.
template <class TVisit>
void ForEachLine(std::u16string_view text, TVisit visit) {
  std::size_t position = 0;
  while (position < text.size()) {
    const std::size_t cr = FindUnit(text, u'\r', position);
    if (cr == std::u16string_view::npos) {
      visit(text.substr(position), false);
      return;
    }
    visit(text.substr(position, cr - position), true);
    position = cr + 1;
    if (position < text.size() && text[position] == u'\n')
      ++position;
  }
}

// Whether every CR is followed by an LF: the text is then its own lines joined.
bool BreaksAreCrLf(std::u16string_view text) {
  for (std::size_t cr = FindUnit(text, u'\r', 0); cr != std::u16string_view::npos;
       cr = FindUnit(text, u'\r', cr + 2)) {
    if (cr + 1 >= text.size() || text[cr + 1] != u'\n')
      return false;
  }
  return true;
}

}  // namespace

TClipLines TClipLines::Reading(platform::TSharedText source) {
  TClipLines lines;
  if (source) {
    lines.Uncut = !source->empty();
    lines.Source = std::move(source);
  }
  return lines;
}

TClipLines::TStorage& TClipLines::Cut() const {
  if (!Uncut)
    return Items;
  const std::u16string_view text = *Source;
  TStorage lines;
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\r')) + 1);
  ForEachLine(text, [&](std::u16string_view line, bool hasBreak) {
    lines.emplace_back(TLineText::Viewing(line), hasBreak);
  });
  Items = std::move(lines);
  Uncut = false;
  return Items;
}

bool TClipLines::AnyText(const std::function<bool(std::u16string_view)>& test) const {
  if (!Uncut)
    return std::any_of(Items.begin(), Items.end(),
                       [&](const TClipLine& line) { return test(line.Text.View()); });
  bool found = false;
  // The walk goes on past a find, but only tests until one.
  ForEachLine(*Source, [&](std::u16string_view line, bool) { found = found || test(line); });
  return found;
}

TClipLines LinesFromText(platform::TSharedText source) {
  return TClipLines::Reading(std::move(source));
}

TClipLines LinesFromText(std::u16string_view text) {
  return LinesFromText(std::make_shared<const std::u16string>(text));
}

std::u16string JoinedText(const TClipLines& lines) {
  // Sized first: growing a text of megabytes step by step copies it several times over.
  std::size_t length = 0;
  for (const TClipLine& line : lines)
    length += line.Text.size() + (line.HasLineBreak ? 2 : 0);
  std::u16string text;
  text.reserve(length);
  for (const TClipLine& line : lines) {
    text += line.Text.View();
    if (line.HasLineBreak)
      text += u"\r\n";
  }
  return text;
}

platform::TSharedText TClipLines::SpelledSource() const {
  if (!Source)
    return nullptr;
  if (Uncut)
    return BreaksAreCrLf(*Source) ? Source : nullptr;
  const std::u16string_view source = *Source;
  std::size_t position = 0;
  for (const TClipLine& line : Items) {
    const std::u16string_view text = line.Text.View();
    if (!text.empty()) {
      if (text.size() > source.size() - position || text.data() != source.data() + position)
        return nullptr;
      position += text.size();
    }
    if (line.HasLineBreak) {
      if (source.substr(position, 2) != u"\r\n")
        return nullptr;
      position += 2;
    }
  }
  return position == source.size() ? Source : nullptr;
}

void TLineSink::Copy(std::u16string_view part) {
  // Counted and copied by the same code, so nothing is ever cut here; were it, the text would come out
  // short rather than overrun the block.
  if (Used >= Capacity)
    return;
  std::char_traits<char16_t>::copy(Block + Used, part.data(), std::min(part.size(), Capacity - Used));
}

void TLineSink::Note(std::u16string_view part) {
  SawCr = FindUnit(part, u'\r', 0) != std::u16string_view::npos;
}

void TClipLines::Rewrite(const std::function<void(std::u16string_view, TLineSink&)>& rewrite) {
  if (Uncut) {
    RewriteUncut(rewrite);
    return;
  }
  TLineSink counter;
  for (const TClipLine& line : Items) {
    rewrite(line.Text.View(), counter);
    if (line.HasLineBreak)
      counter.AppendBreak();
  }
  auto block = std::make_shared<std::u16string>(counter.Size(), u'\0');
  const std::u16string_view filled(*block);
  TLineSink sink(block->data(), block->size());
  // Each line reads its old text, which may view the old source, before it views the block instead.
  for (TClipLine& line : Items) {
    const std::size_t start = std::min(sink.Size(), filled.size());
    rewrite(line.Text.View(), sink);
    line.Text = TLineText::Viewing(filled.substr(start, std::min(sink.Size(), filled.size()) - start));
    if (line.HasLineBreak)
      sink.AppendBreak();
  }
  Source = std::move(block);
}

void TClipLines::RewriteUncut(const std::function<void(std::u16string_view, TLineSink&)>& rewrite) {
  TLineSink counter(true);
  bool lastKept = true;
  ForEachLine(*Source, [&](std::u16string_view text, bool hasBreak) {
    const std::size_t start = counter.Size();
    rewrite(text, counter);
    lastKept = hasBreak || counter.Size() > start;
    if (hasBreak)
      counter.AppendBreak();
  });
  // A CR inside a line, or a last line left empty, would not come back from cutting the block: the lines
  // are cut from the old source first and rewritten one by one.
  if (counter.SawCarriageReturn() || !lastKept) {
    Cut();
    Rewrite(rewrite);
    return;
  }
  auto block = std::make_shared<std::u16string>(counter.Size(), u'\0');
  TLineSink sink(block->data(), block->size());
  ForEachLine(*Source, [&](std::u16string_view text, bool hasBreak) {
    rewrite(text, sink);
    if (hasBreak)
      sink.AppendBreak();
  });
  Source = std::move(block);
}

std::u16string NumberText(std::int32_t number, int width, char16_t padding) {
  // Widened first: the magnitude of INT32_MIN does not fit 32 bits.
  std::int64_t magnitude = number;
  const bool negative = magnitude < 0;
  if (negative)
    magnitude = -magnitude;
  std::u16string digits;
  do {
    digits.push_back(static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude > 0);
  std::reverse(digits.begin(), digits.end());
  const std::size_t target = static_cast<std::size_t>(std::clamp(width, 0, 10));
  const std::size_t used = digits.size() + (negative ? 1 : 0);
  const std::u16string pad(target > used ? target - used : 0, padding);
  if (!negative)
    return pad + digits;
  // Zeros belong between the sign and the digits; any other padding goes in front of the sign.
  return padding == u'0' ? u"-" + pad + digits : pad + u"-" + digits;
}

}  // namespace tolvane::modifier
