#include "platform/description_preparse.h"

#include <atomic>

#include "platform/resources.h"

namespace cq {

namespace {

std::atomic<DescriptionPreparse*> active{nullptr};

bool isDescription(std::string_view path) { return path.starts_with("forms/") && path.ends_with(".json"); }

}  // namespace

DescriptionPreparse::DescriptionPreparse() : worker_([this] { parseAll(); }) {
  DescriptionPreparse* none = nullptr;
  // Only one at a time: a second one simply goes unused.
  active.compare_exchange_strong(none, this);
}

DescriptionPreparse::~DescriptionPreparse() {
  DescriptionPreparse* self = this;
  active.compare_exchange_strong(self, nullptr);
}

void DescriptionPreparse::parseAll() {
  try {
    for (const auto& [path, text] : embeddedResources()) {
      if (!isDescription(path)) continue;
      // Faults are reported by the loader's own parse, on its thread.
      nlohmann::json doc = nlohmann::json::parse(text, nullptr, false);
      if (doc.is_discarded()) continue;
      const std::lock_guard lock(mutex_);
      documents_.emplace(std::string(path), std::move(doc));
    }
  } catch (...) {
    // Out of memory: whatever is missing is parsed by the loader.
  }
  done_.count_down();
}

std::optional<nlohmann::json> DescriptionPreparse::take(std::string_view path, std::string_view text) {
  if (!isDescription(path) || !hasResource(path)) return std::nullopt;
  const std::string_view own = resource(path);
  // Only the embedded text itself: other text under the same name is parsed by the caller.
  if (own.data() != text.data() || own.size() != text.size()) return std::nullopt;
  done_.wait();
  const std::lock_guard lock(mutex_);
  const auto it = documents_.find(path);
  if (it == documents_.end()) return std::nullopt;
  std::optional<nlohmann::json> doc(std::move(it->second));
  documents_.erase(it);
  return doc;
}

std::optional<nlohmann::json> TakePreparsedDescription(std::string_view path, std::string_view text) {
  DescriptionPreparse* preparse = active.load();
  if (preparse == nullptr) return std::nullopt;
  return preparse->take(path, text);
}

}  // namespace cq
