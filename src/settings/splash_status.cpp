#include "settings/splash_status.h"

#include <array>
#include <climits>

namespace cq {

namespace {

struct Band {
  int above;  // exclusive
  int below;  // exclusive
  std::string_view text;
};

// "Reading registry keys..." stands in two bands on purpose: the dots stop
// growing there.
constexpr std::array<Band, 12> kBands{{
    {INT_MIN, 10, "Loading."},
    {10, 20, "Loading.."},
    {20, 30, "Loading..."},
    {30, 40, "Loading...."},
    {40, 50, "Reading registry keys."},
    {50, 60, "Reading registry keys.."},
    {60, 70, "Reading registry keys..."},
    {70, 80, "Reading registry keys..."},
    {80, 85, "Starting program."},
    {85, 90, "Starting program.."},
    {90, 95, "Starting program..."},
    {95, 100, "Starting program...."},
}};

}  // namespace

std::optional<std::string_view> SplashStatusText(int position) {
  for (const Band& band : kBands)
    if (position > band.above && position < band.below) return band.text;
  return std::nullopt;
}

}  // namespace cq
