#pragma once
// Minimum electrical spacing between conductors by peak voltage and device
// type (the IPC-2221B electrical-spacing table), and the linear rule above
// 500 V.
#include <string>

namespace cq {

// RadioGroup9: "0 -15V" .. "301 - 500V" are table rows 0 .. 8, "> 500V" is 9.
inline constexpr int kSpacingTableRanges = 9;
inline constexpr int kAbove500VRange = 9;
// RadioGroup10: B1, B2, B3, B4, A5, A6, A7.
inline constexpr int kSpacingDeviceTypes = 7;

// The fixed text of one cell: "%.2f mm" of the millimetre value, or
// "%.2f mils" of that value / 0.0254 in Imperial; with a decimal comma the
// same text with ',' for '.'. Both indices must be inside the table.
std::string MinSpacingCellText(int range, int device, bool metric, bool comma);

// Spacing above 500 V: base + (volts - 500) x rate of the device type, in
// mm (Metric) or mils (Imperial). The Imperial constants are shortened
// conversions and are used as they are.
double MinSpacingAbove500V(double volts, int device, bool metric);

}  // namespace cq
