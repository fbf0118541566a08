#pragma once
// The Differential Pairs solve: copper, the shared inputs and the Er check,
// the structure chosen on the layer radio, the coupling figures of the pair,
// then the target check and the ratio colours. Each text is written as soon
// as its value is known, so an error later in the solve keeps it.
#include <array>
#include <functional>
#include <optional>

#include "app/bound_controls.h"
#include "app/page_context.h"
#include "platform/controls.h"

namespace cq {

class DifferentialPairsSolver {
 public:
  // Binds the page's controls; an unknown name fails here, not at a solve.
  DifferentialPairsSolver(PageContext page, Form& form);

  void SolveDifferentialPairs(Control* sender);

 private:
  struct Controls;
  // What the front reads for every structure.
  struct Front {
    bool metric;
    double coupledLength;
    double riseTime;
    double appliedVoltage;
  };

  // The structures, one per item of the layer radio RadioGroup3 in
  // kStructures; false when the solve ends inside one.
  using Structure = bool (DifferentialPairsSolver::*)(const Front& front, Control* sender);
  static const std::array<Structure, 6> kStructures;
  bool EdgeCoupledMicrostrip(const Front& front, Control* sender);
  bool EdgeCoupledStripline(const Front& front, Control* sender);
  bool EdgeCoupledAsymStripline(const Front& front, Control* sender);
  bool EdgeCoupledEmbedded(const Front& front, Control* sender);
  bool BroadsideShielded(const Front& front, Control* sender) { return BroadsideCoupled(front, true, sender); }
  bool BroadsideUnshielded(const Front& front, Control* sender) { return BroadsideCoupled(front, false, sender); }
  bool BroadsideCoupled(const Front& front, bool shielded, Control* sender);

  // The steps every structure shares, in the order it runs them.
  void writeCopper(double t, bool metric);
  double writeSaturationLength(double permittivity, const Front& front);
  void writeZo(double zo);
  void writeZdiff(double zdiff);
  void writeRatios(double w, double s, double href);
  // Zodd to NEXT; without a single-ended impedance (broadside pairs) only
  // Zodd has a value.
  void writeCoupling(std::optional<double> zo, double zdiff, double lsat, const Front& front);
  // An edge-coupled pair from its Zo on: Zo, Zdiff, the ratios over href
  // and the coupling figures, each written as soon as it is known.
  void writeEdgePair(double zo, const std::function<double()>& zdiff, double href, double lsat, const Front& front);
  void checkTarget();

  void write(Edit& field, const std::string& text);
  void write(Label& label, const std::string& text);
  double read(const Edit& field) const;

  PageContext page_;
  BoundControls<Controls> c_;
  // The printed ratios, which the target check marks when out of range.
  double widthRatio_ = 0;
  double spacingRatio_ = 0;
  std::string widthRatioText_;
  std::string spacingRatioText_;
};

}  // namespace cq
