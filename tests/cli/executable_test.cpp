// The built kestrelix-cli run as a process: exit statuses, standard input and output, help and version.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "model/rom_charset.h"
#include "tests/cli/cli_test_support.h"
#include "tests/io/temp_files.h"

namespace kx {
namespace {

using namespace cli_testing;
using namespace testing_files;

struct ProcessRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the executable with `arguments` (shell words) in `dir`.
ProcessRun RunExecutable(const TempDir& dir, const std::string& arguments) {
  const std::string command = "cd " + dir.Dir() + " && " + KX_CLI_EXECUTABLE + " " + arguments + " >" +
                              dir.Path("stdout") + " 2>" + dir.Path("stderr");
  const int raw = std::system(command.c_str());
  ProcessRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadBytes(dir.Path("stdout"));
  run.err = ReadBytes(dir.Path("stderr"));
  return run;
}

TEST(CliExecutable, HelpAndVersionSucceedOnStandardOutput) {
  const TempDir dir;
  const ProcessRun version = RunExecutable(dir, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "kestrelix-cli 1.0\n");
  const ProcessRun help = RunExecutable(dir, "--help");
  EXPECT_EQ(help.status, 0);
  for (const char* command : {"convert", "apply", "slide", "compress", "derive", "info"}) {
    EXPECT_NE(help.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    const ProcessRun own = RunExecutable(dir, std::string(command) + " --help");
    EXPECT_EQ(own.status, 0) << command;
    EXPECT_TRUE(own.out.starts_with(std::string("Usage: kestrelix-cli ") + command + " ")) << command;
  }
  EXPECT_EQ(help.err, "");
}

TEST(CliExecutable, PipesCharsetsThroughStandardInputAndOutput) {
  const TempDir dir;
  WriteBytes(dir.Path("rom.chr"), AsBytes(RomCharset()));
  const ProcessRun run = RunExecutable(dir, "apply rotate all - - < rom.chr | " + std::string(KX_CLI_EXECUTABLE) +
                                                " convert - - --to prg --load-address 3800");
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string rotated = RunCliWith({"apply", "rotate", "all", "-", "-"}, AsBytes(RomCharset())).out;
  EXPECT_EQ(run.out, std::string("\x00\x38", 2) + rotated);
}

TEST(CliExecutable, ExitStatusesTellUsageFromBadInput) {
  const TempDir dir;
  WriteBytes(dir.Path("rom.chr"), AsBytes(RomCharset()));
  const ProcessRun none = RunExecutable(dir, "");
  EXPECT_EQ(none.status, 1);
  EXPECT_TRUE(none.err.starts_with("Usage: kestrelix-cli")) << none.err;
  EXPECT_EQ(RunExecutable(dir, "apply twirl all rom.chr out.chr").status, 1);
  const ProcessRun missing = RunExecutable(dir, "convert gone.chr out.chr");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "kestrelix-cli: gone.chr: not found\n");
  EXPECT_EQ(RunExecutable(dir, "convert rom.chr out.chr").status, 0);
  EXPECT_EQ(ReadBytes(dir.Path("out.chr")), AsBytes(RomCharset()));
}

TEST(CliExecutable, AStandardOutputThatCannotBeWrittenFailsWithStatusTwo) {
  const TempDir dir;
  WriteBytes(dir.Path("rom.chr"), AsBytes(RomCharset()));
  for (const char* arguments : {"--version", "--help", "info --help", "info rom.chr", "info --json rom.chr"}) {
    const std::string command = "cd " + dir.Dir() + " && " + KX_CLI_EXECUTABLE + " " + arguments +
                                " >/dev/full 2>" + dir.Path("stderr");
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 2) << arguments;
    EXPECT_TRUE(ReadBytes(dir.Path("stderr")).starts_with("kestrelix-cli: -: could not write standard output"))
        << arguments << ": " << ReadBytes(dir.Path("stderr"));
  }
}

TEST(CliExecutable, PipesAndDevicesNamedAsFilesAreReadAndWrittenDirectly) {
  const TempDir dir;
  const std::string rom = AsBytes(RomCharset());
  WriteBytes(dir.Path("rom.chr"), rom);
  // Shell lines with CLI for the executable; the line's standard output is compared. The helpers are
  // timed so that a refused stream leaves no process waiting for ever.
  struct StreamCase {
    const char* name;
    std::string line;
    std::string expected;
  };
  const std::vector<StreamCase> cases{
      {"a FIFO in", "mkfifo in.fifo; (timeout 10 cat rom.chr >in.fifo &); CLI convert in.fifo - --to chr", rom},
      {"a FIFO out", "mkfifo out.fifo; CLI convert rom.chr out.fifo --to chr & timeout 10 cat out.fifo; wait $!", rom},
      {"/dev/stdout on a pipe", "CLI convert rom.chr /dev/stdout --to prg --load-address 3800 | cat",
       std::string("\x00\x38", 2) + rom},
      {"/dev/null out", "CLI convert rom.chr /dev/null --to chr", ""},
  };
  for (const StreamCase& c : cases) {
    std::string line = c.line;
    line.replace(line.find("CLI"), 3, KX_CLI_EXECUTABLE);
    const std::string command = "cd " + dir.Dir() + " && rm -f in.fifo out.fifo && (" + line + ") >" +
                                dir.Path("stdout") + " 2>" + dir.Path("stderr");
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 0) << c.name;
    EXPECT_EQ(ReadBytes(dir.Path("stderr")), "") << c.name;
    EXPECT_TRUE(ReadBytes(dir.Path("stdout")) == c.expected) << c.name;
  }
}

// Eight converts writing one hard-linked OUT at once take turns on it: whatever the order, OUT ends as one
// writer's whole output, never a mix of two or one cut short, and both names stay one file. The writers
// write formats of very different lengths, so that a long write overtaken by a short one shows.
TEST(CliExecutable, ConcurrentConvertsOntoAHardLinkedFileLeaveOneWholeOutput) {
  const TempDir dir;
  constexpr int kWriters = 8;
  constexpr int kRounds = 25;
  const char* const formats[] = {"bmp", "png", "chr", "c"};
  std::set<std::string> wholes;
  std::string race = "cd " + dir.Dir() + " && ";
  for (int i = 0; i < kWriters; ++i) {
    const std::string in = "in" + std::to_string(i) + ".chr";
    const std::string convert = "convert " + in + " out.png --to " + formats[i % 4];
    WriteBytes(dir.Path(in), AsBytes(SampleCharset(static_cast<unsigned>(i + 1))));
    // Alone first: the whole output, under the same name (source text carries a label made from it).
    ASSERT_EQ(RunExecutable(dir, convert).status, 0);
    wholes.insert(ReadBytes(dir.Path("out.png")));
    race += std::string(KX_CLI_EXECUTABLE) + " " + convert + " & ";
  }
  race += "wait";
  ASSERT_EQ(wholes.size(), static_cast<std::size_t>(kWriters));
  WriteBytes(dir.Path("out.png"), "old");
  ASSERT_EQ(link(dir.Path("out.png").c_str(), dir.Path("link.png").c_str()), 0);

  for (int round = 0; round < kRounds; ++round) {
    ASSERT_EQ(std::system(race.c_str()), 0);
    EXPECT_TRUE(wholes.contains(ReadBytes(dir.Path("out.png")))) << "round " << round;
    struct stat st {};
    ASSERT_EQ(stat(dir.Path("link.png").c_str(), &st), 0);
    EXPECT_EQ(st.st_nlink, 2u);
  }
  // Nothing is left beside them: the ins, the two names, and the runs' captured streams.
  int others = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Dir())) {
    const std::string name = entry.path().filename();
    others += !(name.starts_with("in") || name == "out.png" || name == "link.png" || name.starts_with("std"));
  }
  EXPECT_EQ(others, 0);
}

}  // namespace
}  // namespace kx
