#include "modifier/Textreplace.h"

#include <algorithm>

#include "modifier/Unitsearch.h"

namespace tolvane::modifier {
namespace {

using TTraits = std::char_traits<char16_t>;

std::size_t CountFrom(std::u16string_view text, std::u16string_view from, std::size_t found) {
  std::size_t count = 0;
  for (; found != std::u16string_view::npos; found = FindText(text, from, found + from.size()))
    ++count;
  return count;
}

// A replacement no longer than what it replaces is written over the text itself: the write position never
// passes the read position, so no line needs a second block.
void ReplaceInPlace(std::u16string& text, std::u16string_view from, std::u16string_view to,
                    std::size_t found) {
  char16_t* const data = text.data();
  const std::u16string_view source(data, text.size());
  std::size_t done = 0;
  std::size_t written = 0;
  while (found != std::u16string_view::npos) {
    TTraits::move(data + written, data + done, found - done);
    written += found - done;
    TTraits::copy(data + written, to.data(), to.size());
    written += to.size();
    done = found + from.size();
    found = FindText(source, from, done);
  }
  TTraits::move(data + written, data + done, text.size() - done);
  text.resize(written + text.size() - done);
}

// Hands `append` the text in pieces with every occurrence from `found` on replaced.
template <class TAppend>
void AppendReplaced(std::u16string_view source, std::u16string_view from, std::u16string_view to,
                    std::size_t found, TAppend append) {
  std::size_t done = 0;
  for (; found != std::u16string_view::npos; found = FindText(source, from, done)) {
    append(source.substr(done, found - done));
    append(to);
    done = found + from.size();
  }
  append(source.substr(done));
}

// A longer one needs a new block, made once at its final size.
std::u16string Replaced(std::u16string_view source, std::u16string_view from, std::u16string_view to,
                        std::size_t found) {
  const std::size_t count = CountFrom(source, from, found);
  std::u16string result;
  result.reserve(source.size() - count * from.size() + count * to.size());
  AppendReplaced(source, from, to, found, [&](std::u16string_view part) { result.append(part); });
  return result;
}

}  // namespace

void ReplaceAll(std::u16string& text, std::u16string_view from, std::u16string_view to) {
  if (from.empty())
    return;
  const std::size_t found = FindText(text, from);
  if (found == std::u16string_view::npos)
    return;
  if (to.size() <= from.size())
    ReplaceInPlace(text, from, to, found);
  else
    text = Replaced(text, from, to, found);
}

void ReplaceInLines(TClipLines& lines, std::u16string_view from, std::u16string_view to) {
  if (from.empty() || !lines.AnyText([&](std::u16string_view text) {
        return FindText(text, from) != std::u16string_view::npos;
      }))
    return;
  lines.Rewrite([&](std::u16string_view text, TLineSink& sink) {
    AppendReplaced(text, from, to, FindText(text, from),
                   [&](std::u16string_view part) { sink.Append(part); });
  });
}

}  // namespace tolvane::modifier
