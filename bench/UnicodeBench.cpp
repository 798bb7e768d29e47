// UTF-8 <-> UTF-16 conversion of the program's own converter against glibc's iconv (the baseline of each
// direction), on text shaped like menu files: mostly ASCII markup with some Latin-1 and a few characters
// outside the BMP.

#include <benchmark/benchmark.h>
#include <iconv.h>

#include <string>

#include "common/Unicode.h"

namespace {

std::string SampleText() {
  std::string text;
  for (int i = 0; i < 2000; ++i) {
    text += "  <Item Type=\"0\" Name=\"Svar p\xC3\xA5 mail nr. " + std::to_string(i) +
            "\" Code=\"Med venlig hilsen \xF0\x9F\x98\x80\"/>\r\n";
  }
  return text;
}

void BM_Baseline_Iconv(benchmark::State& state) {
  const std::string text = SampleText();
  iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
  std::u16string out(text.size(), u'\0');
  for (auto _ : state) {
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = reinterpret_cast<char*>(out.data());
    std::size_t outLeft = out.size() * 2;
    iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Baseline_Iconv);

void BM_Utf8ToUtf16(benchmark::State& state) {
  const std::string text = SampleText();
  for (auto _ : state)
    benchmark::DoNotOptimize(tolvane::Utf8ToUtf16(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Utf8ToUtf16);

void BM_Utf8ToUtf16Strict(benchmark::State& state) {
  const std::string text = SampleText();
  for (auto _ : state)
    benchmark::DoNotOptimize(tolvane::Utf8ToUtf16Strict(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Utf8ToUtf16Strict);

void BM_Baseline_IconvEncode(benchmark::State& state) {
  const std::u16string text = tolvane::Utf8ToUtf16(SampleText());
  iconv_t cd = iconv_open("UTF-8", "UTF-16LE");
  std::string out(text.size() * 3, '\0');
  for (auto _ : state) {
    char* in = reinterpret_cast<char*>(const_cast<char16_t*>(text.data()));
    std::size_t inLeft = text.size() * 2;
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * 2));
}
BENCHMARK(BM_Baseline_IconvEncode);

void BM_Utf16ToUtf8(benchmark::State& state) {
  const std::u16string text = tolvane::Utf8ToUtf16(SampleText());
  for (auto _ : state)
    benchmark::DoNotOptimize(tolvane::Utf16ToUtf8(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * 2));
}
BENCHMARK(BM_Utf16ToUtf8);

}  // namespace
