#include "app/recovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>

#include "app/app.h"
#include "app/charset_saving.h"
#include "app/command_ids.h"
#include "app/event_flow.h"
#include "app/recovery_offer.h"
#include "app/run_command.h"
#include "io/temp_files.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using testing_files::ReadBytes;
using testing_files::TempDir;
using testing_files::WriteBytes;
namespace fs = std::filesystem;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

enum class OnDisk { None, Current, Stale };

// Whether the copy of `place` is there and holds the charset as it is now.
OnDisk CopyState(const App& app, int place) {
  const std::string path = RecoveryCopyPath(app.shell.recovery.folder, app.shell.recovery.runId, place);
  if (!fs::exists(path)) return OnDisk::None;
  const auto copy = DecodeRecoveryCopy(Bytes(ReadBytes(path)));
  return copy && *copy == RecoveryCopyOf(app.doc.store, place) ? OnDisk::Current : OnDisk::Stale;
}

TEST(RecoveryCopies, FollowTheUnsavedCharsetsWithTheDelayOutsideStrokesAndGoWhenSavedOrDiscarded) {
  TempDir dir;
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  const std::string folder = dir.Dir() + "state/kestrelix/";
  ASSERT_TRUE(StartRecovery(app.shell.recovery, folder, "100-1", 5000));
  EXPECT_TRUE(fs::exists(folder + "100-1.lock"));

  auto edit = [](CommandId id) { return [id](App& a) { RunCommand(a, id); }; };
  auto none = [](App&) {};
  struct Step {
    const char* what;
    std::function<void(App&)> action;
    long long now;  // the timer's call after the action; -1: none
    OnDisk charset1, charset2;
  };
  const Step steps[] = {
      {"nothing unsaved", none, 0, OnDisk::None, OnDisk::None},
      {"an edit is only seen", edit(cmd::ReverseFirst128), 1000, OnDisk::None, OnDisk::None},
      {"just short of the delay", none, 4999, OnDisk::None, OnDisk::None},
      {"the delay after it was seen, less a period", none, 5000, OnDisk::Current, OnDisk::None},
      {"a stroke begins and changes it", [](App& a) {
         a.view.input.strokeButton = MouseButton::Left;
         a.doc.store.editor[0] ^= 1;
       }, 6000, OnDisk::Stale, OnDisk::None},
      {"long into the stroke", none, 60000, OnDisk::Stale, OnDisk::None},
      {"the stroke ended", [](App& a) { a.view.input.strokeButton = MouseButton::None; }, 60001, OnDisk::Current,
       OnDisk::None},
      {"Charset 2 edited in the editor", [&](App& a) { edit(cmd::Swap)(a); edit(cmd::ReverseLast128)(a); }, 61000,
       OnDisk::Current, OnDisk::None},
      {"both written", none, 65000, OnDisk::Current, OnDisk::Current},
      {"Charset 2 saved: its copy goes with the event", [](App& a) {
         const EventScope event(a);
         ApplySaveBookkeeping(a.doc.store, "/tmp/saved.chr");
       }, -1, OnDisk::Current, OnDisk::None},
      {"Charset 1 discarded by New answered No", [&](App& a) {
         edit(cmd::Swap)(a);
         dialogs.messageAnswers.push_back(MessageAnswer::No);
         edit(cmd::New)(a);
       }, -1, OnDisk::None, OnDisk::None},
  };
  for (const Step& step : steps) {
    step.action(app);
    if (step.now >= 0) KeepRecoveryCurrent(app, step.now);
    EXPECT_EQ(CopyState(app, 0), step.charset1) << step.what;
    EXPECT_EQ(CopyState(app, 1), step.charset2) << step.what;
  }

  RunCommand(app, cmd::ReverseFirst128);
  EXPECT_TRUE(WriteRecoveryCopiesNow(app)) << "a signal writes at once";
  EXPECT_EQ(CopyState(app, 0), OnDisk::Current);
  EndRecovery(app.shell.recovery);
  EXPECT_TRUE(fs::is_empty(folder)) << "a normal end leaves nothing";
}

TEST(RecoveryCopies, FolderAndDelayComeFromTheEnvironment) {
  EXPECT_EQ(ChooseRecoveryFolder("/home/u", "/state/"), "/state/kestrelix/");
  EXPECT_EQ(ChooseRecoveryFolder("/home/u/", ""), "/home/u/.local/state/kestrelix/");
  EXPECT_EQ(ChooseRecoveryFolder("/home/u", "relative"), "/home/u/.local/state/kestrelix/");
  EXPECT_EQ(ChooseRecoveryFolder("", ""), "");
  const std::pair<const char*, long long> delays[] = {
      {"", 30000}, {"250", 250}, {"0", 1}, {"99999", 30000}, {"2s", 30000}, {"-5", 1}};
  for (const auto& [text, ms] : delays) EXPECT_EQ(RecoveryDelayFrom(text), ms) << text;
}

class AnswerByName : public RecoveryBox {
 public:
  explicit AnswerByName(std::map<std::string, RecoveryAnswer> answers) : answers_(std::move(answers)) {}
  std::vector<RecoveryAnswer> Ask(const std::vector<OfferedCopy>& copies) override {
    std::vector<RecoveryAnswer> out;
    for (const OfferedCopy& c : copies) {
      const std::string name = fs::path(c.path).filename().string();
      offered.insert(name);
      if (!c.copy) problems[name] = c.problem;
      out.push_back(answers_.count(name) ? answers_.at(name) : RecoveryAnswer::Keep);
    }
    return out;
  }
  std::set<std::string> offered;
  std::map<std::string, std::string> problems;

 private:
  std::map<std::string, RecoveryAnswer> answers_;
};

TEST(RecoveryOffer, OffersOnlyCopiesOfRunsThatAreGoneAndActsOnEachAnswer) {
  TempDir dir;
  const std::string folder = dir.Dir();
  auto copyFor = [](int place, const std::string& file, std::uint8_t fill) {
    RecoveryCopy c;
    c.place = place;
    c.name = file.empty() ? "untitled charset 2" : file;
    c.file = file;
    c.fileType = file.empty() ? FileType::None : FileType::Chr;
    c.bytes.fill(fill);
    c.inks.fill(3);
    return EncodeRecoveryCopy(c);
  };
  WriteBytes(folder + "1-1-charset1.kxr", copyFor(0, "/x/a.chr", 0x11));
  WriteBytes(folder + "1-1-charset2.kxr", copyFor(1, "", 0x22));
  WriteBytes(folder + "2-2-charset1.kxr", copyFor(0, "", 0x33));        // its run is still going
  WriteBytes(folder + "3-3-charset1.kxr", "KXRECOVR\x01");               // damaged
  WriteBytes(folder + "4-4-charset2.kxr", copyFor(1, "/x/d.prg", 0x44));
  WriteBytes(folder + "5-5-charset1.kxr", copyFor(0, "/x/e.chr", 0x55));  // the same place as 1-1
  WriteBytes(folder + "9-9-charset1.kxr", copyFor(0, "", 0x99));        // the new run's own id
  WriteBytes(folder + "6-6.lock", "");                                  // a run that left no copies
  WriteBytes(folder + "notes.txt", "the user's");
  FileLock running;
  ASSERT_TRUE(running.TryLock(folder + "2-2.lock"));

  App app;
  ASSERT_TRUE(StartRecovery(app.shell.recovery, folder, "9-9", kRecoveryDelayMs));
  AnswerByName box({{"1-1-charset1.kxr", RecoveryAnswer::Recover},
                    {"1-1-charset2.kxr", RecoveryAnswer::Discard},
                    {"3-3-charset1.kxr", RecoveryAnswer::Recover},
                    {"5-5-charset1.kxr", RecoveryAnswer::Recover}});
  OfferRecoveryCopies(app, box);

  EXPECT_EQ(box.offered, (std::set<std::string>{"1-1-charset1.kxr", "1-1-charset2.kxr", "3-3-charset1.kxr",
                                                "4-4-charset2.kxr", "5-5-charset1.kxr"}));
  EXPECT_EQ(box.problems["3-3-charset1.kxr"], "cut short");
  const CharsetStore& store = app.doc.store;
  EXPECT_EQ(store.editor[0], 0x11);
  EXPECT_EQ(store.editor[2047], 0x11);
  EXPECT_EQ(store.inks[7], 3);
  EXPECT_EQ(store.currentName, "/x/a.chr");
  EXPECT_TRUE(store.modified && store.hasFile);
  EXPECT_EQ(store.fileType, FileType::Chr);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - /x/a.chr <unsaved>");
  EXPECT_FALSE(store.memoryFlags.modified) << "nothing was recovered into Charset 2";

  std::set<std::string> left;
  for (const auto& entry : fs::directory_iterator(folder)) left.insert(entry.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"2-2-charset1.kxr", "2-2.lock", "3-3-charset1.kxr", "3-3.lock",
                                         "4-4-charset2.kxr", "4-4.lock", "5-5-charset1.kxr", "5-5.lock",
                                         "9-9-charset1.kxr", "9-9.lock", "notes.txt"}));
  const auto own = DecodeRecoveryCopy(Bytes(ReadBytes(folder + "9-9-charset1.kxr")));
  ASSERT_TRUE(own);
  EXPECT_EQ(own->bytes[5], 0x11) << "the recovered work is on disk under the new run before the old copy goes";
}

// Each charset's copy carries its own inks and colours, and recovering the one in memory puts them back
// there, not onto the charset in the editor.
TEST(RecoveryCopies, KeepEachCharsetsOwnInksAndColours) {
  App app;
  CharsetStore& store = app.doc.store;
  store.slotInks[1].fill(12);
  store.slotColours[1] = {DisplayMode::Multicolour, {6, 5, 7, 4}};
  const RecoveryCopy memory = RecoveryCopyOf(store, 1);
  EXPECT_EQ(memory.inks[0], 12);
  EXPECT_EQ(memory.colours.mode, DisplayMode::Multicolour);
  EXPECT_EQ(RecoveryCopyOf(store, 0).colours.mode, DisplayMode::HiRes);

  App later;
  RecoverCharset(later, memory);
  EXPECT_EQ(later.doc.store.slotInks[1][255], 12);
  EXPECT_EQ(later.doc.store.slotColours[1].registers[3], 4);
  EXPECT_EQ(later.doc.store.inks[0], 1) << "the editor charset keeps its own inks";
  EXPECT_EQ(later.doc.store.colours.mode, DisplayMode::HiRes);
}

// A project opened read-only (it held more than was read) comes back read-only from its copy, here through
// the memory place and so through both swaps, and Save still asks before writing over the project.
TEST(RecoveryCopies, KeepAReadOnlyProjectReadOnly) {
  TempDir dir;
  const std::string project = dir.Dir() + "big.ctm";
  WriteBytes(project, "the whole project");
  App app;
  CharsetFlags& flags = app.doc.store.memoryFlags;
  flags.modified = flags.hasFile = true;
  flags.fileType = FileType::CharPad;
  flags.projectNotRead = "tiles, a map";
  app.doc.store.slotNames[1] = project;
  const auto copy = DecodeRecoveryCopy(Bytes(EncodeRecoveryCopy(RecoveryCopyOf(app.doc.store, 1))));
  ASSERT_TRUE(copy);

  App later;
  ScriptedDialogs dialogs;
  later.shell.dialogs = &dialogs;
  RecoverCharset(later, *copy);
  RunCommand(later, cmd::Swap);
  EXPECT_EQ(later.doc.store.projectNotRead, "tiles, a map");
  dialogs.messageAnswers.push_back(MessageAnswer::No);
  EXPECT_EQ(SaveCharset(later), SaveResult::Cancelled);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].buttons, MessageButtons::YesNoSaveAs);
  EXPECT_EQ(ReadBytes(project), "the whole project");
}

}  // namespace
}  // namespace kx
