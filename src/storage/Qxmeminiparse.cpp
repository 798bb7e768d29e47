#include <memory>
#include <string_view>

#include "storage/Qxmemini.h"

namespace tolvane::storage {
namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

bool IsLineEnd(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// The first ";" that does not follow a "\"; npos when there is none.
std::size_t CommentStart(std::u16string_view line) {
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == u';' && (i == 0 || line[i - 1] != u'\\'))
      return i;
  }
  return std::u16string_view::npos;
}

class TIniParser {
 public:
  TIniParser(std::u16string_view text, TIniSectionVec& sections) : Text(text), Sections(sections) {}

  // Where parsing stopped: the text's length when it was parsed to its end.
  std::size_t Run() {
    TQxIniSection* section = Sections.Add(std::make_unique<TQxIniSection>());
    SkipBlanks();
    if (!AtEnd() && Text[Pos] == u'[' && !ParseHeader(*section))
      return HeaderStart;
    for (;;) {
      ParseLines(*section);
      if (AtEnd())
        return Text.size();
      auto next = std::make_unique<TQxIniSection>();
      if (!ParseHeader(*next))
        return HeaderStart;
      section = Sections.Add(std::move(next));
    }
  }

 private:
  bool AtEnd() const { return Pos >= Text.size(); }

  void SkipBlanks() {
    while (!AtEnd() && IsBlank(Text[Pos]))
      ++Pos;
  }

  std::u16string_view RestOfLine() {
    const std::size_t start = Pos;
    while (!AtEnd() && !IsLineEnd(Text[Pos]))
      ++Pos;
    return Text.substr(start, Pos - start);
  }

  // CR LF, a lone LF or a lone CR; a lone CR must not swallow the next line's first character.
  void SkipLineBreak() {
    if (!AtEnd() && Text[Pos] == u'\r')
      ++Pos;
    if (!AtEnd() && Text[Pos] == u'\n')
      ++Pos;
  }

  // At "[": the name up to "]", then an optional ";comment" on the rest of the line.
  bool ParseHeader(TQxIniSection& section) {
    HeaderStart = Pos++;
    const std::size_t nameStart = Pos;
    for (; !AtEnd() && Text[Pos] != u']'; ++Pos) {
      if (Text[Pos] <= 13)
        return false;
    }
    if (AtEnd())
      return false;
    section.Name = TrimIni(Text.substr(nameStart, Pos - nameStart));
    ++Pos;
    const std::u16string_view rest = RestOfLine();
    const std::size_t comment = CommentStart(rest);
    if (comment != std::u16string_view::npos)
      section.Comment = rest.substr(comment + 1);
    SkipLineBreak();
    return true;
  }

  // The section's lines up to the end of the text or the next "[".
  void ParseLines(TQxIniSection& section) {
    for (;;) {
      SkipBlanks();
      if (AtEnd() || Text[Pos] == u'[')
        return;
      auto line = std::make_unique<TQxIniVal>();
      if (IsLineEnd(Text[Pos])) {
        line->LineKind = lkEmpty;
      } else if (Text[Pos] == u';') {
        ++Pos;
        line->Comment = CleanText(RestOfLine());
        line->LineKind = lkComment;
      } else {
        ParseKeyLine(*line);
      }
      SkipLineBreak();
      section.Values.Add(std::move(line));
    }
  }

  void ParseKeyLine(TQxIniVal& line) {
    const std::u16string_view text = RestOfLine();
    const std::size_t equals = text.find(u'=');
    if (equals == std::u16string_view::npos) {
      line.Value = TrimIni(text);
      line.LineKind = lkText;
      return;
    }
    line.Key = TrimIni(text.substr(0, equals));
    line.LineKind = lkKeyValue;
    const std::u16string_view after = text.substr(equals + 1);
    if (ParseQuotedValue(after, line))
      return;
    const std::size_t comment = CommentStart(after);
    line.Value = TrimIni(after.substr(0, comment));
    if (comment != std::u16string_view::npos)
      line.Comment = TrimIni(after.substr(comment + 1));
  }

  // A value in quotes ("" for a quote inside), followed by nothing but blanks or a ";comment". Anything else
  // is read as a plain value.
  static bool ParseQuotedValue(std::u16string_view after, TQxIniVal& line) {
    std::size_t pos = 0;
    while (pos < after.size() && after[pos] <= 32)
      ++pos;
    if (pos == after.size() || after[pos] != u'"')
      return false;
    std::u16string value;
    for (++pos; pos < after.size(); ++pos) {
      if (after[pos] == u'"' && (pos + 1 == after.size() || after[pos + 1] != u'"'))
        break;
      if (after[pos] == u'"')
        ++pos;
      value.push_back(after[pos]);
    }
    if (pos == after.size())
      return false;
    std::size_t rest = pos + 1;
    while (rest < after.size() && after[rest] <= 32)
      ++rest;
    if (rest < after.size() && after[rest] != u';')
      return false;
    line.Value = std::move(value);
    if (rest < after.size())
      line.Comment = TrimIni(after.substr(rest + 1));
    return true;
  }

  std::u16string_view Text;
  TIniSectionVec& Sections;
  std::size_t Pos = 0;
  std::size_t HeaderStart = 0;
};

// The line (from 1) that holds the position; a CR LF pair, a lone CR and a lone LF each end a line.
int LineNumberAt(std::u16string_view text, std::size_t pos) {
  int line = 1;
  for (std::size_t i = 0; i < pos; ++i) {
    if (text[i] == u'\n' || (text[i] == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
      ++line;
  }
  return line;
}

}  // namespace

int TQxMemIni::LoadFromText(std::u16string_view text) {
  const std::size_t stop = TIniParser(text, Sections).Run();
  UnparsedText = text.substr(stop);
  UnparsedLine = UnparsedText.empty() ? 0 : LineNumberAt(text, stop);
  // A broken header in the last two characters still counts as read to the end.
  return text.size() - stop > 2 ? IniParseStopped : 0;
}

}  // namespace tolvane::storage
