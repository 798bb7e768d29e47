#pragma once

#include "platform/win32/Win.h"

namespace tolvane::win32 {

// A function of an already loaded system DLL looked up at run time, for functions that older Windows versions
// lack; null when the module or the function is missing.
template <typename TFunction>
TFunction ProcAddress(const wchar_t* module, const char* name) {
  const HMODULE handle = ::GetModuleHandleW(module);
  if (handle == nullptr)
    return nullptr;
  // FARPROC has a signature of its own; going through void (*)() is gcc's sanctioned way past
  // -Wcast-function-type.
  return reinterpret_cast<TFunction>(reinterpret_cast<void (*)()>(::GetProcAddress(handle, name)));
}

}  // namespace tolvane::win32
