// The registry access object over the settings store: what opens, what a
// read yields and which writes fail, with the framework's messages.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "support/fake_services.h"

namespace cq {
namespace {

constexpr const char* kKey = "Software\\Quillonex PCB Design, Inc.\\Cirquet";

// A store where some values are numbers, as a hand edit can leave them.
class StoreWithNumbers : public test::FakeSettingsStore {
 public:
  bool holdsText(const std::string&, const std::string& name) override { return !numbers.count(name); }
  std::set<std::string> numbers;
};

struct ReadCase {
  const char* name;
  bool keyExists;
  const char* value;  // nullptr: the value is missing
  bool isNumber;
  bool opens;
  const char* text;   // what readString yields
  const char* error;  // or the error it raises
};

TEST(Registry, ReadsStringsEmptyWhenMissingAndFailsOnOtherKinds) {
  const std::vector<ReadCase> cases = {
      {"stored text", true, "1", false, true, "1", ""},
      {"stored empty text", true, "", false, true, "", ""},
      {"missing value", true, nullptr, false, true, "", ""},
      {"missing key", false, nullptr, false, false, "", ""},
      {"value of another kind", true, "1", true, true, "", "Invalid data type for 'Units'"},
  };
  for (const auto& c : cases) {
    StoreWithNumbers store;
    if (c.keyExists) store.keys[kKey];
    if (c.value) store.keys[kKey]["Units"] = c.value;
    if (c.isNumber) store.numbers.insert("Units");
    Registry registry(store);
    EXPECT_EQ(registry.openKeyReadOnly(kKey), c.opens) << c.name;
    if (*c.error == '\0') {
      EXPECT_EQ(registry.readString("Units"), c.text) << c.name;
    } else {
      try {
        registry.readString("Units");
        ADD_FAILURE() << c.name << ": no error";
      } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), c.error) << c.name;
      }
    }
    if (!c.keyExists) {
      EXPECT_FALSE(store.keyExists(kKey)) << c.name << ": reading created the key";
    }
  }
}

struct WriteCase {
  const char* name;
  std::function<void(test::FakeSettingsStore&)> arrange;
  std::function<bool(Registry&)> open;
  bool opens;
  bool written;
};

TEST(Registry, WritesOnlyThroughAKeyOpenForWriting) {
  const std::vector<WriteCase> cases = {
      {"open with create makes the key", [](auto&) {}, [](Registry& r) { return r.openKey(kKey, true); }, true,
       true},
      {"open of an existing key", [](auto& s) { s.keys[kKey]; },
       [](Registry& r) { return r.openKey(kKey, false); }, true, true},
      {"open without create of a missing key", [](auto&) {},
       [](Registry& r) { return r.openKey(kKey, false); }, false, false},
      {"key that cannot be created", [](auto& s) { s.refuseCreate = true; },
       [](Registry& r) { return r.openKey(kKey, true); }, false, false},
      {"key open read-only", [](auto& s) { s.keys[kKey]; },
       [](Registry& r) { return r.openKeyReadOnly(kKey); }, true, false},
      {"value the store refuses", [](auto& s) { s.refusedValues.insert("Program"); },
       [](Registry& r) { return r.openKey(kKey, true); }, true, false},
      {"key closed again", [](auto&) {},
       [](Registry& r) {
         const bool opened = r.openKey(kKey, true);
         r.closeKey();
         return opened;
       },
       true, false},
  };
  for (const auto& c : cases) {
    test::FakeSettingsStore store;
    c.arrange(store);
    Registry registry(store);
    EXPECT_EQ(c.open(registry), c.opens) << c.name;
    if (c.written) {
      registry.writeString("Program", "16");
      EXPECT_EQ(store.readValue(kKey, "Program"), "16") << c.name;
    } else {
      try {
        registry.writeString("Program", "16");
        ADD_FAILURE() << c.name << ": the write did not fail";
      } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Program'") << c.name;
      }
      EXPECT_TRUE(store.writes.empty()) << c.name;
    }
  }
}

}  // namespace
}  // namespace cq
