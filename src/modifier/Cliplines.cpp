#include "modifier/Qxclipline.h"

#include "modifier/Unitsearch.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace tolvane::modifier {

TClipLines LinesFromText(platform::TSharedText source) {
  if (!source)
    return {};
  const std::u16string_view text = *source;
  TClipLines::TStorage lines;
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\r')) + 1);
  std::size_t position = 0;
  while (position < text.size()) {
    const std::size_t cr = FindUnit(text, u'\r', position);
    if (cr == std::u16string_view::npos) {
      lines.emplace_back(TLineText::Viewing(text.substr(position)), false);
      break;
    }
    lines.emplace_back(TLineText::Viewing(text.substr(position, cr - position)), true);
    // Only the LF of a CR LF pair goes with the CR; any other character starts the next line.
    position = cr + 1;
    if (position < text.size() && text[position] == u'\n')
      ++position;
  }
  return TClipLines(std::move(lines), std::move(source));
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

void TClipLines::Rewrite(const std::function<void(std::u16string_view, TLineSink&)>& rewrite) {
  TLineSink counter;
  for (const TClipLine& line : Items) {
    rewrite(line.Text.View(), counter);
    if (line.HasLineBreak)
      counter.Append(u"\r\n");
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
      sink.Append(u"\r\n");
  }
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
