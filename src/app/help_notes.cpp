#include "app/help_notes.h"

#include <string>
#include <string_view>

namespace cq {

namespace {

struct HelpNote {
  std::string_view handler;
  std::string_view text;
};

constexpr HelpNote kNotes[] = {
    {"TForm1.Disclaimer1Click", "The calculations performed in this program are for reference only."},
    {"TForm1.BitBtn1Click",
     "This selection is only enabled for the IPC-2152 Without Modifiers and the IPC-2221 options. See Program "
     "Options to change settings."},
    {"TForm1.BitBtn3Click", "Conductor thickness is disabled for this calculator due to formula restrictions."},
    {"TForm1.BitBtn6Click", "These values are subject to variations, please consult datasheets for specific values"},
    {"TForm1.BitBtn7Click",
     "Insertion loss requires a complex formula with multiple variables for a differential via structure, this is "
     "simply a rough estimate based on known impedance values."},
};

}  // namespace

void HelpNoteButtons::registerHandlers(HandlerRegistry& handlers) {
  for (const HelpNote& note : kNotes)
    handlers.add(std::string(note.handler),
                 NotifyEvent([this, note](Control*) { app_.dialogs().showInfo(std::string(note.text)); }));
}

}  // namespace cq
