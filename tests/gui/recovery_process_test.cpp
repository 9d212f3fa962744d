// The editor process itself: signals and a kill, and what the next start finds.

#include <gtest/gtest.h>

#include <QProcess>
#include <QPushButton>
#include <QProcessEnvironment>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "gui/recovery_box.h"
#include "io/recovery_copy.h"
#include "io/temp_files.h"
#include "model/rom_charset.h"

namespace kx {
namespace {

namespace fs = std::filesystem;
using testing_files::ReadBytes;
using testing_files::TempDir;

// Runs the editor probe (tests/probe/editor_probe.cpp) in `work` with its own state folder and waits for
// its window; the lines it printed before that.
std::string StartEditor(QProcess& editor, const std::string& work, bool edit, const char* delayMs = nullptr) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_STATE_HOME", QString::fromStdString(work + "state"));
  env.insert("KX_PROBE_EDIT", edit ? "1" : "0");
  if (delayMs) env.insert("KESTRELIX_RECOVERY_DELAY_MS", delayMs);
  editor.setProcessEnvironment(env);
  editor.setWorkingDirectory(QString::fromStdString(work));
  editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  editor.start(KX_EDITOR_PROBE, {});
  std::string out;
  while (out.find("ready\n") == std::string::npos && editor.waitForReadyRead(20000)) {
    out += editor.readAllStandardOutput().toStdString();
  }
  return out;
}

std::vector<std::string> CopiesIn(const std::string& folder) {
  std::vector<std::string> copies;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".kxr") copies.push_back(entry.path().string());
  }
  std::sort(copies.begin(), copies.end());
  return copies;
}

// What the probe's edit leaves: Charset 1 the ROM with its first half reversed, Charset 2 (empty at
// start) with its second half reversed.
Charset Expected(int place) {
  Charset c = place == 0 ? RomCharset() : Charset{};
  for (int i = place * 1024; i < place * 1024 + 1024; ++i) c[static_cast<std::size_t>(i)] ^= 0xFF;
  return c;
}

void ExpectBothCharsetsWhole(const std::string& folder, const std::string& when) {
  const auto copies = CopiesIn(folder);
  ASSERT_EQ(copies.size(), 2u) << when;
  for (const std::string& path : copies) {
    const std::string bytes = ReadBytes(path);
    std::string reason;
    const auto copy = DecodeRecoveryCopy({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, &reason);
    ASSERT_TRUE(copy) << when << ": " << path << " " << reason;
    EXPECT_EQ(copy->name, copy->place == 0 ? "untitled charset 1" : "untitled charset 2") << when;
    EXPECT_TRUE(copy->bytes == Expected(copy->place)) << when << ": Charset " << copy->place + 1;
  }
}

TEST(RecoveryProcess, HangUpTerminateAndInterruptWriteEveryUnsavedCharsetAndTheSettings) {
  for (const int signal : {SIGHUP, SIGTERM, SIGINT}) {
    TempDir dir;
    // A brightness the editor reads as High and writes back as its number: the file shows it was written.
    testing_files::WriteBytes(dir.Path("kstr.ini"), "[EDITOR VIEW]\r\nBRIGHTNESS = 123\r\n");
    QProcess editor;
    ASSERT_NE(StartEditor(editor, dir.Dir(), true).find("ready"), std::string::npos) << signal;
    EXPECT_TRUE(CopiesIn(dir.Dir() + "state/kestrelix").empty()) << "nothing written before the delay";
    kill(static_cast<pid_t>(editor.processId()), signal);
    ASSERT_TRUE(editor.waitForFinished(20000)) << signal;
    EXPECT_EQ(editor.exitCode(), 128 + signal);
    EXPECT_NE(ReadBytes(dir.Path("kstr.ini")).find("BRIGHTNESS = 16777215"), std::string::npos) << signal;
    ExpectBothCharsetsWhole(dir.Dir() + "state/kestrelix", "after signal " + std::to_string(signal));
  }
}

TEST(RecoveryProcess, AKilledEditorsWorkIsOfferedAtTheNextStartAndRecovered) {
  TempDir dir;
  const std::string folder = dir.Dir() + "state/kestrelix";
  {
    QProcess editor;
    ASSERT_NE(StartEditor(editor, dir.Dir(), true, "300").find("ready"), std::string::npos);
    for (int i = 0; i < 100 && CopiesIn(folder).size() < 2; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    editor.kill();  // SIGKILL: nothing of the editor runs any more
    ASSERT_TRUE(editor.waitForFinished(20000));
  }
  ExpectBothCharsetsWhole(folder, "after the kill");
  const auto killedCopies = CopiesIn(folder);

  QProcess next;
  const std::string out = StartEditor(next, dir.Dir(), false);
  EXPECT_NE(out.find("offered: Charset 1: untitled charset 1, no file, written "), std::string::npos) << out;
  EXPECT_NE(out.find("offered: Charset 2: untitled charset 2, no file, written "), std::string::npos) << out;
  // Recovered: the new run holds the work as its own copies, and the killed run's are gone.
  kill(static_cast<pid_t>(next.processId()), SIGTERM);
  ASSERT_TRUE(next.waitForFinished(20000));
  ExpectBothCharsetsWhole(folder, "after the recovery");
  for (const std::string& old : killedCopies) EXPECT_FALSE(fs::exists(old)) << old;
}

}  // namespace
}  // namespace kx

namespace kx {
namespace {

TEST(RecoveryBox, RecoverTakesEachPlaceOnceRefusedCopiesOnlyGoAndTheBoxClosesWhenAllAreAnswered) {
  RecoveryCopy first;
  first.name = "a.chr";
  RecoveryCopy second = first;
  second.name = "b.chr";
  const std::vector<OfferedCopy> copies{
      {"/s/1-1-charset1.kxr", "1-1", first, "", 0},
      {"/s/2-2-charset1.kxr", "2-2", second, "", 0},
      {"/s/3-3-charset2.kxr", "3-3", std::nullopt, "cut short", 0},
  };
  RecoveryDialog box(nullptr, copies);
  box.show();
  EXPECT_TRUE(box.RecoverButton(0)->isEnabled() && box.RecoverButton(1)->isEnabled());
  EXPECT_FALSE(box.RecoverButton(2)->isEnabled()) << "a refused copy can only be discarded";
  box.RecoverButton(1)->click();
  EXPECT_FALSE(box.RecoverButton(0)->isEnabled()) << "Charset 1 is taken";
  EXPECT_TRUE(box.DiscardButton(0)->isEnabled());
  box.DiscardButton(0)->click();
  EXPECT_TRUE(box.isVisible());
  box.DiscardButton(2)->click();
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.Answers(), (std::vector<RecoveryAnswer>{RecoveryAnswer::Discard, RecoveryAnswer::Recover,
                                                        RecoveryAnswer::Discard}));
}

}  // namespace
}  // namespace kx
