#pragma once
// The item texts of the base-copper and plating radios. The item index
// always stands for the same copper weight; only its text changes with the
// unit system and the decimal mode.
#include <string>
#include <vector>

namespace cq {

enum class CopperRadio { Base, Plating };  // RadioGroup4, RadioGroup1
enum class CopperForm { Point, Comma, Metric };

// Metric texts carry no decimals, so the decimal mode counts in Imperial only.
CopperForm CopperFormFor(bool metric, bool decimalComma);

std::vector<std::string> CopperItems(CopperRadio radio, CopperForm form);

}  // namespace cq
