// Any bytes as a settings file: what was read must be written and read back line for line, in each of the
// Unicode encodings, and write the same text again.

#include <array>
#include <string>

#include "Fuzzsupport.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Qxmemini.h"

namespace {

using namespace tolvane;
using storage::TQxIniSection;
using storage::TQxIniVal;
using storage::TQxMemIni;

constexpr const char16_t* InputFile = u"C:\\input.ini";
constexpr const char16_t* SavedFile = u"C:\\saved.ini";
constexpr std::array<int, 3> UnicodePages = {65001, 1200, 1201};

bool HasLoneSurrogate(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;
      continue;
    }
    if (c >= 0xD800 && c <= 0xDFFF)
      return true;
  }
  return false;
}

// A key or a text line that begins with ";" or "[" once its leading control codes are trimmed cannot be told
// from a comment or a header when read back; such lines are left out of the comparison.
bool Expressible(const TQxIniVal& line) {
  const std::u16string& lead = line.LineKind == storage::lkText ? line.Value : line.Key;
  return lead.empty() || (lead.front() != u';' && lead.front() != u'[');
}

bool AllExpressible(const TQxMemIni& ini) {
  for (const TQxIniSection& section : ini.Sections) {
    for (const TQxIniVal& line : section.Values) {
      if (!Expressible(line))
        return false;
    }
  }
  return true;
}

// A line of nothing but control codes trims to an empty text line, and is written as an empty line.
int Kind(const TQxIniVal& line) {
  return line.LineKind == storage::lkText && line.Value.empty() ? storage::lkEmpty : line.LineKind;
}

bool CommentsClean(const TQxMemIni& ini) {
  for (const TQxIniSection& section : ini.Sections) {
    for (const TQxIniVal& line : section.Values) {
      if (line.LineKind == storage::lkComment && storage::CleanText(line.Comment) != line.Comment)
        return false;
    }
  }
  return true;
}

std::string Describe(const TQxIniVal& line) {
  return "kind " + std::to_string(line.LineKind) + " key " + fuzz::Quoted(line.Key) + " value " +
         fuzz::Quoted(line.Value) + " comment " + fuzz::Quoted(line.Comment);
}

// A written section with lines is followed by an empty line unless its last line is one already, so the
// reread section may have one more empty line at its end.
void CheckSection(const TQxIniSection& read, const TQxIniSection& reread, const std::string& where) {
  fuzz::Check(read.Name == reread.Name,
              where + " name " + fuzz::Quoted(read.Name) + " came back as " + fuzz::Quoted(reread.Name));
  fuzz::Check(read.Comment == reread.Comment, where + " comment " + fuzz::Quoted(read.Comment) +
                                                  " came back as " + fuzz::Quoted(reread.Comment));
  const int lines = read.Values.Count();
  int expected = lines;
  if (lines > 0 && read.Values.Last()->LineKind != storage::lkEmpty)
    ++expected;
  fuzz::Check(
      reread.Values.Count() == expected,
      where + ": " + std::to_string(lines) + " lines came back as " + std::to_string(reread.Values.Count()));
  for (int i = 0; i < lines; ++i) {
    const TQxIniVal& a = *read.Values[i];
    const TQxIniVal& b = *reread.Values[i];
    // Cleaning drops control codes after skipping the leading blanks, so cleaning again may drop more.
    const std::u16string comment =
        a.LineKind == storage::lkComment ? storage::CleanText(a.Comment) : a.Comment;
    fuzz::Check(Kind(a) == b.LineKind && a.Key == b.Key && a.Value == b.Value && comment == b.Comment,
                where + " line " + std::to_string(i) + ": " + Describe(a) + " came back as " + Describe(b));
  }
  if (expected > lines)
    fuzz::Check(reread.Values.Last()->LineKind == storage::lkEmpty,
                where + ": the separator is no empty line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes = fuzz::Bytes(data, size);
  int codePage = UnicodePages[fuzz::TakeByte(bytes) % UnicodePages.size()];
  recording::TRecordingServices doubles(fuzz::Locale(), fuzz::CodePages());
  doubles.Files.AddFile(InputFile, bytes);
  const storage::TIniServices services = storage::TIniServices::From(doubles.Services());
  TQxMemIni read(services, InputFile);
  const int result = read.LoadResult;
  fuzz::Check(result == storage::IniParseStopped || result == 0 || result == 1200 || result == 1201 ||
                  result == 65001 || result == storage::IniReadFailed,
              "load result " + std::to_string(result));

  const std::u16string text = read.SaveToText();
  if (codePage == 65001 && HasLoneSurrogate(text))
    codePage = 1200;  // UTF-8 cannot hold them
  fuzz::Check(read.SaveIniFile(SavedFile, codePage), "saving what was read failed");
  // A file that could not be decoded left no sections, not even the unnamed first one. A UTF-16 text that
  // begins with U+0000 after its mark FF FE is indistinguishable from a UTF-32 mark.
  if (read.Sections.Empty() || !AllExpressible(read) || (codePage == 1200 && text.starts_with(u'\0')))
    return 0;

  TQxMemIni reread(services, SavedFile);
  // Text behind a broken header is written back as it was, so it stops the reread at the same place.
  const int expected = read.LoadResult == storage::IniParseStopped ? storage::IniParseStopped : codePage;
  fuzz::Check(reread.LoadResult == expected, "the saved file reads as " + std::to_string(reread.LoadResult) +
                                                 ", written as code page " + std::to_string(codePage));
  fuzz::Check(reread.UnparsedText == read.UnparsedText,
              "the unparsed rest " + fuzz::Quoted(read.UnparsedText) + " came back as " +
                  fuzz::Quoted(reread.UnparsedText));
  // An unnamed first section without lines or comment writes nothing, so the next section's header opens
  // the file and names the first section when read back.
  const TQxIniSection& head = *read.Sections[0];
  const int skipped =
      read.Sections.Count() > 1 && head.Name.empty() && head.Comment.empty() && head.Values.Empty();
  fuzz::Check(reread.Sections.Count() == read.Sections.Count() - skipped,
              std::to_string(read.Sections.Count()) + " sections came back as " +
                  std::to_string(reread.Sections.Count()));
  for (int i = skipped; i < read.Sections.Count(); ++i)
    CheckSection(*read.Sections[i], *reread.Sections[i - skipped], "section " + std::to_string(i));
  if (CommentsClean(read) && skipped == 0)
    fuzz::Check(reread.SaveToText() == text, "the reread store writes other text");
  return 0;
}
