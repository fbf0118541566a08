#pragma once
// The total of two to four capacitors or inductors. Values are added as
// typed: the unit is a label only, nothing is scaled.
#include <span>

namespace cq {

// Capacitors in parallel and inductors in series add; capacitors in series
// and inductors in parallel add as reciprocals.
enum class NetworkRule { Sum, ReciprocalSum };

// A zero under the reciprocal rule raises as the floating-point unit traps.
double NetworkTotal(NetworkRule rule, std::span<const double> values);

}  // namespace cq
