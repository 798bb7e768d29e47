#include <gtest/gtest.h>

#include "platform/win32/Knownfolders.h"
#include "platform/win32/Win.h"

namespace tolvane::win32 {
namespace {

using platform::TKnownFolder;

constexpr TKnownFolder AllFolders[] = {TKnownFolder::RoamingAppData, TKnownFolder::Startup,
                                       TKnownFolder::Desktop, TKnownFolder::StartMenu};

bool IsExistingFolder(const std::u16string& path) {
  const DWORD attributes = ::GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Both ways must work: the CSIDL one serves systems without the known-folder call.
TEST(KnownFolders, FindEveryFolderWithoutATrailingBackslashEitherWay) {
  TKnownFolders known(TKnownFolderApi::Automatic);
  TKnownFolders csidl(TKnownFolderApi::CsidlOnly);
  for (const TKnownFolder folder : AllFolders) {
    SCOPED_TRACE(static_cast<int>(folder));
    const auto path = known.Path(folder);
    ASSERT_TRUE(path);
    ASSERT_FALSE(path->empty());
    EXPECT_NE(path->back(), u'\\');
    EXPECT_TRUE(IsExistingFolder(*path));
    EXPECT_EQ(csidl.Path(folder), path);
  }
}

// Catches folders mixed up with each other: each has a relation that the others lack.
TEST(KnownFolders, EachIdentifierNamesItsOwnFolder) {
  TKnownFolders folders;
  const auto startMenu = folders.Path(TKnownFolder::StartMenu).value_or(u"");
  const auto startup = folders.Path(TKnownFolder::Startup).value_or(u"");
  EXPECT_EQ(startup.rfind(startMenu + u"\\", 0), 0U) << "Startup lies inside the Start Menu";
  wchar_t appData[MAX_PATH] = {};
  ASSERT_GT(::GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0U);
  EXPECT_EQ(folders.Path(TKnownFolder::RoamingAppData), Narrow16(appData));
  EXPECT_NE(folders.Path(TKnownFolder::Desktop), folders.Path(TKnownFolder::RoamingAppData));
}

}  // namespace
}  // namespace tolvane::win32
