#include "calc/conductor/conductor_properties_layouts.h"

#include "app/layouts/copper_controls.h"

namespace cq {

const LayoutTable& ConductorPropertiesLayouts() {
  //                                                      Internal  External
  static const LayoutTable table = {{LayoutProperty::Enabled, kPlatingControls, {0, 1}}};
  return table;
}

}  // namespace cq
