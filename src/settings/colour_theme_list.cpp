#include "settings/colour_theme_list.h"

namespace cq {

std::vector<std::string> ColourThemeList(const std::vector<std::string>& registeredStyles) {
  std::vector<std::string> list;
  bool hasSystem = false;
  for (const std::string& name : registeredStyles) hasSystem = hasSystem || name == kSystemStyle;
  if (hasSystem) list.push_back(kSystemStyle);
  for (const std::string& name : registeredStyles)
    if (name != kSystemStyle) list.push_back(name);
  return list;
}

}  // namespace cq
