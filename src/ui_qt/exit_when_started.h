#pragma once
// For tests that start the installed program, which have no user to end
// it: with CIRQUET_TEST_EXIT_WHEN_STARTED set in the environment, the
// program says "started" on stderr and chooses File > Exit once its main
// window shows and the start (the loader window and its splash) is over.
// Without the variable nothing changes.
namespace cq {
class Program;
}

namespace cq::ui {

void ExitWhenStartedForTests(Program& program);

}  // namespace cq::ui
