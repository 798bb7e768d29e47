#include "platform/native/Iconvtext.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "platform/native/Utf16bytes.h"

namespace tolvane::native {
namespace {

constexpr char Utf16LE[] = "UTF-16LE";

class TIconv {
 public:
  TIconv(const std::string& to, const std::string& from) : Handle(iconv_open(to.c_str(), from.c_str())) {}
  TIconv(const TIconv&) = delete;
  TIconv& operator=(const TIconv&) = delete;
  ~TIconv() {
    if (*this)
      iconv_close(Handle);
  }
  explicit operator bool() const { return Handle != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as possible into `out`; returns 0 or the errno that stopped it.
  int Convert(std::string_view& in, std::string& out) {
    std::array<char, 4096> buffer;
    char* source = const_cast<char*>(in.data());  // iconv's signature; the input is not written
    std::size_t sourceLeft = in.size();
    int error = E2BIG;
    while (error == E2BIG) {
      char* target = buffer.data();
      std::size_t targetLeft = buffer.size();
      const std::size_t result = iconv(Handle, &source, &sourceLeft, &target, &targetLeft);
      error = result == static_cast<std::size_t>(-1) ? errno : 0;
      out.append(buffer.data(), target);
    }
    in.remove_prefix(in.size() - sourceLeft);
    return error;
  }

 private:
  iconv_t Handle;
};

// Length in UTF-16LE bytes of the character at the start of `in`, to skip it when it cannot be converted.
std::size_t Utf16CharacterBytes(std::string_view in) {
  const bool highSurrogate = in.size() >= 4 && (static_cast<unsigned char>(in[1]) & 0xFC) == 0xD8 &&
                             (static_cast<unsigned char>(in[3]) & 0xFC) == 0xDC;
  return highSurrogate ? 4 : std::min<std::size_t>(2, in.size());
}

}  // namespace

bool IconvKnows(const std::string& charset) {
  return static_cast<bool>(TIconv(Utf16LE, charset));
}

std::optional<std::u16string> IconvToUtf16(const std::string& charset, std::string_view bytes, bool strict) {
  TIconv converter(Utf16LE, charset);
  if (!converter)
    return std::nullopt;
  std::string utf16;
  while (!bytes.empty()) {
    const int error = converter.Convert(bytes, utf16);
    if (error == 0)
      break;
    if (strict)
      return std::nullopt;
    utf16 += "\xFD\xFF";  // U+FFFD
    // A sequence cut off by the end of the input (EINVAL) is replaced as a whole.
    bytes.remove_prefix(error == EINVAL ? bytes.size() : 1);
  }
  return DecodeUtf16Bytes(utf16, false, false);
}

std::optional<std::string> IconvFromUtf16(const std::string& charset, std::u16string_view text) {
  TIconv converter(charset, Utf16LE);
  if (!converter)
    return std::nullopt;
  const std::string utf16 = EncodeUtf16Bytes(text, false);
  std::string_view in = utf16;
  std::string out;
  while (!in.empty()) {
    if (converter.Convert(in, out) == 0)
      break;
    out += '?';
    in.remove_prefix(Utf16CharacterBytes(in));
  }
  return out;
}

}  // namespace tolvane::native
