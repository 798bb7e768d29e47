#pragma once
// Keys that reading and writing share, in the order they are written.

#include <array>
#include <string_view>

#include "storage/Globals.h"

namespace tolvane::storage {

struct TColorKey {
  std::u16string_view Key;
  TSettingsColor TSettings::*Field;
};

inline constexpr std::array<TColorKey, 23> ColorKeys{{
    {u"FormBottomColor", &TSettings::FormBottomColor},
    {u"ButDimmedLight", &TSettings::ButDimmedLight},
    {u"ButDimmedDark", &TSettings::ButDimmedDark},
    {u"ButHotLight", &TSettings::ButHotLight},
    {u"ButHotDark", &TSettings::ButHotDark},
    {u"ButDisabLight", &TSettings::ButDisabLight},
    {u"ButDisabDark", &TSettings::ButDisabDark},
    {u"DisabledColor", &TSettings::DisabledColor},
    {u"FrameColor", &TSettings::FrameColor},
    {u"MainMenuBottom", &TSettings::MainMenuBottom},
    {u"MenuBottomColor", &TSettings::MenuBottomColor},
    {u"MenuTopColor", &TSettings::MenuTopColor},
    {u"InActiveFrameColor", &TSettings::InActiveFrameColor},
    {u"PopupFrameColor", &TSettings::PopupFrameColor},
    {u"SelBottomColor", &TSettings::SelBottomColor},
    {u"SelTextColor", &TSettings::SelTextColor},
    {u"SelTopColor", &TSettings::SelTopColor},
    {u"SplitterColor", &TSettings::SplitterColor},
    {u"MenuTextColor", &TSettings::MenuTextColor},
    {u"FormTopColor", &TSettings::FormTopColor},
    {u"HslMenuBkg", &TSettings::HslMenuBkg},
    {u"HslSelMenu", &TSettings::HslSelMenu},
    {u"HslWinBkg", &TSettings::HslWinBkg},
}};

}  // namespace tolvane::storage
