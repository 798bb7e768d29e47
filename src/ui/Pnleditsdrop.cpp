// TPnlEdits: files dropped from the shell onto the panel.

#include "ui/Pnledits.h"

#include <string>
#include <vector>

namespace tolvane::ui {

namespace {

// The shell's drop memory is released however the drop ends.
class TDropFinish {
 public:
  explicit TDropFinish(HDROP drop) : Drop(drop) {}
  TDropFinish(const TDropFinish&) = delete;
  TDropFinish& operator=(const TDropFinish&) = delete;
  ~TDropFinish() { ::DragFinish(Drop); }

 private:
  HDROP Drop;
};

}  // namespace

std::vector<std::u16string> DroppedFilePaths(HDROP drop) {
  std::vector<std::u16string> paths;
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    // The length without the terminating zero; a path may be far longer than MAX_PATH.
    const UINT length = ::DragQueryFileW(drop, i, nullptr, 0);
    std::wstring path(static_cast<std::size_t>(length) + 1, L'\0');
    path.resize(::DragQueryFileW(drop, i, path.data(), length + 1));
    if (!path.empty())
      paths.push_back(win32::Narrow16(path));
  }
  return paths;
}

// Clips list the paths in the code area (Ctrl appends them), actions take a program and parameters, web
// sites an address. Each changed field is written back as if typed.
void TPnlEdits::FilesDropped(HDROP drop) {
  const TDropFinish finish(drop);
  storage::TItem* item = ShownItem();
  if (item == nullptr || !Hosted || !uimodel::AcceptsFileDrop(item->ItemType, item->Level))
    return;
  const std::vector<std::u16string> paths = DroppedFilePaths(drop);
  TControls& c = *Hosted;
  uimodel::TDropFields fields{c.ReCode.Text(), c.EdProgram.Text(), c.EdParams.Text(), c.EdWebsite.Text()};
  const uimodel::TDropFields before = fields;
  const bool ctrlHeld = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
  if (!uimodel::ApplyDroppedFiles(item->ItemType, paths, ctrlHeld, fields))
    return;
  if (fields.CodeArea != before.CodeArea) {
    c.ReCode.SetText(fields.CodeArea);
    Written(Model.CodeAreaChanged(fields.CodeArea));
  }
  if (fields.Program != before.Program) {
    c.EdProgram.SetText(fields.Program);
    WriteText(uimodel::TPanelText::Program, fields.Program);
  }
  if (fields.Params != before.Params) {
    c.EdParams.SetText(fields.Params);
    WriteText(uimodel::TPanelText::Params, fields.Params);
  }
  if (fields.Website != before.Website) {
    c.EdWebsite.SetText(fields.Website);
    WriteText(uimodel::TPanelText::Website, fields.Website);
  }
}

}  // namespace tolvane::ui
