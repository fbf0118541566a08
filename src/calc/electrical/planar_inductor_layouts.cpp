#include "calc/electrical/planar_inductor_layouts.h"

namespace cq {

const LayoutTable& InductorLayouts() {
  static const LayoutTable table = OneShownPerItem({"Image13", "Image33", "Image34", "Image35"});
  return table;
}

}  // namespace cq
