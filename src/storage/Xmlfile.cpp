#include "storage/Xmlfile.h"

#include "common/Atomicwrite.h"
#include "storage/Xmlwriter.h"

namespace tolvane::storage {
namespace {

// A write that failed on an existing, writable file is a failed write (0); anything else means the file
// could not be created or opened (9).
int ClassifySaveFailure(platform::IFiles& files, std::u16string_view fileName) {
  if (files.FileExists(fileName) && files.CanOpenForWriting(fileName))
    return XmlSaveFailed;
  return XmlSaveCannotCreate;
}

}  // namespace

std::u16string_view XmlLoadResultText(int code) {
  switch (code) {
    case XmlLoaded:
      return u"";
    case XmlFileDoesNotExist:
      return u"File Does Not Exist";
    case XmlUtf32:
      return u"Cant read file format: UTF-32";
    case XmlUnknownFormat:
      return u"Unknown Fileformat";
    case XmlReadError:
      return u"Error Reading file from disk";
    case XmlCouldNotDecode:
      return u"Could Not Decode File";
    case XmlIllegal:
      return u"Illigal XML";
    case XmlCodePageMismatch:
      return u"CodePage Miss Match";
    default:
      return u"Unknown File Error";
  }
}

void TQxXmlFile::CreateNewRootTag(std::u16string_view name) {
  RootTag = std::make_unique<TQxXmlTag>();
  RootTag->SetName(name);
}

void TQxXmlFile::SetXmlDefenitionTag(std::u16string_view version, std::u16string_view encoding,
                                     std::u16string_view standalone) {
  const std::u16string_view names[] = {u"version", u"encoding", u"standalone"};
  const std::u16string_view values[] = {version, encoding, standalone};
  if (XmlDefenitionTag == nullptr) {
    XmlDefenitionTag = PreTags.Insert(0, std::make_unique<TQxXmlTag>(u"xml", xtProcInstr));
    for (int i = 0; i < 3; ++i) {
      if (!values[i].empty())
        XmlDefenitionTag->AddAttribute(names[i], values[i]);
    }
    return;
  }
  for (int i = 0; i < 3; ++i) {
    if (!values[i].empty())
      XmlDefenitionTag->SetAttribute(names[i], values[i]);
  }
}

void TQxXmlFile::WriteNodes(TXmlTextSink& sink, const IXmlRootWriter* writeRoot) const {
  for (const TQxXmlTag& tag : PreTags)
    WriteXmlNode(tag, sink);
  if (writeRoot != nullptr)
    writeRoot->Write(*RootTag, sink);
  else
    WriteXmlNode(*RootTag, sink);
  for (const TQxXmlTag& tag : PostTags)
    WriteXmlNode(tag, sink);
}

std::size_t TQxXmlFile::SaveToString(std::u16string& buffer) const {
  if (!RootTag)
    return 0;
  const std::size_t start = buffer.size();
  TXmlTextSink sink(buffer);
  WriteNodes(sink, nullptr);
  return buffer.size() - start;
}

std::size_t TQxXmlFile::GetApproximateBufferSize() const {
  if (!RootTag)
    return 0;
  std::size_t size = RootTag->MeasureTag();
  for (const TQxXmlTag& tag : PreTags)
    size += tag.MeasureTag();
  for (const TQxXmlTag& tag : PostTags)
    size += tag.MeasureTag();
  return size;
}

int TQxXmlFile::SaveToUtf8File(platform::IFiles& files, std::u16string_view fileName) {
  return SaveUtf8(files, fileName, nullptr);
}

int TQxXmlFile::SaveToUtf8File(platform::IFiles& files, std::u16string_view fileName,
                               const IXmlRootWriter& writeRoot) {
  return SaveUtf8(files, fileName, &writeRoot);
}

int TQxXmlFile::SaveUtf8(platform::IFiles& files, std::u16string_view fileName,
                         const IXmlRootWriter* writeRoot) {
  if (!RootTag) {
    setErroLine(u"There is No Root Tag, Nothing to Save");
    return XmlSaveNoRoot;
  }
  if (XmlDefenitionTag != nullptr)
    XmlDefenitionTag->SetAttribute(u"encoding", u"UTF-8");
  else
    SetXmlDefenitionTag(u"1.0", u"UTF-8", u"");
  // The first node's line break would put an empty line at the top.
  std::string bytes = "\xEF\xBB\xBF";
  // The root writer's output is not measured: walking every item twice costs more than a guess and letting
  // the string grow when the guess falls short.
  bytes.reserve(GetApproximateBufferSize() + (writeRoot != nullptr ? writeRoot->SizeHint() : 0));
  std::u16string buffer;
  TXmlTextSink sink(buffer, bytes, 2);
  WriteNodes(sink, writeRoot);
  sink.Flush();
  SaveError = {};
  if (WriteFileAtomically(files, fileName, bytes, &SaveError)) {
    Written = StampOf(files.Info(fileName), bytes);
    return XmlSaved;
  }
  const int result = ClassifySaveFailure(files, fileName);
  setErroLine(result == XmlSaveCannotCreate ? u"Could not Create File" : u"Could not Write File");
  return result;
}

}  // namespace tolvane::storage
