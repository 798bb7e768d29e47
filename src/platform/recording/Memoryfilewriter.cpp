#include "platform/recording/Memoryfilewriter.h"

#include "platform/recording/Memoryfiles.h"

namespace tolvane::recording {

TMemoryFileWriter::~TMemoryFileWriter() {
  if (Open)
    Files.ReleaseWriter(Key);
}

bool TMemoryFileWriter::Write(std::string_view bytes) {
  return Files.WriteTo(Key, Open, Position, bytes);
}

bool TMemoryFileWriter::SetEnd() {
  return Files.SetEnd(Key, Open, Position);
}

bool TMemoryFileWriter::Flush() {
  return Files.Flush(Open);
}

bool TMemoryFileWriter::Close() {
  return Files.CloseWriter(Key, Open);
}

}  // namespace tolvane::recording
