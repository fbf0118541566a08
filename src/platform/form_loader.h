#pragma once
// Builds a window from its description (resources/forms/*.json): the form's
// own properties, its controls (with included part files) and the event
// bindings. Unknown types, properties, controls or handlers throw
// DescriptionError. Values are set before any handler is bound, so loading
// runs no handler.
#include <memory>
#include <string_view>

#include "platform/form.h"
#include "platform/handlers.h"

namespace cq {

// The same from description text; includes still name embedded files.
std::unique_ptr<Form> LoadFormText(Application& app, std::string_view where, std::string_view text,
                                   const HandlerRegistry& handlers);
std::unique_ptr<Form> LoadForm(Application& app, std::string_view resourcePath, const HandlerRegistry& handlers);

}  // namespace cq
