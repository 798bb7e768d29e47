#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/Qxptrvector.h"
#include "platform/Codepages.h"
#include "platform/Files.h"
#include "storage/Menufilestamp.h"
#include "storage/Xmlbuilder.h"
#include "storage/Xmltag.h"

namespace tolvane::storage {

class TXmlTextSink;

// Results of LoadFromFile / LoadFromStream.
inline constexpr int XmlLoaded = 0;
inline constexpr int XmlFileDoesNotExist = 1;
inline constexpr int XmlUtf32 = 2;
inline constexpr int XmlUnknownFormat = 3;
inline constexpr int XmlReadError = 4;
inline constexpr int XmlCouldNotDecode = 5;
inline constexpr int XmlIllegal = 6;
inline constexpr int XmlCodePageMismatch = 7;

// Results of SaveToUtf8File.
inline constexpr int XmlSaveFailed = 0;
inline constexpr int XmlSaved = 1;
inline constexpr int XmlSaveNoRoot = 8;
inline constexpr int XmlSaveCannotCreate = 9;

// Writes the root element in place of RootTag->WriteTag, for documents whose root content is kept elsewhere.
class IXmlRootWriter {
 public:
  virtual ~IXmlRootWriter() = default;
  // A first guess at the element's size in UTF-8 bytes for sizing the output; 0 when there is none.
  virtual std::size_t SizeHint() const = 0;
  virtual void Write(const TQxXmlTag& root, TXmlTextSink& sink) const = 0;
};

// The words shown for a load result ("Unknown File Error" for a code without words of its own).
std::u16string_view XmlLoadResultText(int code);

// An XML document: the root element with the nodes before it (declaration, processing instructions,
// comments, DOCTYPE) and after it. Loads UTF-8, UTF-16 and eleven single-byte code pages; saves UTF-8.
class TQxXmlFile {
 public:
  TQxXmlFile() = default;
  explicit TQxXmlFile(std::u16string_view rootName) { CreateNewRootTag(rootName); }
  virtual ~TQxXmlFile() = default;
  TQxXmlFile(const TQxXmlFile&) = delete;
  TQxXmlFile& operator=(const TQxXmlFile&) = delete;

  void CreateNewRootTag(std::u16string_view name);

  [[nodiscard]] int LoadFromFile(platform::IFiles& files, platform::ICodePages& codePages,
                                 std::u16string_view fileName, std::uint32_t codePage);
  // codePage 0 accepts whatever encoding is found; any other number demands that one.
  [[nodiscard]] int LoadFromStream(platform::ICodePages& codePages, std::string_view bytes,
                                   std::uint32_t codePage);
  // The same, with the root element and everything in it reported to a builder instead of becoming
  // RootTag (which stays empty). The nodes around the root are kept as usual.
  [[nodiscard]] int LoadFromFile(platform::IFiles& files, platform::ICodePages& codePages,
                                 std::u16string_view fileName, std::uint32_t codePage,
                                 const TXmlRootBuilders& rootBuilders);
  [[nodiscard]] int LoadFromStream(platform::ICodePages& codePages, std::string_view bytes,
                                   std::uint32_t codePage, const TXmlRootBuilders& rootBuilders);

  // Non-empty arguments become the declaration's "version", "encoding" and "standalone" attributes; a
  // missing declaration is created in front of everything.
  void SetXmlDefenitionTag(std::u16string_view version, std::u16string_view encoding,
                           std::u16string_view standalone);

  // Appends the document's text (beginning with a line break) and returns the number of code units written;
  // 0 without a root.
  std::size_t SaveToString(std::u16string& buffer) const;
  std::size_t GetApproximateBufferSize() const;
  // UTF-8 with a byte order mark, replacing the file in one step so a failure leaves the old file intact.
  [[nodiscard]] int SaveToUtf8File(platform::IFiles& files, std::u16string_view fileName);
  // The same with the root element written by writeRoot.
  [[nodiscard]] int SaveToUtf8File(platform::IFiles& files, std::u16string_view fileName,
                                   const IXmlRootWriter& writeRoot);

  void setErroLine(std::u16string_view text) { ErrorLine = text; }

  TQxPtrVector<TQxXmlTag> PreTags;
  TQxPtrVector<TQxXmlTag> PostTags;
  std::unique_ptr<TQxXmlTag> RootTag;
  TQxXmlTag* XmlDefenitionTag = nullptr;  // inside PreTags
  std::uint32_t CodePage = 0;
  // Where the last load failed or why the last save failed.
  std::u16string ErrorLine;
  // The system's account of the last failed save.
  platform::TSystemError SaveError;
  // The file as the last successful save left it.
  TDiskStamp Written;

 private:
  void WriteNodes(TXmlTextSink& sink, const IXmlRootWriter* writeRoot) const;
  int SaveUtf8(platform::IFiles& files, std::u16string_view fileName, const IXmlRootWriter* writeRoot);
  int LoadFile(platform::IFiles& files, platform::ICodePages& codePages, std::u16string_view fileName,
               std::uint32_t codePage, const TXmlRootBuilders* rootBuilders);
  int Load(platform::ICodePages& codePages, std::string_view bytes, std::uint32_t codePage,
           const TXmlRootBuilders* rootBuilders);
};

}  // namespace tolvane::storage
