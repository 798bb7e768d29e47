#pragma once
// Field-by-field comparison of item trees for the storage tests.

#include <gtest/gtest.h>

#include <string>

#include "common/Unicode.h"
#include "storage/Item.h"

namespace tolvane::storage::testing {

// Compares every stored field and the subtree; the root's type and image are not stored, so not compared.
inline void ExpectSameTree(const TItem& expected, const TItem& actual, const std::string& path = "root") {
  SCOPED_TRACE(path);
  const auto field = [&](const char* name, std::u16string_view want, std::u16string_view got) {
    EXPECT_EQ(Utf16ToUtf8(got), Utf16ToUtf8(want)) << name;
  };
  field("Name", expected.Name, actual.Name);
  field("Code", expected.Code, actual.Code);
  field("Tip", expected.Tip, actual.Tip);
  field("Email", expected.Email, actual.Email);
  field("Cc", expected.Cc, actual.Cc);
  field("Bcc", expected.Bcc, actual.Bcc);
  field("XClip", expected.XClip, actual.XClip);
  field("File", expected.File, actual.File);
  field("Subject", expected.Subject, actual.Subject);
  field("Program", expected.Program, actual.Program);
  field("Url", expected.Url, actual.Url);
  field("WebBrowser", expected.WebBrowser, actual.WebBrowser);
  field("KeyMacro", expected.KeyMacro, actual.KeyMacro);
  field("QParams", expected.QParams, actual.QParams);
  EXPECT_EQ(actual.MonoSpace, expected.MonoSpace);
  EXPECT_EQ(actual.NewLineHome, expected.NewLineHome);
  EXPECT_EQ(actual.RepeatCount, expected.RepeatCount);
  EXPECT_EQ(actual.Level, expected.Level);
  if (expected.Level != 0) {
    EXPECT_EQ(actual.ItemType, expected.ItemType);
    EXPECT_EQ(actual.ImageIndex, expected.ImageIndex);
  }
  ASSERT_EQ(actual.Children.Count(), expected.Children.Count());
  for (int i = 0; i < expected.Children.Count(); ++i) {
    EXPECT_EQ(actual.Children[i]->Parent, &actual);
    ExpectSameTree(*expected.Children[i], *actual.Children[i], path + "/" + std::to_string(i));
  }
}

}  // namespace tolvane::storage::testing
