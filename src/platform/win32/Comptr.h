#pragma once
// Owners for COM: an interface pointer released exactly once, and COM initialised for a scope.

#include <utility>

#include "platform/win32/Win.h"

// After Win.h, so the COM headers see the same Windows configuration.
#include <objbase.h>

namespace tolvane::win32 {

template <typename TInterface>
class TComPtr {
 public:
  TComPtr() = default;
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;
  TComPtr(TComPtr&& other) noexcept : Pointer(std::exchange(other.Pointer, nullptr)) {}
  TComPtr& operator=(TComPtr&& other) noexcept {
    if (this != &other)
      reset(std::exchange(other.Pointer, nullptr));
    return *this;
  }
  ~TComPtr() { reset(); }

  TInterface* get() const { return Pointer; }
  TInterface* operator->() const { return Pointer; }
  explicit operator bool() const { return Pointer != nullptr; }
  // For the out-parameter of a creating call: releases what is held first.
  void** put() {
    reset();
    return reinterpret_cast<void**>(&Pointer);
  }
  void reset(TInterface* pointer = nullptr) {
    if (TInterface* old = std::exchange(Pointer, pointer))
      old->Release();
  }

 private:
  TInterface* Pointer = nullptr;
};

// COM for the calling thread for the scope. A thread that already runs COM in the other threading model
// keeps it: the call then works in that model and nothing is uninitialised.
class TComApartment {
 public:
  TComApartment() : Result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  TComApartment(const TComApartment&) = delete;
  TComApartment& operator=(const TComApartment&) = delete;
  ~TComApartment() {
    if (SUCCEEDED(Result))
      ::CoUninitialize();
  }

  bool Usable() const { return SUCCEEDED(Result) || Result == RPC_E_CHANGED_MODE; }
  HRESULT Status() const { return Result; }

 private:
  HRESULT Result;
};

}  // namespace tolvane::win32
