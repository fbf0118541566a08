#pragma once
// The Differential Pairs solve: copper, the shared inputs and the Er check,
// the structure chosen on the layer radio, the coupling figures of the pair,
// then the target check and the ratio colours. Each text is written as soon
// as its value is known, so an error later in the solve keeps it.
#include <functional>
#include <optional>
#include <string>

#include "app/page_context.h"
#include "app/working_values.h"
#include "calc/diffpair/differential_pairs_controls.h"

namespace cq {

// One solve as the structures see it: the page, its controls, the working
// values and what the front reads for every structure.
struct PairSolve {
  const PageContext& page;
  DifferentialPairsControls& c;
  WorkingValues& v;
  Control* sender;
  bool metric;
  double coupledLength = 0;
  double riseTime = 0;
  double appliedVoltage = 0;
  // The printed ratios, which the target check marks when out of range.
  double widthRatio = 0;
  double spacingRatio = 0;
  std::string widthRatioText = {};
  std::string spacingRatioText = {};

  double read(const Edit& field) const;
};

// A structure's step; false when the solve ends inside it.
using PairStructure = bool (*)(PairSolve& s);

void SolveDifferentialPairs(const PageContext& page, DifferentialPairsControls& c, Control* sender);

// The steps every structure shares, in the order it runs them.
void WriteCopper(PairSolve& s, double t);
double WriteSaturationLength(PairSolve& s, double permittivity);
void WriteZdiff(PairSolve& s, double zdiff);
void WriteRatios(PairSolve& s, double w, double spacing, double href);
// Zodd to NEXT; without a single-ended impedance (broadside pairs) only
// Zodd has a value.
void WriteCoupling(PairSolve& s, std::optional<double> zo, double zdiff, double lsat);
// An edge-coupled pair from its Zo on: Zo, Zdiff, the ratios over href
// and the coupling figures, each written as soon as it is known.
void WriteEdgePair(PairSolve& s, double zo, const std::function<double()>& zdiff, double href, double lsat);

}  // namespace cq
