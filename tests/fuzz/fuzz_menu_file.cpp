// Any bytes as a menu file: a file that loads must save, load again to the same tree, and save to the same
// bytes once more.

#include <array>
#include <string>

#include "Fuzzsupport.h"
#include "platform/recording/Recordingservices.h"
#include "storage/Itemfields.h"
#include "storage/Itemfile.h"
#include "storage/Xmlchars.h"

namespace {

using namespace tolvane;
using storage::TItem;

constexpr const char16_t* InputFile = u"C:\\input.TvXml";
constexpr const char16_t* SavedFile = u"C:\\saved.TvXml";
constexpr const char16_t* AgainFile = u"C:\\again.TvXml";

struct TField {
  const char* Name;
  std::u16string_view (*Text)(const TItem& item);
  bool KeepsTrailingBlanks;  // written as CDATA when it has them
};

constexpr std::array<TField, 14> Fields = {{
    {"Name", &storage::itemfields::FieldText<&TItem::Name>, false},
    {"Code", &storage::itemfields::FieldText<&TItem::Code>, true},
    {"Tip", &storage::itemfields::FieldText<&TItem::Tip>, true},
    {"Email", &storage::itemfields::FieldText<&TItem::Email>, false},
    {"Cc", &storage::itemfields::FieldText<&TItem::Cc>, false},
    {"Bcc", &storage::itemfields::FieldText<&TItem::Bcc>, false},
    {"XClip", &storage::itemfields::FieldText<&TItem::XClip>, false},
    {"File", &storage::itemfields::FieldText<&TItem::File>, false},
    {"Subject", &storage::itemfields::FieldText<&TItem::Subject>, false},
    {"Program", &storage::itemfields::FieldText<&TItem::Program>, false},
    {"Url", &storage::itemfields::FieldText<&TItem::Url>, false},
    {"WebBrowser", &storage::itemfields::FieldText<&TItem::WebBrowser>, false},
    {"KeyMacro", &storage::itemfields::FieldText<&TItem::KeyMacro>, true},
    {"QParams", &storage::itemfields::FieldText<&TItem::QParams>, false},
}};

// Compares what a save stores: plain-text fields lose their trailing codes of 32 or less, unpaired surrogates
// (which a UTF-16 file can hold) become U+FFFD in UTF-8, and the program's own items (type 50 and above) are
// never written.
void CheckSaved(const TItem& loaded, const TItem& reloaded, const std::string& path) {
  for (const TField& field : Fields) {
    std::u16string want = Utf8ToUtf16(Utf16ToUtf8(field.Text(loaded)));
    if (!field.KeepsTrailingBlanks)
      want = std::u16string(storage::TrimXmlRight(want));
    fuzz::Check(want == field.Text(reloaded), path + " " + field.Name + ": " + fuzz::Quoted(want) +
                                                  " came back as " + fuzz::Quoted(field.Text(reloaded)));
  }
  fuzz::Check(loaded.MonoSpace == reloaded.MonoSpace, path + " MonoSpace");
  fuzz::Check(loaded.NewLineHome == reloaded.NewLineHome, path + " NewLineHome");
  fuzz::Check(loaded.RepeatCount == reloaded.RepeatCount,
              path + " RepeatCount " + std::to_string(loaded.RepeatCount) + " came back as " +
                  std::to_string(reloaded.RepeatCount));
  fuzz::Check(loaded.Level == reloaded.Level, path + " Level");
  if (loaded.Level != 0) {
    fuzz::Check(loaded.ItemType == reloaded.ItemType, path + " ItemType");
    fuzz::Check(loaded.ImageIndex == reloaded.ImageIndex, path + " ImageIndex");
  }
  int next = 0;
  for (int i = 0; i < loaded.Children.Count(); ++i) {
    const TItem& child = *loaded.Children[i];
    if (child.ItemType >= storage::ItemTypeProgramOwn)
      continue;
    fuzz::Check(next < reloaded.Children.Count(), path + ": child " + std::to_string(i) + " was lost");
    const TItem& other = *reloaded.Children[next++];
    fuzz::Check(other.Parent == &reloaded, path + ": child's parent link");
    CheckSaved(child, other, path + "/" + std::to_string(i));
  }
  fuzz::Check(next == reloaded.Children.Count(), path + ": more children after the reload");
}

void CheckRoundTrip(storage::TMenuFile& loaded, recording::TRecordingServices& doubles,
                    const storage::TMenuFileServices& services) {
  fuzz::Check(loaded.RootItem != nullptr, "a loaded menu without a root");
  fuzz::Check(loaded.SaveMenuFile(SavedFile) == storage::TMenuSaveResult::Saved,
              "saving a loaded menu failed");
  storage::TMenuFile reloaded(services);
  const std::u16string error = reloaded.LoadMenuFile(SavedFile, false);
  fuzz::Check(error.empty(), "a saved menu does not load: " + Utf16ToUtf8(error));
  fuzz::Check(reloaded.MenuFileVersion == loaded.MenuFileVersion, "the file's version changed");
  CheckSaved(*loaded.RootItem, *reloaded.RootItem, "root");
  fuzz::Check(reloaded.SaveMenuFile(AgainFile) == storage::TMenuSaveResult::Saved, "saving again failed");
  fuzz::Check(doubles.Files.Content(SavedFile) == doubles.Files.Content(AgainFile),
              "a reloaded menu saves to other bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  recording::TRecordingServices doubles(fuzz::Locale(), fuzz::CodePages());
  doubles.Files.AddFile(InputFile, fuzz::Bytes(data, size));
  const storage::TMenuFileServices services = storage::TMenuFileServices::From(doubles.Services());
  storage::TMenuFile menu(services);
  if (menu.LoadMenuFile(InputFile, false).empty())
    CheckRoundTrip(menu, doubles, services);
  // Appending the same file to what was loaded must not disturb the tree's links either.
  (void)menu.LoadMenuFile(InputFile, true);
  return 0;
}
