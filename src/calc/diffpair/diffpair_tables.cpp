#include "calc/diffpair/diffpair_tables.h"

#include <array>
#include <stdexcept>

namespace cq {
namespace {

constexpr std::array<DifferentialProtocolTarget, kDifferentialProtocolCount> kProtocols{{
    {"DDR2 CLK/DQS", "100"},
    {"DDR3 CLK/DQS", "100"},
    {"DDR4 CLK/DQS", "100"},
    {"USB 2.X", "90"},
    {"USB 3.X", "90"},
    {"LVDS", "100"},
    {"HDMI", "100"},
    {"SATA", "100"},
    {"Ethernet", "100"},
    {"DisplayPort", "100"},
    {"DisplayPort Eaglelake", "95"},
    {"DisplayPort Calpella", "85"},
    {"PCIe Gen1", "100"},
    {"PCIe Gen2", "100"},
    {"PCIe Gen3", "85"},
    {"PCIe Gen4", "85"},
    {"SSRX/SSTX", "90"},
    {"Custom", nullptr},
}};

constexpr std::array<ZdiffToleranceStep, kZdiffToleranceSteps> kTolerances{{
    {"2.5%", "2,5%", 1.025, 0.975},
    {"5%", "5%", 1.05, 0.95},
    {"7.5%", "7,5%", 1.075, 0.925},
    {"10%", "10%", 1.1, 0.9},
    {"12.5%", "12,5%", 1.125, 0.875},
    {"15%", "15%", 1.15, 0.85},
    {"17.5%", "17,5%", 1.175, 0.825},
    {"20%", "20%", 1.2, 0.8},
    {"22.5%", "22,5%", 1.225, 0.775},
    {"25%", "25%", 1.25, 0.75},
}};

}  // namespace

const DifferentialProtocolTarget& DifferentialProtocol(int item) {
  return kProtocols.at(static_cast<std::size_t>(item));
}

const ZdiffToleranceStep& ZdiffTolerance(int position) {
  return kTolerances.at(static_cast<std::size_t>(position));
}

}  // namespace cq
