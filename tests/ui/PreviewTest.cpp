#include "uimodel/Preview.h"

#include <gtest/gtest.h>

#include "Itemtrees.h"

namespace tolvane::uimodel {
namespace {

using testing::Add;
namespace pc = previewcolor;

TEST(PreviewLinesTest, OnlyNonEmptyValuesInTheirTypesOrderAndColours) {
  storage::TItem root;
  storage::TItem* bar = Add(root, u"Bar", storage::ItemTypeFolder);

  storage::TItem* mail = Add(*bar, u"Mail", storage::ItemTypeMail);
  mail->Email = u"a@b.c";
  mail->Cc = u"d@e.f";
  mail->Subject = u"Hi";
  mail->Code = u"Body text";
  mail->Tip = u"not shown for mail";
  EXPECT_EQ(PreviewLines(*mail), (std::vector<TPreviewLine>{{u"Email: ", u"a@b.c", pc::Navy},
                                                            {u"Cc: ", u"d@e.f", pc::Maroon},
                                                            {u"Subject: ", u"Hi", pc::Green},
                                                            {u"Body: ", u"Body text", pc::Blue}}));

  storage::TItem* clip = Add(*bar, u"Clip", storage::ItemTypeFolderClip);
  clip->Tip = u"help";
  clip->Code = u"text";
  clip->File = u"c:\\f.txt";
  EXPECT_EQ(PreviewLines(*clip), (std::vector<TPreviewLine>{{u"Help: ", u"help", pc::Blue},
                                                            {u"Clip: ", u"text", pc::Green},
                                                            {u"FileName: ", u"c:\\f.txt", pc::Navy}}));

  storage::TItem* program = Add(*bar, u"Program", storage::ItemTypeProgram);
  program->Program = u"notes.exe";
  program->QParams = u"-x";
  EXPECT_EQ(PreviewLines(*program), (std::vector<TPreviewLine>{{u"Program: ", u"notes.exe", pc::Navy},
                                                               {u"Parameters: ", u"-x", pc::Purple}}));

  storage::TItem* site = Add(*bar, u"Site", storage::ItemTypeWebSite);
  site->Url = u"example.org";
  site->WebBrowser = u"Browser";
  EXPECT_EQ(PreviewLines(*site), (std::vector<TPreviewLine>{{u"Url: ", u"example.org", pc::Navy},
                                                            {u"WebBrowser: ", u"Browser", pc::Purple}}));

  storage::TItem* macro = Add(*bar, u"Macro", storage::ItemTypeKeyMacro);
  macro->KeyMacro = u"abc";
  ASSERT_FALSE(macro->GetMacroLines().empty());
  EXPECT_EQ(PreviewLines(*macro),
            (std::vector<TPreviewLine>{{u"Macro: ", macro->GetMacroLines(), pc::Green}}));

  storage::TItem* modifier = Add(*bar, u"Modifier", storage::ItemTypeClipModifier);
  modifier->Code = u"Upper()";
  EXPECT_EQ(PreviewLines(*modifier), (std::vector<TPreviewLine>{{u"Modifier: ", u"Upper()", pc::Green}}));

  // Nothing to show: the preview stays hidden.
  storage::TItem* folder = Add(*bar, u"Folder", storage::ItemTypeFolder);
  folder->Tip = u"help";
  EXPECT_TRUE(PreviewLines(*folder).empty());
  EXPECT_TRUE(PreviewLines(*Add(*bar, u"Own", storage::ItemTypeProgramOwn)).empty());
  EXPECT_TRUE(PreviewLines(*Add(*bar, u"Empty", storage::ItemTypeClip)).empty());
}

TEST(PreviewLinesTest, ComposedTextHasARunPerLine) {
  const TPreviewText text = ComposePreview({{u"Help: ", u"h", pc::Blue}, {u"Clip: ", u"a\r\nb", pc::Green}});
  EXPECT_EQ(text.Text, u"Help: \r\nh\r\nClip: \r\na\r\nb");
  ASSERT_EQ(text.Runs.size(), 2u);
  EXPECT_EQ(text.Text.substr(text.Runs[1].Start, text.Runs[1].Length), u"Clip: \r\na\r\nb");
  EXPECT_EQ(text.Runs[0].Length, 9u);
  EXPECT_EQ(text.Runs[1].Color, pc::Green);
  EXPECT_TRUE(ComposePreview({}).Text.empty());
}

TEST(PreviewTest, FontAndInsets) {
  storage::TSettings settings;
  settings.CodeFixedFontName = u"Mono";
  settings.CodeFixedFontSize = 10;
  settings.CodeFixedFontBold = true;
  settings.MenuFontName = u"Sans";
  settings.MenuFontSize = 9;
  storage::TItem item;
  item.MonoSpace = true;
  EXPECT_EQ(PreviewFont(item, settings), (TPreviewFont{u"Mono", 10, true}));
  item.MonoSpace = false;
  EXPECT_EQ(PreviewFont(item, settings), (TPreviewFont{u"Sans", 9, false}));

  EXPECT_EQ(PreviewInsets(144), (TPreviewInsets{10, 10, 5, 5}));
  EXPECT_EQ(PreviewInsets(96), (TPreviewInsets{6, 6, 3, 3}));
  EXPECT_EQ(PreviewInsets(120), (TPreviewInsets{8, 8, 4, 4}));
}

TEST(PreviewPlacementTest, SizeLimitsAndEveryMonitorEdge) {
  const TRect area{0, 0, 2000, 1000};   // limits: 900 wide (at least 600), 450 high (at least 225)
  const TRect row{100, 100, 300, 124};  // middle (200, 112)
  EXPECT_EQ(PlacePreview({700, 300}, row, area), TRect::Sized(220, 137, 760, 320));
  EXPECT_EQ(PlacePreview({10, 10}, row, area).Size(), (TSize{600, 225}));
  EXPECT_EQ(PlacePreview({5000, 5000}, row, area).Size(), (TSize{900, 450}));

  // Right edge: moved left; bottom edge: above the point, ending 50 px above it.
  const TRect low{1700, 900, 1900, 924};  // middle (1800, 912)
  EXPECT_EQ(PlacePreview({700, 300}, low, area), TRect::Sized(2000 - 760, 912 - 50 - 320, 760, 320));

  // A work area on a monitor left of and above the primary one.
  const TRect other{-1280, -1024, 0, -40};
  const TRect placed = PlacePreview({100, 100}, TRect{-300, -80, -100, -56}, other);
  EXPECT_EQ(placed.Right, 0);
  EXPECT_EQ(placed.Bottom, -68 - 50);
  EXPECT_GE(placed.Top, other.Top);

  // A short work area with the row near its top: never above the work area, never left of it.
  const TRect shortArea{0, 0, 400, 300};
  const TRect fitted = PlacePreview({1000, 1000}, TRect{0, 150, 100, 174}, shortArea);
  EXPECT_EQ(fitted.TopLeft(), (TPoint{70, 0}));
  const TRect narrow{500, 0, 700, 1000};
  EXPECT_EQ(PlacePreview({1000, 10}, TRect{400, 10, 420, 30}, narrow).Left, 500);
}

}  // namespace
}  // namespace tolvane::uimodel
