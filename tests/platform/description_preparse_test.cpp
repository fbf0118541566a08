// Descriptions parsed ahead on a helper thread: the loader gets the same
// documents, and faults still surface on its own thread with its own text.
#include "platform/description_preparse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/form_loader.h"
#include "platform/resources.h"
#include "support/fake_services.h"
#include "support/test_program.h"

namespace cq {
namespace {

std::vector<std::pair<std::string_view, std::string_view>> descriptions() {
  std::vector<std::pair<std::string_view, std::string_view>> found;
  for (const auto& entry : embeddedResources())
    if (entry.first.starts_with("forms/") && entry.first.ends_with(".json")) found.push_back(entry);
  return found;
}

TEST(DescriptionPreparse, HandsOutEachDocumentOnceEqualToAFreshParse) {
  const auto all = descriptions();
  ASSERT_FALSE(all.empty());
  DescriptionPreparse preparse;
  for (const auto& [path, text] : all) {
    const auto doc = preparse.take(path, text);
    ASSERT_TRUE(doc.has_value()) << path;
    EXPECT_EQ(*doc, nlohmann::json::parse(text)) << path;
    EXPECT_FALSE(preparse.take(path, text).has_value()) << path << ": handed out twice";
  }
}

TEST(DescriptionPreparse, OnlyTheEmbeddedTextItself) {
  const auto [path, text] = descriptions().front();
  DescriptionPreparse preparse;
  const std::string copy(text);  // same contents, another buffer
  EXPECT_FALSE(preparse.take(path, copy).has_value());
  EXPECT_FALSE(preparse.take("forms/none.json", text).has_value());
  EXPECT_FALSE(preparse.take("pictures/none.svg", text).has_value());
  EXPECT_TRUE(preparse.take(path, text).has_value()) << "a refused take keeps the document";
}

// The message a description fault gives, with or without a pre-parse alive.
std::string loadFailure(std::string_view where, const std::string& text) {
  test::FakeServices fakes;
  Application app{fakes.services()};
  const HandlerRegistry handlers;
  try {
    LoadFormText(app, where, text, handlers);
  } catch (const DescriptionError& e) {
    return e.what();
  }
  return "loaded";
}

TEST(DescriptionPreparse, BrokenDescriptionFailsWithTheSameMessage) {
  const std::string_view path = descriptions().front().first;
  const std::string broken = R"({"name": "Form1", "class": )";
  const std::string without = loadFailure(path, broken);
  ASSERT_TRUE(without.starts_with(std::string(path) + ": ")) << without;
  const DescriptionPreparse preparse;
  EXPECT_EQ(loadFailure(path, broken), without);
}

// Every window and control, in creation order, as names.
std::vector<std::string> createdControls() {
  test::TestProgram program;
  std::vector<std::string> names;
  for (const auto& form : program.program().app().forms()) {
    names.push_back(form->name());
    for (const Control* control : form->allControls()) names.push_back(control->name());
  }
  return names;
}

TEST(DescriptionPreparse, ProgramBuildsTheSameWindowsWithAndWithout) {
  const auto without = createdControls();
  ASSERT_GT(without.size(), 7u);
  {
    DescriptionPreparse preparse;
    EXPECT_EQ(createdControls(), without) << "documents taken from the pre-parse";
    for (const auto& [path, text] : descriptions())
      EXPECT_FALSE(preparse.take(path, text).has_value()) << path << " was parsed again by the loader";
    EXPECT_EQ(createdControls(), without) << "the same paths loaded again, parsed afresh";
  }
  EXPECT_EQ(createdControls(), without) << "after the pre-parse is gone";
}

}  // namespace
}  // namespace cq
