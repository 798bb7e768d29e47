#include "storage/Qxmemini.h"

#include <memory>
#include <optional>

#include "common/Atomicwrite.h"
#include "storage/Qxmeminiencoding.h"

namespace tolvane::storage {
namespace {

constexpr std::u16string_view Utf32Caption = u"Tolvane";
constexpr std::u16string_view Utf32Text = u"32bit File Types are not supported.";
constexpr std::u16string_view CannotDecode = u"The file's code page cannot be read on this system.";
constexpr std::u16string_view CannotEncode = u"The code page cannot be written on this system.";
constexpr std::u16string_view LineBreak = u"\r\n";
constexpr std::uint32_t ErrorPathNotFound = 3;
constexpr std::u16string_view NoFileName = u"The system cannot find the path specified.";

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t';
}

// Zero characters, blanks and TABs at the very end of a file carry nothing.
std::u16string_view WithoutTrailingPadding(std::u16string_view text) {
  std::size_t end = text.size();
  while (end > 0 && (text[end - 1] == u'\0' || IsBlank(text[end - 1])))
    --end;
  return text.substr(0, end);
}

void AppendSection(std::u16string& text, const TQxIniSection& section, bool first) {
  // Only the first section may go without its header: any other would join the one before it when read.
  if (!section.Name.empty() || !section.Comment.empty() || !first) {
    text.append(u"[").append(section.Name).append(u"]");
    if (!section.Comment.empty())
      text.append(u" ;").append(section.Comment);
    text.append(LineBreak);
  }
  for (const TQxIniVal& line : section.Values) {
    if (line.LineKind == lkText) {
      text.append(line.Value).append(LineBreak);
      continue;
    }
    // A value read from "=value" keeps its "=" even without a key.
    if (!line.Key.empty() || line.LineKind == lkKeyValue)
      text.append(line.Key).append(u"=").append(QuotedIniValue(line.Value));
    if (!line.Comment.empty() || line.LineKind == lkComment) {
      // A blank between an empty or blank value and ";" would be read back as the value.
      const bool spaced = line.LineKind == lkKeyValue && !line.Value.empty() && line.Value.back() > u' ';
      text.append(spaced ? u" ;" : u";").append(line.Comment);
    }
    text.append(LineBreak);
  }
  if (!section.Values.Empty() && section.Values.Last()->LineKind != lkEmpty)
    text.append(LineBreak);
}

}  // namespace

void TQxIniVal::UpdateKind() {
  if (!Key.empty()) {
    LineKind = lkKeyValue;
  } else if (!Value.empty()) {
    LineKind = lkText;
  } else {
    LineKind = Comment.empty() ? lkEmpty : lkComment;
  }
}

std::u16string CleanText(std::u16string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start]))
    ++start;
  std::u16string clean;
  clean.reserve(text.size() - start);
  for (const char16_t c : text.substr(start)) {
    if (c >= 32 || c == u'\t') {
      clean.push_back(c);
    } else if (c == u'\n') {
      clean.push_back(u' ');
    }
  }
  while (!clean.empty() && IsBlank(clean.back()))
    clean.pop_back();
  return clean;
}

std::u16string CleanValue(std::u16string_view text) {
  std::u16string clean;
  clean.reserve(text.size());
  for (const char16_t c : text) {
    if (c >= 32 || c == u'\t') {
      clean.push_back(c);
    } else if (c == u'\n') {
      clean.push_back(u' ');
    }
  }
  return clean;
}

std::u16string QuotedIniValue(std::u16string_view value) {
  bool quote = !value.empty() && (value.front() <= 32 || value.back() <= 32 || value.front() == u'"');
  for (std::size_t i = 0; i < value.size() && !quote; ++i)
    quote = value[i] == u';' && (i == 0 || value[i - 1] != u'\\');
  if (!quote)
    return std::u16string(value);
  std::u16string quoted = u"\"";
  for (const char16_t c : value) {
    quoted.push_back(c);
    if (c == u'"')
      quoted.push_back(u'"');
  }
  quoted.push_back(u'"');
  return quoted;
}

std::u16string_view TrimIni(std::u16string_view text) {
  if (text.size() == 1)
    return text;
  std::size_t start = 0;
  std::size_t end = text.size();
  while (start < end && text[start] <= 32)
    ++start;
  while (end > start && text[end - 1] <= 32)
    --end;
  return text.substr(start, end - start);
}

TQxMemIni::TQxMemIni(const TIniServices& services, std::u16string_view fileName)
    : CodePage(IniNothingLoaded), Services(services) {
  LoadResult = LoadIniFile(fileName);
}

TQxIniSection& TQxMemIni::GetSection(std::u16string_view name) {
  if (TQxIniSection* found = FindSection(name))
    return *found;
  auto section = std::make_unique<TQxIniSection>();
  section->Name = name;
  return *Sections.Add(std::move(section));
}

TQxIniSection* TQxMemIni::FindSection(std::u16string_view name) const {
  for (int i = 0; i < Sections.Count(); ++i) {
    if (Sections[i]->Name == name)
      return Sections[i];
  }
  return nullptr;
}

int TQxMemIni::LoadIniFile(std::u16string_view fileName) {
  FileName = fileName;
  if (!Services.Files.FileExists(fileName))
    return IniFileMissing;
  const std::optional<std::string> bytes = Services.Files.ReadAll(fileName);
  if (!bytes) {
    Error = Services.Files.LastError();
    return IniReadFailed;
  }
  const TIniEncoding encoding = DetectIniEncoding(*bytes);
  Refused = encoding.Utf32;
  if (encoding.Utf32) {
    (void)Services.MessageBox.Show({std::u16string(Utf32Caption), std::u16string(Utf32Text),
                                    platform::TMsgKind::Error, platform::msgbutton::Ok, 0});
    return 0;
  }
  const std::optional<std::u16string> text = DecodeIniBytes(
      Services.CodePages, encoding.CodePage, std::string_view(*bytes).substr(encoding.MarkLength));
  if (!text) {
    Error = {0, std::u16string(CannotDecode)};
    return IniReadFailed;
  }
  CodePage = encoding.CodePage;
  return LoadFromText(WithoutTrailingPadding(*text)) == IniParseStopped ? IniParseStopped : CodePage;
}

std::u16string TQxMemIni::SaveToText() const {
  std::u16string text;
  for (int i = 0; i < Sections.Count(); ++i)
    AppendSection(text, *Sections[i], i == 0);
  if (!UnparsedText.empty()) {
    if (!text.empty() && text.back() != u'\n')
      text.append(LineBreak);
    text.append(UnparsedText);
  }
  return text;
}

bool TQxMemIni::SaveIniFile(std::u16string_view fileName, int codePage) {
  FileName = fileName;
  // Without a name the temporary file would land in the current folder.
  if (fileName.empty()) {
    Error = {ErrorPathNotFound, std::u16string(NoFileName)};
    return false;
  }
  const std::optional<std::string> bytes =
      EncodeIniText(Services.CodePages, codePage, WriteBom, SaveToText());
  if (!bytes) {
    Error = {0, std::u16string(CannotEncode)};
    return false;
  }
  return WriteFileAtomically(Services.Files, fileName, *bytes, &Error);
}

}  // namespace tolvane::storage
