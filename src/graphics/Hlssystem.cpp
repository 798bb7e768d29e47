#include "graphics/Hls.h"

#if defined(_WIN32)
// shlwapi's two conversions, declared by hand: the graphics folder includes no system headers.
extern "C" {
__declspec(dllimport) unsigned long __stdcall ColorHLSToRGB(unsigned short hue, unsigned short luminance,
                                                            unsigned short saturation);
__declspec(dllimport) void __stdcall ColorRGBToHLS(unsigned long rgb, unsigned short* hue,
                                                   unsigned short* luminance, unsigned short* saturation);
}
#endif

namespace tolvane::graphics {

#if defined(_WIN32)

TColor ColorHlsToRgb(int hue, int luminance, int saturation) {
  return static_cast<TColor>(::ColorHLSToRGB(static_cast<unsigned short>(hue),
                                             static_cast<unsigned short>(luminance),
                                             static_cast<unsigned short>(saturation)));
}

THls ColorRgbToHls(TColor color) {
  THls hls;
  ::ColorRGBToHLS(color & 0x00FFFFFFu, &hls.Hue, &hls.Luminance, &hls.Saturation);
  return hls;
}

#else

TColor ColorHlsToRgb(int hue, int luminance, int saturation) {
  return ComputeHlsToRgb(hue, luminance, saturation);
}

THls ColorRgbToHls(TColor color) {
  return ComputeRgbToHls(color);
}

#endif

}  // namespace tolvane::graphics
