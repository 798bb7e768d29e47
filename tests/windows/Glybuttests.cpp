// The glyph button: its looks from real mouse input, when it clicks, handlers that end its life, and the
// pixels of its faces.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "Testsupport.h"
#include "platform/win32/Systemcolors.h"
#include "ui/Dibcanvas.h"
#include "ui/Geometrywin.h"
#include "ui/Glybut.h"

namespace tolvane::ui::testing {
namespace {

using graphics::TQxBitmap;
using graphics::TQxColor;
using win32::testing::PumpUntil;

constexpr int kButtonId = 41;

// A bare top-level window apart from the other tests' windows; counts the buttons' BN_CLICKED.
class THostWindow final : public TWindow {
 public:
  explicit THostWindow(const TRect& bounds) {
    TWindowClass windowClass;
    windowClass.Name = L"TolvaneGlyButTestHost";
    TWindowParams creation;
    creation.Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    creation.Bounds = bounds;
    Create(windowClass, creation);
  }
  ~THostWindow() override { Destroy(); }

  int Commands = 0;

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED)
      ++Commands;
    return Default(message, wParam, lParam);
  }
};

void SendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  ::SendInput(1, &input, sizeof(input));
}

// The pointer goes there and the windows under it hear of it.
void MoveTo(POINT screen) {
  ::SetCursorPos(screen.x, screen.y);
  SendMouse(MOUSEEVENTF_MOVE);
}

bool InputDrained() {
  return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0;
}

int Lightness(TQxColor color) {
  return (color.Red() + color.Green() + color.Blue()) / 3;
}

// The smallest rectangle around the pixels that are more ink than face: darker than halfway between the
// darkest pixel and the face left of the glyph.
TRect InkBounds(const TQxBitmap& face) {
  int darkest = 255;
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x)
      darkest = std::min(darkest, Lightness(face.Pixel(x, y)));
  }
  const int threshold = (Lightness(face.Pixel(face.Width() / 5, face.Height() / 2)) + darkest) / 2;
  TRect ink{face.Width(), face.Height(), 0, 0};
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x) {
      if (Lightness(face.Pixel(x, y)) < threshold)
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
    }
  }
  return ink;
}

TQxBitmap Painted(const TGlyButFace& face, int width, int height, int ppi = 96) {
  TQxBitmap bitmap(width, height);
  PaintGlyButFace(bitmap, face, uimodel::TScale(ppi));
  return bitmap;
}

TGlyButFace Face(TGlyButLook look, graphics::TColor top = 0xF0F0F0, graphics::TColor bottom = 0xC8C8C8) {
  TGlyButFace face;
  face.Glyph = TGlyph::Close;
  face.Look = look;
  face.Top = top;
  face.Bottom = bottom;
  face.GlyphColor = 0x4A4A4A;
  return face;
}

class GlyBut : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Host = std::make_unique<THostWindow>(TRect::Sized(900, 200, 240, 120)); }
  static void TearDownTestSuite() { Host.reset(); }

  void SetUp() override {
    Host->Commands = 0;
    Button = std::make_unique<TGlyBut>(Host->Handle(), kButtonId, TGlyph::Close, Colors);
    Button->SetBounds(TRect::Sized(20, 20, 30, 30));
    Button->SetVisible(true);
    Button->OnClick = [this] { ++Clicks; };
    MoveTo(Away());
    ::SetForegroundWindow(Host->Handle());
    ::SetFocus(Host->Handle());
    ASSERT_TRUE(PumpUntil([] { return ::GetForegroundWindow() == Host->Handle() && InputDrained(); }));
  }

  static POINT Away() { return {2, 2}; }
  POINT OnButton(int x = 15, int y = 15) const {
    POINT point{x, y};
    ::ClientToScreen(Button->Handle(), &point);
    return point;
  }
  // Button messages as the mouse sends them, in the button's client pixels.
  void Mouse(UINT message, int x, int y) const {
    ::SendMessageW(Button->Handle(), message, 0, MAKELPARAM(x, y));
  }

  static inline std::unique_ptr<THostWindow> Host;
  win32::TSystemColors Colors;
  std::unique_ptr<TGlyBut> Button;
  int Clicks = 0;
};

// ---- Mouse ------------------------------------------------------------------------------------------------

TEST_F(GlyBut, PointerMakesItHotAndAReleaseOverItClicksWithoutTakingTheFocus) {
  MoveTo(OnButton());
  ASSERT_TRUE(PumpUntil([&] { return Button->Look() == TGlyButLook::Hot; }));
  MoveTo(Away());
  EXPECT_TRUE(PumpUntil([&] { return Button->Look() == TGlyButLook::Normal; }))
      << "left without a move inside";

  MoveTo(OnButton());
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return Button->Look() == TGlyButLook::Pressed; }));
  EXPECT_EQ(::GetCapture(), Button->Handle());
  EXPECT_EQ(Clicks, 0) << "nothing happens on the press";
  SendMouse(MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(PumpUntil([&] { return Clicks == 1 && InputDrained(); }));
  EXPECT_EQ(Host->Commands, 1) << "the parent hears BN_CLICKED after OnClick";
  EXPECT_EQ(Button->Look(), TGlyButLook::Hot);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_NE(::GetFocus(), Button->Handle());
  MoveTo(Away());
  EXPECT_TRUE(PumpUntil([&] { return Button->Look() == TGlyButLook::Normal; })) << "hot after the click";
}

TEST_F(GlyBut, PressReleasedOutsideDoesNotClick) {
  MoveTo(OnButton());
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  ASSERT_TRUE(PumpUntil([&] { return Button->Pressed(); }));
  MoveTo(OnButton(60, 15));
  ASSERT_TRUE(PumpUntil([&] { return Button->Look() == TGlyButLook::Normal; })) << "dragged off the button";
  MoveTo(OnButton());
  EXPECT_TRUE(PumpUntil([&] { return Button->Look() == TGlyButLook::Pressed; })) << "and back on it";
  MoveTo(OnButton(60, 15));
  SendMouse(MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(PumpUntil([&] { return InputDrained() && !Button->Pressed(); }));
  EXPECT_EQ(Clicks, 0);
  EXPECT_EQ(Host->Commands, 0);
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(GlyBut, LostCaptureOrDisablingCancelsAPress) {
  Mouse(WM_LBUTTONDOWN, 5, 5);
  ASSERT_TRUE(Button->Pressed());
  ::SetCapture(Host->Handle());  // as when another window takes the mouse
  EXPECT_FALSE(Button->Pressed());
  ::ReleaseCapture();
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Clicks, 0) << "release after the capture was lost";

  Mouse(WM_LBUTTONDOWN, 5, 5);
  Button->SetEnabled(false);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(Button->Look(), TGlyButLook::Disabled);
  Mouse(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(Clicks, 0) << "release after it was disabled";
}

TEST_F(GlyBut, DisabledOrHiddenButtonTakesNoClick) {
  Mouse(WM_MOUSEMOVE, 5, 5);
  ASSERT_EQ(Button->Look(), TGlyButLook::Hot);
  Button->SetEnabled(false);
  EXPECT_EQ(Button->Look(), TGlyButLook::Disabled);
  Mouse(WM_LBUTTONDOWN, 5, 5);
  Mouse(WM_LBUTTONUP, 5, 5);
  Button->Click();
  ::SendMessageW(Button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(Clicks, 0) << "disabled";

  Button->SetEnabled(true);
  EXPECT_EQ(Button->Look(), TGlyButLook::Normal) << "not hot from before it was disabled";
  Button->SetVisible(false);
  Button->Click();
  EXPECT_EQ(Clicks, 0) << "hidden";
  Button->SetVisible(true);
  Button->Click();
  EXPECT_EQ(Clicks, 1);
}

TEST_F(GlyBut, ClickHandlerMayDestroyTheButtonOrItsParent) {
  {
    THostWindow parent(TRect::Sized(900, 340, 120, 60));
    const HWND parentHandle = parent.Handle();
    auto button = std::make_unique<TGlyBut>(parentHandle, kButtonId, TGlyph::Close, Colors);
    button->SetBounds(TRect::Sized(0, 0, 30, 30));
    button->SetVisible(true);
    const HWND handle = button->Handle();
    button->OnClick = [&] { button.reset(); };
    ::SendMessageW(handle, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    ::SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(button, nullptr);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_EQ(parent.Commands, 0) << "no BN_CLICKED from a button that is gone";
  }
  {
    auto parent = std::make_unique<THostWindow>(TRect::Sized(900, 340, 120, 60));
    TGlyBut button(parent->Handle(), kButtonId, TGlyph::Close, Colors);
    button.SetBounds(TRect::Sized(0, 0, 30, 30));
    button.SetVisible(true);
    const HWND handle = button.Handle();
    button.OnClick = [&] { parent.reset(); };
    ::SendMessageW(handle, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    ::SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(parent, nullptr);
    EXPECT_FALSE(::IsWindow(handle));
    EXPECT_FALSE(button.Alive());
    button.Click();  // a button whose window went with its parent ignores it
  }
}

// ---- Faces ------------------------------------------------------------------------------------------------

TEST_F(GlyBut, WindowPaintsTheFaceOfItsLookInItsColours) {
  // The top is a system colour: the top byte marks it, the low byte is its index.
  Button->SetGradient(0x80000000u | COLOR_WINDOW, RGB(0x20, 0x60, 0xA0));
  TDibCanvas canvas;
  ASSERT_TRUE(canvas.Resize(30, 30));
  ::SendMessageW(Button->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
  TDibCanvas::Flush();
  const TGlyButFace face = Face(TGlyButLook::Normal, Colors.Color(COLOR_WINDOW), 0xA06020);
  const TQxBitmap expected = Painted(face, 30, 30, Button->Scale().Ppi());
  EXPECT_EQ(canvas.Bitmap().Pixel(0, 0).ToColor(), Colors.Color(COLOR_WINDOW) & 0xFFFFFFu);
  EXPECT_EQ(canvas.Bitmap().Pixel(0, 29).ToColor(), 0xA06020u);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x)
      ASSERT_EQ(canvas.Bitmap().Pixel(x, y).ToColor(), expected.Pixel(x, y).ToColor()) << x << ", " << y;
  }
}

TEST_F(GlyBut, CloseGlyphIsACentredCrossThatFollowsTheScale) {
  const struct {
    int Ppi;
    int Side;  // 15 design pixels
  } scales[] = {{96, 10}, {144, 15}, {192, 20}};
  for (const auto& scale : scales) {
    const int size = scale.Side * 3 + 2;  // the same parity as the glyph, so it can sit exactly in the middle
    const TQxBitmap face = Painted(Face(TGlyButLook::Normal, 0xE0E0E0, 0xE0E0E0), size, size, scale.Ppi);
    const TRect ink = InkBounds(face);
    EXPECT_EQ(ink, TRect::Sized((size - scale.Side) / 2, (size - scale.Side) / 2, scale.Side, scale.Side))
        << scale.Ppi << " ppi";
    const int middle = size / 2;
    EXPECT_LT(Lightness(face.Pixel(middle, middle)), 0x70) << "where the strokes cross, " << scale.Ppi;
    EXPECT_EQ(face.Pixel(middle, ink.Top + 1), face.Pixel(0, 0)) << "nothing between the upper arms";
    EXPECT_EQ(face.Pixel(ink.Left + 1, middle), face.Pixel(0, 0)) << "nothing between the left arms";
    bool symmetric = true;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const TQxColor pixel = face.Pixel(x, y);
        symmetric = symmetric && pixel == face.Pixel(size - 1 - x, y) &&
                    pixel == face.Pixel(x, size - 1 - y) && pixel == face.Pixel(y, x);
      }
    }
    EXPECT_TRUE(symmetric) << scale.Ppi << " ppi";
  }
}

TEST_F(GlyBut, HotPressedAndDisabledFacesDifferAsTheyShould) {
  // An even face, so the glyph's edges look alike in every look.
  const auto painted = [](TGlyButLook look) { return Painted(Face(look, 0xDCDCDC, 0xDCDCDC), 30, 30); };
  const TQxBitmap normal = painted(TGlyButLook::Normal);
  const TQxBitmap hot = painted(TGlyButLook::Hot);
  const TQxBitmap pressed = painted(TGlyButLook::Pressed);
  const TQxBitmap disabled = painted(TGlyButLook::Disabled);
  const auto centre = [](const TQxBitmap& face) { return Lightness(face.Pixel(15, 15)); };
  // Inside the highlight, off the glyph.
  const auto patch = [](const TQxBitmap& face) { return Lightness(face.Pixel(6, 15)); };

  EXPECT_LT(centre(hot), centre(normal)) << "hot ink is darker";
  EXPECT_GT(patch(hot), patch(normal)) << "hot lights the face";
  EXPECT_LT(patch(pressed), patch(normal)) << "pressed shades the face";
  EXPECT_EQ(normal.Pixel(0, 0), hot.Pixel(0, 0)) << "the highlight leaves the edge alone";
  EXPECT_GT(centre(disabled), centre(normal) + 0x30) << "disabled ink fades";
  EXPECT_EQ(InkBounds(disabled), InkBounds(normal)) << "in the same place";

  const TRect hotInk = InkBounds(hot);
  EXPECT_FALSE(hotInk.Empty());
  EXPECT_EQ(InkBounds(pressed), hotInk.Offset(1, 1)) << "pressed moves the glyph down and right";
}

}  // namespace
}  // namespace tolvane::ui::testing
