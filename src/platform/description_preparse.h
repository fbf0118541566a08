#pragma once
// Parses every embedded window description on a helper thread, so that the
// parsing overlaps with the front end's own start (connecting to the display,
// loading plugins). The form loader takes a document from the one that is
// alive; without one it parses itself. A document is handed out once (moved);
// a later load of the same path parses afresh. A description that fails to
// parse is not kept: the loader's own parse then fails with its usual message.
#include <latch>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace cq {

class DescriptionPreparse {
 public:
  DescriptionPreparse();
  ~DescriptionPreparse();
  DescriptionPreparse(const DescriptionPreparse&) = delete;
  DescriptionPreparse& operator=(const DescriptionPreparse&) = delete;

  // The parsed document of `path` when `text` is that resource's own text;
  // waits for the helper thread when it is still parsing.
  std::optional<nlohmann::json> take(std::string_view path, std::string_view text);

 private:
  void parseAll();

  std::latch done_{1};
  std::mutex mutex_;
  std::map<std::string, nlohmann::json, std::less<>> documents_;
  std::jthread worker_;  // last: joined before the members it fills go away
};

// From the pre-parse that is alive, if any.
std::optional<nlohmann::json> TakePreparsedDescription(std::string_view path, std::string_view text);

}  // namespace cq
