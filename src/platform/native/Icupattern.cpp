#include "platform/native/Icupattern.h"

#include <algorithm>

namespace tolvane::native {
namespace {

constexpr char16_t NarrowNoBreakSpace = 0x202F;

bool IsAsciiLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsBlank(char16_t c) {
  return c == u' ' || c == 0x00A0 || c == NarrowNoBreakSpace;
}

void AppendLiteral(std::vector<TPatternToken>& tokens, std::u16string_view text) {
  if (tokens.empty() || tokens.back().IsField)
    tokens.push_back({});
  tokens.back().Text += text;
}

// Reads quoted text starting at the opening apostrophe; returns the position after it. "''" is an apostrophe,
// inside quotes and out.
std::size_t ReadQuoted(std::u16string_view pattern, std::size_t pos, std::u16string& text) {
  if (pos + 1 < pattern.size() && pattern[pos + 1] == u'\'') {
    text += u'\'';
    return pos + 2;
  }
  for (++pos; pos < pattern.size(); ++pos) {
    if (pattern[pos] != u'\'') {
      text += pattern[pos];
    } else if (pos + 1 < pattern.size() && pattern[pos + 1] == u'\'') {
      text += u'\'';
      ++pos;
    } else {
      return pos + 1;
    }
  }
  return pos;
}

// Punctuation and blanks between fields, as opposed to words.
bool IsSeparator(std::u16string_view literal) {
  return std::none_of(literal.begin(), literal.end(), IsAsciiLetter);
}

std::u16string Repeated(char16_t letter, std::size_t count) {
  return std::u16string(count, letter);
}

std::u16string PictureField(char16_t letter, std::size_t count) {
  switch (letter) {
    case u'G':
      return u"gg";
    case u'y':
    case u'Y':
    case u'u':
      return count == 2 ? u"yy" : u"yyyy";
    case u'M':
    case u'L':
      return count <= 4 ? Repeated(u'M', count) : u"MMM";
    case u'd':
      return Repeated(u'd', std::min<std::size_t>(count, 2));
    case u'E':
      return count == 4 ? u"dddd" : u"ddd";
    case u'c':
    case u'e':  // one or two letters are weekday numbers, which pictures lack
      return count <= 2 ? u"" : (count == 4 ? u"dddd" : u"ddd");
    case u'h':
    case u'K':
      return Repeated(u'h', std::min<std::size_t>(count, 2));
    case u'H':
    case u'k':
      return Repeated(u'H', std::min<std::size_t>(count, 2));
    case u'm':
    case u's':
      return Repeated(letter, std::min<std::size_t>(count, 2));
    case u'a':
    case u'b':
    case u'B':
      return u"tt";
    default:
      return u"";
  }
}

// Quotes the part of a literal that a picture would read as letters; the rest stays bare.
std::u16string QuotedLiteral(std::u16string_view text) {
  const auto needsQuotes = [](char16_t c) { return IsAsciiLetter(c) || c == u'\''; };
  const auto first = std::find_if(text.begin(), text.end(), needsQuotes);
  if (first == text.end())
    return std::u16string(text);
  const auto last = std::find_if(text.rbegin(), text.rend(), needsQuotes).base();
  std::u16string quoted(text.begin(), first);
  quoted += u'\'';
  for (auto it = first; it != last; ++it)
    quoted += *it == u'\'' ? std::u16string(u"''") : std::u16string(1, *it);
  quoted += u'\'';
  quoted.append(last, text.end());
  return quoted;
}

void TrimOuterBlanks(std::vector<TPatternToken>& pieces) {
  if (!pieces.empty() && !pieces.front().IsField) {
    std::u16string& text = pieces.front().Text;
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), IsBlank));
  }
  if (!pieces.empty() && !pieces.back().IsField) {
    std::u16string& text = pieces.back().Text;
    text.erase(std::find_if_not(text.rbegin(), text.rend(), IsBlank).base(), text.end());
  }
}

std::u16string Trimmed(std::u16string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
  return first < last ? std::u16string(first, last) : std::u16string();
}

}  // namespace

std::vector<TPatternToken> TokenizeIcuPattern(std::u16string_view pattern) {
  std::vector<TPatternToken> tokens;
  for (std::size_t pos = 0; pos < pattern.size();) {
    const char16_t c = pattern[pos];
    if (IsAsciiLetter(c)) {
      const std::size_t end = std::min(pattern.find_first_not_of(c, pos), pattern.size());
      tokens.push_back({true, c, end - pos, {}});
      pos = end;
    } else if (c == u'\'') {
      std::u16string text;
      pos = ReadQuoted(pattern, pos, text);
      AppendLiteral(tokens, text);
    } else {
      AppendLiteral(tokens, std::u16string_view(&pattern[pos], 1));
      ++pos;
    }
  }
  return tokens;
}

std::u16string IcuPatternToPicture(std::u16string_view pattern) {
  std::vector<TPatternToken> pieces;  // fields already in picture letters; neighbouring literals merged
  bool dropNextSeparator = false;
  for (const TPatternToken& token : TokenizeIcuPattern(pattern)) {
    if (!token.IsField) {
      if (!(dropNextSeparator && IsSeparator(token.Text)))
        AppendLiteral(pieces, token.Text);
      dropNextSeparator = false;
    } else if (std::u16string field = PictureField(token.Letter, token.Count); !field.empty()) {
      pieces.push_back({true, token.Letter, 0, std::move(field)});
    } else {
      // A dropped field takes the separator that tied it to its neighbour along.
      dropNextSeparator = pieces.empty();
      if (!pieces.empty() && !pieces.back().IsField && IsSeparator(pieces.back().Text))
        pieces.pop_back();
    }
  }
  TrimOuterBlanks(pieces);
  std::u16string picture;
  for (TPatternToken& piece : pieces) {
    if (piece.IsField) {
      picture += piece.Text;
      continue;
    }
    // ICU 72 puts a narrow no-break space before AM/PM; a plain one types and pastes everywhere.
    std::replace(piece.Text.begin(), piece.Text.end(), NarrowNoBreakSpace, u' ');
    picture += QuotedLiteral(piece.Text);
  }
  return picture;
}

std::u16string SeparatorAfterFirstField(std::u16string_view pattern, std::u16string_view letters,
                                        std::u16string_view fallback) {
  const std::vector<TPatternToken> tokens = TokenizeIcuPattern(pattern);
  const auto isWanted = [&](const TPatternToken& t) {
    return t.IsField && letters.find(t.Letter) != letters.npos;
  };
  const auto first = std::find_if(tokens.begin(), tokens.end(), isWanted);
  if (first == tokens.end() || tokens.end() - first < 3)
    return std::u16string(fallback);
  const TPatternToken& literal = *(first + 1);
  if (literal.IsField || !isWanted(*(first + 2)))
    return std::u16string(fallback);
  const std::u16string trimmed = Trimmed(literal.Text);
  return trimmed.empty() ? literal.Text : trimmed;
}

}  // namespace tolvane::native
