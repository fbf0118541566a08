#pragma once
// Padstack sizing: the thermal-relief spoke table, the pad and conductor
// room between neighbouring pads or lands, the square-pin drill and the
// hole-type presets. Lengths are mils or mm as the caller's unit system.
#include <array>
#include <string>

namespace cq {

// The items of the pad-calculator type radio.
enum class PadType : int {
  ThruHole = 0,
  BgaLand = 1,
  ConductorPadTh = 2,
  ConductorPadBga = 3,
  TwoConductorsPadTh = 4,
  TwoConductorsPadBga = 5,
  CornerToCorner = 6,
};

// Spoke width of a thermal relief for the finished hole; each band excludes
// its lower edge. Imperial texts have no decimals, Metric ones take the
// comma when asked.
std::string SpokeWidthText(double hole, bool metric, bool comma);

// Pad (or thermal inner diameter) around a hole with the given ring.
double PadAroundHole(double hole, double ring);
// Thermal-relief outer diameter from its inner diameter.
double ThermalOuterDiameter(double inner, double isolation);
// Non-plated pads in Metric: the hole with a fixed 1.27 mm added.
double NonPlatedMetricPad(double hole);

// Largest pad that leaves room for one or two conductors of width w with
// spacing s between pads at pitch p.
double MaxPadBetweenPads(double pitch, double width, double spacing, bool twoConductors);
// The annular ring that pad leaves around the hole.
double RingLeft(double pad, double hole);
// Widest conductor (one, or each of two) between BGA lands of diameter l.
double MaxConductorBetweenLands(double pitch, double land, double spacing, bool twoConductors);

// Corner-to-corner distance of a rectangular pin, and the drills suggested
// for it: whole mils (Imperial) or whole micrometres (Metric), halves to even.
double CornerDistance(double a, double b);
struct DrillRange {
  double min;
  double max;
};
DrillRange SuggestedDrills(double corner, bool metric);

// A row of the hole-type combo.
struct HoleTypePreset {
  const char* caption;
  const char* imperialHole;
  const char* metricHole;
  int padStyle;   // 0 plated, 1 non-plated
  bool editable;  // the pad style and the hole stay open to the user
};
inline constexpr int kHoleTypePresetCount = 7;
const std::array<HoleTypePreset, kHoleTypePresetCount>& HoleTypePresets();

// A length read in one unit system, expressed in the other when needed.
double LengthInUnits(double value, bool valueMetric, bool wantMetric);

}  // namespace cq
