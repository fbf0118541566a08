#pragma once
// The system's font list read on a helper thread while the windows are
// being created, so that the first text laid out finds it read. Qt guards
// its font database with a lock: a text that needs it sooner waits.
#include <thread>

namespace cq::ui {

class FontListReader {
 public:
  // After the application object exists.
  FontListReader();
  // Waits for the reading to end.
  ~FontListReader() = default;

  FontListReader(const FontListReader&) = delete;
  FontListReader& operator=(const FontListReader&) = delete;

 private:
  std::jthread thread_;
};

}  // namespace cq::ui
