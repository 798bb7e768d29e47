#include "ui/Uiresources.h"

#include <string_view>

#include "graphics/Pngimage.h"

namespace tolvane::ui {

const wchar_t* MsgKindImageName(platform::TMsgKind kind) {
  switch (kind) {
    case platform::TMsgKind::Question:
      return L"MSG_QUESTION";
    case platform::TMsgKind::Exclamation:
      return L"MSG_EXCLAMATION";
    case platform::TMsgKind::Error:
      return L"MSG_ERROR";
    case platform::TMsgKind::Information:
      break;
  }
  return L"MSG_INFORMATION";
}

bool LoadPngResource(HMODULE module, const wchar_t* name, graphics::TQxBitmap& bitmap) {
  const HRSRC resource = ::FindResourceW(module, name, RT_RCDATA);
  if (resource == nullptr)
    return false;
  const DWORD size = ::SizeofResource(module, resource);
  // Resource memory belongs to the module: it is neither unlocked nor freed.
  const HGLOBAL loaded = ::LoadResource(module, resource);
  const void* data = loaded == nullptr ? nullptr : ::LockResource(loaded);
  if (data == nullptr || size == 0)
    return false;
  const std::string_view bytes(static_cast<const char*>(data), size);
  return graphics::LoadPng(bytes, bitmap) == graphics::TPngResult::Ok;
}

}  // namespace tolvane::ui
