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
    const std::u16string_view after = text.substr(equals + 1);
    const std::size_t comment = CommentStart(after);
    line.Value = TrimIni(after.substr(0, comment));
    if (comment != std::u16string_view::npos)
      line.Comment = TrimIni(after.substr(comment + 1));
    line.LineKind = lkKeyValue;
  }

  std::u16string_view Text;
  TIniSectionVec& Sections;
  std::size_t Pos = 0;
  std::size_t HeaderStart = 0;
};

}  // namespace

int TQxMemIni::LoadFromText(std::u16string_view text) {
  const std::size_t stop = TIniParser(text, Sections).Run();
  // A broken header in the last two characters still counts as read to the end.
  return text.size() - stop > 2 ? IniParseStopped : 0;
}

}  // namespace tolvane::storage
