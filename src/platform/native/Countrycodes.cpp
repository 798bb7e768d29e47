#include "platform/native/Countrycodes.h"

#include <algorithm>
#include <array>

namespace tolvane::native {
namespace {

struct TRegionCode {
  std::string_view Region;
  int Code;
};

// clang-format off
constexpr auto Table = std::to_array<TRegionCode>({
    // Europe
    {"AD", 376}, {"AL", 355}, {"AT", 43}, {"AX", 358}, {"BA", 387}, {"BE", 32}, {"BG", 359}, {"BY", 375},
    {"CH", 41}, {"CY", 357}, {"CZ", 420}, {"DE", 49}, {"DK", 45}, {"EE", 372}, {"ES", 34}, {"FI", 358},
    {"FO", 298}, {"FR", 33}, {"GB", 44}, {"GI", 350}, {"GL", 299}, {"GR", 30}, {"HR", 385}, {"HU", 36},
    {"IE", 353}, {"IS", 354}, {"IT", 39}, {"LI", 423}, {"LT", 370}, {"LU", 352}, {"LV", 371}, {"MC", 377},
    {"MD", 373}, {"ME", 382}, {"MK", 389}, {"MT", 356}, {"NL", 31}, {"NO", 47}, {"PL", 48}, {"PT", 351},
    {"RO", 40}, {"RS", 381}, {"RU", 7}, {"SE", 46}, {"SI", 386}, {"SK", 421}, {"SM", 378}, {"TR", 90},
    {"UA", 380}, {"VA", 39}, {"XK", 383},
    // North, Central and South America
    {"AR", 54}, {"BO", 591}, {"BR", 55}, {"BS", 1}, {"BZ", 501}, {"CA", 1}, {"CL", 56}, {"CO", 57},
    {"CR", 506}, {"CU", 53}, {"DO", 1}, {"EC", 593}, {"GT", 502}, {"HN", 504}, {"JM", 1}, {"MX", 52},
    {"NI", 505}, {"PA", 507}, {"PE", 51}, {"PR", 1}, {"PY", 595}, {"SV", 503}, {"TT", 1}, {"US", 1},
    {"UY", 598}, {"VE", 58},
    // Asia and the Middle East
    {"AE", 971}, {"AF", 93}, {"AM", 374}, {"AZ", 994}, {"BD", 880}, {"BH", 973}, {"BN", 673}, {"BT", 975},
    {"CN", 86}, {"GE", 995}, {"HK", 852}, {"ID", 62}, {"IL", 972}, {"IN", 91}, {"IQ", 964}, {"IR", 98},
    {"JO", 962}, {"JP", 81}, {"KG", 996}, {"KH", 855}, {"KP", 850}, {"KR", 82}, {"KW", 965}, {"KZ", 7},
    {"LA", 856}, {"LB", 961}, {"LK", 94}, {"MM", 95}, {"MN", 976}, {"MO", 853}, {"MV", 960}, {"MY", 60},
    {"NP", 977}, {"OM", 968}, {"PH", 63}, {"PK", 92}, {"PS", 970}, {"QA", 974}, {"SA", 966}, {"SG", 65},
    {"SY", 963}, {"TH", 66}, {"TJ", 992}, {"TM", 993}, {"TW", 886}, {"UZ", 998}, {"VN", 84}, {"YE", 967},
    // Africa and Oceania
    {"AU", 61}, {"DZ", 213}, {"EG", 20}, {"ET", 251}, {"GH", 233}, {"KE", 254}, {"MA", 212}, {"NG", 234},
    {"NZ", 64}, {"TN", 216}, {"ZA", 27},
});
// clang-format on

}  // namespace

int CountryCallingCode(std::string_view region) {
  const auto found = std::find_if(Table.begin(), Table.end(),
                                  [&](const TRegionCode& entry) { return entry.Region == region; });
  return found == Table.end() ? 1 : found->Code;
}

}  // namespace tolvane::native
