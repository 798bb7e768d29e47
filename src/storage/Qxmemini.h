#pragma once
// An INI file held in memory as sections of lines. Comments, empty lines and unknown lines are kept, so a
// file written back keeps its shape.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/Qxptrvector.h"
#include "platform/Services.h"

namespace tolvane::storage {

// TQxIniVal::LineKind values.
inline constexpr int lkEmpty = 0;
inline constexpr int lkKeyValue = 1;
inline constexpr int lkComment = 2;
inline constexpr int lkText = 3;

// Results of LoadIniFile besides the code page read.
inline constexpr int IniFileMissing = -1;
inline constexpr int IniParseStopped = -2;
inline constexpr int IniReadFailed = -3;

// TQxMemIni::CodePage before anything was loaded.
inline constexpr int IniNothingLoaded = 100000;

// One line of a section.
struct TQxIniVal {
  int LineKind = lkEmpty;
  std::u16string Key;
  std::u16string Value;
  std::u16string Comment;

  // The kind the line's fields call for after a change.
  void UpdateKind();
};

// ReadInteger's answer: a malformed value gives the conversion error's text instead of a number.
struct TIniInteger {
  int Value = 0;
  std::u16string Error;

  bool Ok() const { return Error.empty(); }
};

class TQxIniSection {
 public:
  // Keys compare exactly; the first line with the key is the one read and written.
  TQxIniVal* FindKey(std::u16string_view key) const;

  std::u16string ReadString(std::u16string_view key, std::u16string_view defaultValue) const;
  [[nodiscard]] TIniInteger ReadInteger(std::u16string_view key, int defaultValue) const;
  // True exactly for the value "true".
  bool ReadBool(std::u16string_view key, bool defaultValue) const;
  // The hexadecimal digits of the value, every other character skipped; the default for an empty value.
  std::uint32_t ReadHex(std::u16string_view key, std::uint32_t defaultValue) const;

  TQxIniVal& WriteString(std::u16string_view key, std::u16string_view value);
  TQxIniVal& WriteInteger(std::u16string_view key, int value);
  TQxIniVal& WriteBool(std::u16string_view key, bool value);
  // Eight upper-case hexadecimal digits.
  TQxIniVal& WriteHex(std::u16string_view key, std::uint32_t value);
  static void SetComment(TQxIniVal& line, std::u16string_view text);

  std::u16string Name;
  std::u16string Comment;
  TQxPtrVector<TQxIniVal> Values;
};

using TIniSectionVec = TQxPtrVector<TQxIniSection>;

struct TIniServices {
  platform::IFiles& Files;
  platform::ICodePages& CodePages;
  platform::IMessageBox& MessageBox;

  static TIniServices From(const platform::TServices& services) {
    return {services.Files, services.CodePages, services.MessageBox};
  }
};

// Leading blanks and TABs dropped, line feeds made blanks, other control characters but TAB dropped,
// trailing blanks and TABs dropped.
std::u16string CleanText(std::u16string_view text);
// A value as a line can hold it: line feeds made blanks, other control characters but TAB dropped. Blanks
// at either end are kept; the writer quotes such a value so that they survive.
std::u16string CleanValue(std::u16string_view text);
// A value as written after "=": quoted ("" for a quote inside) when reading it plainly would change it,
// that is when it has blanks or control characters at either end, starts with a quote, or holds a ";" that
// does not follow a "\" and would start a comment.
std::u16string QuotedIniValue(std::u16string_view value);
// Characters of code 32 or less removed from both ends; a single such character is kept as it is.
std::u16string_view TrimIni(std::u16string_view text);

class TQxMemIni {
 public:
  explicit TQxMemIni(const TIniServices& services) : Services(services) {}
  // Loads the file at once; LoadResult keeps LoadIniFile's answer.
  TQxMemIni(const TIniServices& services, std::u16string_view fileName);
  TQxMemIni(const TQxMemIni&) = delete;
  TQxMemIni& operator=(const TQxMemIni&) = delete;

  // IniFileMissing, IniParseStopped (the sections read so far stay), IniReadFailed (LastError says why) or
  // the code page read: 0 ANSI, 1200, 1201, 65001. A UTF-32 file is refused with a message and answers 0.
  [[nodiscard]] int LoadIniFile(std::u16string_view fileName);
  // Parses text as the content of a file; IniParseStopped or 0. Text from a broken header on is kept
  // unparsed in UnparsedText and written back as it is, so nothing of the file is lost.
  [[nodiscard]] int LoadFromText(std::u16string_view text);
  // Writes the store in codePage (1200, 1201, 65001; any other number: the ANSI code page), replacing the
  // file in one step so a failure leaves the old one untouched. LastError says why it failed.
  [[nodiscard]] bool SaveIniFile(std::u16string_view fileName, int codePage);
  // The text as written, without byte order mark.
  std::u16string SaveToText() const;

  // The first section of that name, appended when there is none.
  TQxIniSection& GetSection(std::u16string_view name);
  TQxIniSection* FindSection(std::u16string_view name) const;

  const platform::TSystemError& LastError() const { return Error; }

  TIniSectionVec Sections;
  bool WriteBom = true;
  std::u16string FileName;
  int CodePage = 65001;
  int LoadResult = IniFileMissing;
  // The text from a broken section header to the end, and the header's line (from 1); empty and 0 when the
  // text was parsed to its end.
  std::u16string UnparsedText;
  int UnparsedLine = 0;
  // The last load found a file in an encoding that is refused (UTF-32): nothing of it was read.
  bool Refused = false;

 private:
  TIniServices Services;
  platform::TSystemError Error;
};

}  // namespace tolvane::storage
