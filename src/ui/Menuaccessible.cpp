#include "ui/Menuaccessible.h"

// After Win.h, so the COM headers see the same Windows configuration.
#include <oleacc.h>

#include <optional>
#include <string_view>

#include "uimodel/Uimessages.h"

namespace tolvane::ui {

namespace {

// mingw-w64's liboleacc.a exports IID_IAccessible as an import thunk rather than the GUID itself.
constexpr IID kIIDAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

constexpr DWORD kStateMap[][2] = {
    {uimodel::AccessFocused, STATE_SYSTEM_FOCUSED},     {uimodel::AccessHotTracked, STATE_SYSTEM_HOTTRACKED},
    {uimodel::AccessHasPopup, STATE_SYSTEM_HASPOPUP},   {uimodel::AccessFocusable, STATE_SYSTEM_FOCUSABLE},
    {uimodel::AccessOffscreen, STATE_SYSTEM_OFFSCREEN},
};

HRESULT TextResult(std::u16string_view text, BSTR* out) {
  *out = nullptr;
  if (text.empty())
    return S_FALSE;
  *out = ::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

void IdOut(long id, VARIANT* out) {
  out->vt = VT_I4;
  out->lVal = id;
}

bool ChildIdOf(const VARIANT& child, long& id) {
  if (child.vt != VT_I4)
    return false;
  id = child.lVal;
  return true;
}

uimodel::TAccessDirection DirectionOf(long navDir, bool& known) {
  known = true;
  switch (navDir) {
    case NAVDIR_FIRSTCHILD:
      return uimodel::TAccessDirection::First;
    case NAVDIR_LASTCHILD:
      return uimodel::TAccessDirection::Last;
    case NAVDIR_NEXT:
      return uimodel::TAccessDirection::Next;
    case NAVDIR_PREVIOUS:
      return uimodel::TAccessDirection::Previous;
    case NAVDIR_UP:
      return uimodel::TAccessDirection::Up;
    case NAVDIR_DOWN:
      return uimodel::TAccessDirection::Down;
    case NAVDIR_LEFT:
      return uimodel::TAccessDirection::Left;
    case NAVDIR_RIGHT:
      return uimodel::TAccessDirection::Right;
    default:
      known = false;
      return uimodel::TAccessDirection::Next;
  }
}

}  // namespace

// COM interfaces have no virtual destructor by design: the object deletes itself in Release and is never
// deleted through an interface pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class TMenuAccessible final : public IAccessible {
 public:
  TMenuAccessible(HWND window, const IMenuAccessSource& source) : Window(window), Source(&source) {}
  TMenuAccessible(const TMenuAccessible&) = delete;
  TMenuAccessible& operator=(const TMenuAccessible&) = delete;

  void Disconnect() {
    Source = nullptr;
    // Proxies in other processes fail at once instead of keeping the object alive.
    (void)::CoDisconnectObject(static_cast<IUnknown*>(this), 0);
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr)
      return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIIDAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(::InterlockedIncrement(&References));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&References);
    if (left == 0)
      delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: clients of menus use the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr)
      return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info != nullptr)
      *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override { return NoText(child, value); }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return NoText(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override { return NoText(child, help); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (file != nullptr)
      *file = nullptr;
    if (topic != nullptr)
      *topic = 0;
    return Source == nullptr ? RPC_E_DISCONNECTED : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override { return get_accFocus(selection); }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override {
    return Source == nullptr ? RPC_E_DISCONNECTED : DISP_E_MEMBERNOTFOUND;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~TMenuAccessible() = default;

  // The window's current view; RPC_E_DISCONNECTED once the window is gone.
  HRESULT Read(uimodel::TMenuAccessView& view) const {
    if (Source == nullptr || ::IsWindow(Window) == FALSE)
      return RPC_E_DISCONNECTED;
    view = Source->AccessView();
    return S_OK;
  }
  // Read, then the child id checked against the view (the window itself included).
  HRESULT ReadFor(const VARIANT& child, uimodel::TMenuAccessView& view, long& id) const {
    const HRESULT result = Read(view);
    if (FAILED(result))
      return result;
    return ChildIdOf(child, id) && view.ValidId(id) ? S_OK : E_INVALIDARG;
  }
  // A number of the child (or of the menu itself) as a VT_I4 VARIANT.
  using TNumberOf = long (*)(const TMenuAccessible& self, const uimodel::TMenuAccessView& view, long id);
  HRESULT ChildNumber(const VARIANT& child, VARIANT* number, TNumberOf numberOf) const {
    if (number == nullptr)
      return E_POINTER;
    ::VariantInit(number);
    uimodel::TMenuAccessView view;
    long id = 0;
    const HRESULT result = ReadFor(child, view, id);
    if (FAILED(result))
      return result;
    IdOut(numberOf(*this, view, id), number);
    return S_OK;
  }
  // A text of the child, or of the menu itself when `textOf` gives one for it (nullopt: the child has none).
  using TTextOf = std::optional<std::u16string_view> (*)(const uimodel::TMenuAccessView& view,
                                                         const uimodel::TAccessChild* item);
  HRESULT ChildText(const VARIANT& child, BSTR* text, TTextOf textOf) const {
    if (text == nullptr)
      return E_POINTER;
    *text = nullptr;
    uimodel::TMenuAccessView view;
    long id = 0;
    const HRESULT result = ReadFor(child, view, id);
    if (FAILED(result))
      return result;
    const std::optional<std::u16string_view> found = textOf(view, view.Child(id));
    return found ? TextResult(*found, text) : S_FALSE;
  }
  HRESULT NoText(const VARIANT& child, BSTR* text) const {
    if (text == nullptr)
      return E_POINTER;
    *text = nullptr;
    uimodel::TMenuAccessView view;
    long id = 0;
    const HRESULT result = ReadFor(child, view, id);
    return FAILED(result) ? result : DISP_E_MEMBERNOTFOUND;
  }

  LONG References = 1;
  HWND Window;
  const IMenuAccessSource* Source;
};
#pragma GCC diagnostic pop

HRESULT TMenuAccessible::get_accParent(IDispatch** parent) {
  if (parent == nullptr)
    return E_POINTER;
  *parent = nullptr;
  uimodel::TMenuAccessView view;
  const HRESULT result = Read(view);
  if (FAILED(result))
    return result;
  return ::CreateStdAccessibleObject(Window, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent));
}

HRESULT TMenuAccessible::get_accChildCount(long* count) {
  if (count == nullptr)
    return E_POINTER;
  *count = 0;
  uimodel::TMenuAccessView view;
  const HRESULT result = Read(view);
  if (SUCCEEDED(result))
    *count = view.ChildCount();
  return result;
}

HRESULT TMenuAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
  if (dispatch == nullptr)
    return E_POINTER;
  *dispatch = nullptr;
  uimodel::TMenuAccessView view;
  long id = 0;
  const HRESULT result = ReadFor(child, view, id);
  if (FAILED(result))
    return result;
  // The rows are simple children: the client asks this object about them by id.
  return id == uimodel::AccessSelf ? E_INVALIDARG : S_FALSE;
}

HRESULT TMenuAccessible::get_accName(VARIANT child, BSTR* name) {
  return ChildText(child, name, [](const uimodel::TMenuAccessView& view, const uimodel::TAccessChild* item) {
    return std::optional<std::u16string_view>(item != nullptr ? std::u16string_view(item->Name) : view.Name);
  });
}

HRESULT TMenuAccessible::get_accRole(VARIANT child, VARIANT* role) {
  return ChildNumber(child, role, [](const TMenuAccessible&, const uimodel::TMenuAccessView& view, long id) {
    if (id != uimodel::AccessSelf)
      return long{ROLE_SYSTEM_MENUITEM};
    return long{view.Role == uimodel::TAccessRole::MenuBar ? ROLE_SYSTEM_MENUBAR : ROLE_SYSTEM_MENUPOPUP};
  });
}

HRESULT TMenuAccessible::get_accState(VARIANT child, VARIANT* state) {
  return ChildNumber(child, state,
                     [](const TMenuAccessible& self, const uimodel::TMenuAccessView& view, long id) {
                       DWORD flags = ::IsWindowVisible(self.Window) != FALSE ? 0 : STATE_SYSTEM_INVISIBLE;
                       if (const uimodel::TAccessChild* item = view.Child(id)) {
                         for (const auto& [bit, system] : kStateMap)
                           if ((item->State & bit) != 0)
                             flags |= system;
                       }
                       return static_cast<long>(flags);
                     });
}

HRESULT TMenuAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return ChildText(child, shortcut, [](const uimodel::TMenuAccessView&, const uimodel::TAccessChild* item) {
    return item != nullptr ? std::optional<std::u16string_view>(item->Shortcut) : std::nullopt;
  });
}

HRESULT TMenuAccessible::get_accFocus(VARIANT* focus) {
  if (focus == nullptr)
    return E_POINTER;
  ::VariantInit(focus);
  uimodel::TMenuAccessView view;
  const HRESULT result = Read(view);
  if (FAILED(result))
    return result;
  const long id = view.Focused();
  if (id == uimodel::AccessSelf)
    return S_FALSE;
  IdOut(id, focus);
  return S_OK;
}

HRESULT TMenuAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
  return ChildText(child, action, [](const uimodel::TMenuAccessView&, const uimodel::TAccessChild* item) {
    return item != nullptr ? std::optional<std::u16string_view>(item->DefaultAction) : std::nullopt;
  });
}

HRESULT TMenuAccessible::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
  if (left == nullptr || top == nullptr || width == nullptr || height == nullptr)
    return E_POINTER;
  *left = *top = *width = *height = 0;
  uimodel::TMenuAccessView view;
  long id = 0;
  const HRESULT result = ReadFor(child, view, id);
  if (FAILED(result))
    return result;
  RECT bounds{};
  if (const uimodel::TAccessChild* item = view.Child(id)) {
    if (item->Bounds.Empty())
      return S_FALSE;  // scrolled out of view
    bounds = RECT{item->Bounds.Left, item->Bounds.Top, item->Bounds.Right, item->Bounds.Bottom};
    ::MapWindowPoints(Window, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
  } else if (::GetWindowRect(Window, &bounds) == FALSE) {
    return E_FAIL;
  }
  *left = bounds.left;
  *top = bounds.top;
  *width = bounds.right - bounds.left;
  *height = bounds.bottom - bounds.top;
  return S_OK;
}

HRESULT TMenuAccessible::accNavigate(long navDir, VARIANT start, VARIANT* end) {
  if (end == nullptr)
    return E_POINTER;
  ::VariantInit(end);
  uimodel::TMenuAccessView view;
  long from = 0;
  const HRESULT result = ReadFor(start, view, from);
  if (FAILED(result))
    return result;
  bool known = false;
  const uimodel::TAccessDirection direction = DirectionOf(navDir, known);
  if (!known)
    return E_INVALIDARG;
  const long to = view.Navigate(from, direction);
  if (to == uimodel::AccessSelf)
    return S_FALSE;
  IdOut(to, end);
  return S_OK;
}

HRESULT TMenuAccessible::accHitTest(long x, long y, VARIANT* child) {
  if (child == nullptr)
    return E_POINTER;
  ::VariantInit(child);
  uimodel::TMenuAccessView view;
  const HRESULT result = Read(view);
  if (FAILED(result))
    return result;
  POINT point{x, y};
  RECT client{};
  ::ScreenToClient(Window, &point);
  ::GetClientRect(Window, &client);
  if (::PtInRect(&client, point) == FALSE)
    return S_FALSE;
  IdOut(view.HitTest(TPoint{point.x, point.y}), child);
  return S_OK;
}

HRESULT TMenuAccessible::accDoDefaultAction(VARIANT child) {
  uimodel::TMenuAccessView view;
  long id = 0;
  const HRESULT result = ReadFor(child, view, id);
  if (FAILED(result))
    return result;
  if (id == uimodel::AccessSelf)
    return DISP_E_MEMBERNOTFOUND;
  // A pick may open dialogs or send keys: it must not run inside the client's call.
  return ::PostMessageW(Window, uimodel::UM_ACCESS_ACTION, static_cast<WPARAM>(id - 1), 0) != FALSE
             ? S_OK
             : HRESULT_FROM_WIN32(::GetLastError());
}

// The host.

TMenuAccessHost::~TMenuAccessHost() {
  Disconnect();
}

bool TMenuAccessHost::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
  if (message == WM_GETOBJECT)
    return GetObject(window, wParam, lParam, answer);
  if (message == WM_DESTROY)
    Disconnect();
  return false;
}

bool TMenuAccessHost::GetObject(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT)
    return false;
  if (Object == nullptr)
    Object = new TMenuAccessible(window, Source);
  answer = ::LresultFromObject(kIIDAccessible, wParam, static_cast<IAccessible*>(Object));
  return true;
}

void TMenuAccessHost::Announce(HWND window, bool active, int hot) {
  const uimodel::TAccessEvents events = Announcer.Update(active, hot);
  const bool bar = Role == uimodel::TAccessRole::MenuBar;
  if (events.Start)
    ::NotifyWinEvent(bar ? EVENT_SYSTEM_MENUSTART : EVENT_SYSTEM_MENUPOPUPSTART, window, OBJID_CLIENT,
                     CHILDID_SELF);
  if (events.Focus != uimodel::AccessSelf)
    ::NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, events.Focus);
  if (events.End)
    ::NotifyWinEvent(bar ? EVENT_SYSTEM_MENUEND : EVENT_SYSTEM_MENUPOPUPEND, window, OBJID_CLIENT,
                     CHILDID_SELF);
}

void TMenuAccessHost::Disconnect() {
  if (Object == nullptr)
    return;
  Object->Disconnect();
  Object->Release();
  Object = nullptr;
}

}  // namespace tolvane::ui
