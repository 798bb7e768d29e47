#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "platform/Files.h"

namespace tolvane::recording {

class TMemoryFiles;

// A handle on a file of TMemoryFiles; every call goes through the file system so its counters and injected
// failures apply.
class TMemoryFileWriter final : public platform::IFileWriter {
 public:
  TMemoryFileWriter(TMemoryFiles& files, std::u16string key) : Files(files), Key(std::move(key)) {}
  TMemoryFileWriter(const TMemoryFileWriter&) = delete;
  TMemoryFileWriter& operator=(const TMemoryFileWriter&) = delete;
  ~TMemoryFileWriter() override;

  [[nodiscard]] bool Write(std::string_view bytes) override;
  [[nodiscard]] bool SetEnd() override;
  [[nodiscard]] bool Flush() override;
  [[nodiscard]] bool Close() override;

 private:
  TMemoryFiles& Files;
  std::u16string Key;
  std::size_t Position = 0;
  bool Open = true;
};

}  // namespace tolvane::recording
