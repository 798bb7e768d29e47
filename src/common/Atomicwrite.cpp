#include "common/Atomicwrite.h"

#include <string>

namespace tolvane {

bool WriteFileAtomically(platform::IFiles& files, std::u16string_view path, std::string_view bytes,
                         platform::TSystemError* error) {
  const std::u16string temporary = std::u16string(path) + u".tvtmp";
  const auto fail = [&](bool removeTemporary) {
    if (error != nullptr)
      *error = files.LastError();
    if (removeTemporary)
      (void)files.Delete(temporary);
    return false;
  };
  auto writer = files.Create(temporary);
  if (!writer)
    return fail(false);
  if (!writer->Write(bytes) || !writer->Flush()) {
    (void)writer->Close();
    return fail(true);
  }
  const bool closed = writer->Close();
  writer.reset();
  if (!closed)
    return fail(true);
  if (!files.Replace(path, temporary))
    return fail(true);
  return true;
}

}  // namespace tolvane
