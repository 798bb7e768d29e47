#include <gtest/gtest.h>

#include <regex>

#include "platform/win32/Locale.h"
#include "platform/win32/Programinfo.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {
namespace {

std::u16string SystemFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  ::GetSystemDirectoryW(folder, MAX_PATH);
  return Narrow16(std::wstring(folder) + L"\\" + name);
}

TEST(ProgramInfo, KnowsTheRunningExecutable) {
  const std::u16string path = TProgramInfo().ExecutablePath();
  const std::u16string name = u"\\tolvane_windows_tests.exe";
  ASSERT_GT(path.size(), name.size());
  EXPECT_EQ(TLocale().Compare(path.substr(path.size() - name.size()), name, true), 0);
  EXPECT_EQ(path[1], u':');
}

TEST(ProgramInfo, ReadsTheFixedFileVersion) {
  TProgramInfo info;
  const auto version = info.FileVersion(SystemFile(L"kernel32.dll"));
  ASSERT_TRUE(version);
  EXPECT_TRUE(
      std::regex_match(std::string(version->begin(), version->end()), std::regex(R"(\d+\.\d+\.\d+\.\d+)")))
      << std::string(version->begin(), version->end());
  EXPECT_EQ(info.FileVersion(info.ExecutablePath()), std::nullopt)
      << "the test program has no version resource";
  EXPECT_EQ(info.FileVersion(SystemFile(L"no-such-file.dll")), std::nullopt);
}

TEST(ProgramInfo, A64BitProcessIsNotWow64) {
  EXPECT_FALSE(TProgramInfo().IsWow64());
}

}  // namespace
}  // namespace tolvane::win32
