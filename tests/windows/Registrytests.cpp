#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Registry.h"

namespace tolvane::win32 {
namespace {

using platform::TRegistryRoot;
using ::testing::UnorderedElementsAre;

constexpr wchar_t TestRoot[] = L"Software\\TolvaneTest";

// A key of the test's own under HKEY_CURRENT_USER, removed with everything below it.
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = info->name();
    KeyPath = std::wstring(TestRoot) + L"\\" + std::wstring(name.begin(), name.end());
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr),
              ERROR_SUCCESS);
    Key.reset(key);
  }
  void TearDown() override {
    Key.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, TestRoot);
  }

  void SetValue(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(::RegSetValueExW(Key.get(), name, 0, type, static_cast<const BYTE*>(data), bytes),
              ERROR_SUCCESS);
  }
  void CreateSubKey(const wchar_t* name) {
    HKEY sub = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(Key.get(), name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(sub);
  }
  std::u16string Path() const { return Narrow16(KeyPath); }

  std::wstring KeyPath;
  unique_hkey Key;
  TRegistry Registry;
};

TEST_F(RegistryTest, ReadsStringValuesAsStored) {
  // Byte counts as writers really store them: with and without the terminator, and one odd byte too many.
  SetValue(L"", REG_SZ, L"default", sizeof(L"default"));
  SetValue(L"Plain", REG_SZ, L"C:\\Program Files\\x.exe", sizeof(L"C:\\Program Files\\x.exe"));
  SetValue(L"Expand", REG_EXPAND_SZ, L"%TEMP%\\x", sizeof(L"%TEMP%\\x"));
  SetValue(L"Unterminated", REG_SZ, L"abc", 3 * sizeof(wchar_t));
  SetValue(L"OddLength", REG_SZ, L"abcd", 3 * sizeof(wchar_t) + 1);
  SetValue(L"Empty", REG_SZ, L"", sizeof(wchar_t));
  const struct {
    std::u16string Name;
    std::u16string Expected;
  } cases[] = {{u"", u"default"},         {u"Plain", u"C:\\Program Files\\x.exe"},
               {u"Expand", u"%TEMP%\\x"}, {u"Unterminated", u"abc"},
               {u"OddLength", u"abc"},    {u"Empty", u""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Name.begin(), c.Name.end()));
    EXPECT_EQ(Registry.ReadString(TRegistryRoot::CurrentUser, Path(), c.Name), c.Expected);
  }
}

TEST_F(RegistryTest, GivesNothingForMissingOrNonStringValues) {
  const DWORD number = 42;
  SetValue(L"Number", REG_DWORD, &number, sizeof(number));
  EXPECT_EQ(Registry.ReadString(TRegistryRoot::CurrentUser, Path(), u"Missing"), std::nullopt);
  EXPECT_EQ(Registry.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
  EXPECT_FALSE(Registry.LastError().Message.empty());
  EXPECT_EQ(Registry.ReadString(TRegistryRoot::CurrentUser, Path(), u"Number"), std::nullopt);
}

TEST_F(RegistryTest, GivesNothingForAMissingKey) {
  EXPECT_EQ(Registry.ReadString(TRegistryRoot::CurrentUser, Path() + u"\\Missing", u""), std::nullopt);
  EXPECT_EQ(Registry.SubKeyNames(TRegistryRoot::CurrentUser, Path() + u"\\Missing"), std::nullopt);
  EXPECT_EQ(Registry.LastError().Code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

TEST_F(RegistryTest, ListsDirectSubKeysOnly) {
  CreateSubKey(L"Beta");
  CreateSubKey(L"Alpha\\Nested");
  CreateSubKey(L"A key name that is longer than most");
  const auto names = Registry.SubKeyNames(TRegistryRoot::CurrentUser, Path());
  ASSERT_TRUE(names);
  EXPECT_THAT(*names, UnorderedElementsAre(u"Alpha", u"Beta", u"A key name that is longer than most"));
  EXPECT_EQ(Registry.SubKeyNames(TRegistryRoot::CurrentUser, Path() + u"\\Beta"),
            std::vector<std::u16string>{});
}

TEST_F(RegistryTest, KeepsTheRootsApart) {
  SetValue(L"Only", REG_SZ, L"user", sizeof(L"user"));
  EXPECT_EQ(Registry.ReadString(TRegistryRoot::LocalMachine, Path(), u"Only"), std::nullopt);
  const auto root = Registry.ReadString(TRegistryRoot::LocalMachine,
                                        u"Software\\Microsoft\\Windows NT\\CurrentVersion", u"SystemRoot");
  ASSERT_TRUE(root);
  EXPECT_FALSE(root->empty());
}

}  // namespace
}  // namespace tolvane::win32
