#pragma once
// The user's locale as the system states it.
#include "platform/services.h"

namespace cq::ui {

class QtLocale : public Locale {
 public:
  std::string decimalSeparator() override;
};

}  // namespace cq::ui
