// The editor as it runs for a user, for tests that work on the process (signals, kills, the next start).
// It differs only in what a test cannot do from outside on the offscreen platform:
// - with KX_PROBE_EDIT=1 it reverses the first half of Charset 1 and the second half of Charset 2 once the
//   window is up, leaving both unsaved and Charset 2 in the editor;
// - the recovery box prints one line per offered copy ("offered: " + the box's line) and answers Recover.
// It prints "ready" when the event loop is about to run.

#include <cstdlib>
#include <iostream>
#include <string>

#include "app/app.h"
#include "app/command_ids.h"
#include "app/recovery_offer.h"
#include "app/run_command.h"
#include "gui/editor_run.h"
#include "gui/main_window.h"

namespace {

class PrintingBox : public kx::RecoveryBox {
 public:
  std::vector<kx::RecoveryAnswer> Ask(const std::vector<kx::OfferedCopy>& copies) override {
    for (const kx::OfferedCopy& copy : copies) std::cout << "offered: " << kx::DescribeOfferedCopy(copy) << "\n";
    return std::vector<kx::RecoveryAnswer>(copies.size(), kx::RecoveryAnswer::Recover);
  }
};

}  // namespace

int main(int argc, char** argv) {
  PrintingBox box;
  const char* edit = std::getenv("KX_PROBE_EDIT");
  const bool editing = edit && std::string(edit) == "1";
  return kx::RunEditor(argc, argv, {"", &box, [editing](kx::App& app, kx::MainWindow& window) {
                                      if (editing) {
                                        kx::RunCommand(app, kx::cmd::ReverseFirst128);
                                        kx::RunCommand(app, kx::cmd::Swap);
                                        kx::RunCommand(app, kx::cmd::ReverseLast128);
                                        window.SyncFromApp();
                                      }
                                      std::cout << "ready" << std::endl;
                                    }});
}
