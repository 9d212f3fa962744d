#pragma once
// Builds exported charset source back into bytes with the real assemblers and the C compiler. The test
// command installs every tool used here, so a missing one is a failure, not a reason to skip.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "io/source_export.h"
#include "model/rom_charset.h"
#include "tests/io/temp_files.h"

namespace kx::testing_files {

struct NamedCharset {
  const char* name;
  Charset bytes;
};

// The charsets every dialect must carry through unchanged: the ROM, random bytes, all clear, all set.
inline std::vector<NamedCharset> SourceSampleCharsets() {
  std::mt19937 random(20261207);
  Charset noise;
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random() & 0xFF);
  Charset clear;
  clear.fill(0x00);
  Charset set;
  set.fill(0xFF);
  return {{"rom", RomCharset()}, {"random", noise}, {"zero", clear}, {"set", set}};
}

// Runs `tool arguments` in `dir`; its output goes to a log shown when it fails.
inline void RunTool(const TempDir& dir, const std::string& tool, const std::string& arguments) {
  // `tool` may carry its first arguments; the program is its first word.
  ASSERT_EQ(std::system(("cd " + dir.Dir() + " && command -v " + tool.substr(0, tool.find(' ')) + " >/dev/null").c_str()), 0)
      << tool << " is not installed (scripts/install-deps.sh --tests installs it)";
  const std::string log = dir.Path("log.txt");
  const int status = std::system(("cd " + dir.Dir() + " && " + tool + " " + arguments + " >" + log + " 2>&1").c_str());
  ASSERT_EQ(status, 0) << tool << " " << arguments << "\n" << ReadBytes(log);
}

// How one assembler builds a program that includes an exported file: the wrapper's name and text
// ("%SOURCE%" stands for the exported file), and the commands that turn it into out.bin.
struct AssemblerBuild {
  SourceDialect dialect;
  const char* wrapperName;
  const char* wrapperText;
  std::vector<std::pair<const char*, const char*>> commands;
};

inline const std::vector<AssemblerBuild>& AssemblerBuilds() {
  static const std::vector<AssemblerBuild> builds{
      {SourceDialect::Acme, "main.a", "* = $2000\n!source \"%SOURCE%\"\n!word font\n",
       {{"acme", "-f plain -o out.bin main.a"}}},
      {SourceDialect::Ca65, "main.s", ".include \"%SOURCE%\"\n.word font\n",
       {{"ca65", "-o main.o main.s"}, {"ld65", "-C link.cfg -o out.bin main.o"}}},
      {SourceDialect::Tass64, "main.tass", "* = $2000\n.include \"%SOURCE%\"\n.word font\n",
       {{"64tass", "--quiet --nostart -o out.bin main.tass"}}},
  };
  return builds;
}

// Assembles `source` (a file in `dir` under the label "font") with `build`'s assembler: the data placed
// at $2000, then the label's value as a little-endian word, so a label that is not at the first byte is
// caught too. Returns what was built (empty after a failure, which is reported).
inline std::string AssembleExported(const TempDir& dir, const AssemblerBuild& build, const std::string& source) {
  std::string wrapper = build.wrapperText;
  wrapper.replace(wrapper.find("%SOURCE%"), 8, source);
  WriteBytes(dir.Path(build.wrapperName), wrapper);
  WriteBytes(dir.Path("link.cfg"),
             "MEMORY { RAM: start = $2000, size = $1000, file = %O; }\n"
             "SEGMENTS { CODE: load = RAM, type = ro; }\n");
  for (const auto& [tool, arguments] : build.commands) {
    RunTool(dir, tool, arguments);
    if (::testing::Test::HasFatalFailure()) return {};
  }
  return ReadBytes(dir.Path("out.bin"));
}

// What every assembled wrapper holds for `charset`.
inline std::string AssembledWithLabelWord(const Charset& charset) {
  return std::string(charset.begin(), charset.end()) + std::string("\x00\x20", 2);
}

// Compiles font.c (the array "font") and font.h (its header) in `dir` with a program that writes the
// array out, once as one file holding both, so a header that disagrees with the definition fails to
// compile, and then with the program and the definition each compiled as C89 or as C++ in all four
// pairings, so the array links whichever language defines or uses it. Returns the bytes the programs
// wrote when they all agree (empty after a failure, which is reported).
inline std::string CompileExportedArray(const TempDir& dir) {
  WriteBytes(dir.Path("main.c"),
             "#include <stdio.h>\n"
             "#include \"font.h\"\n"
             "int main(void) {\n"
             "  FILE* out = fopen(\"out.bin\", \"wb\");\n"
             "  if (!out || fwrite(font, 1, sizeof font, out) != 2048) return 1;\n"
             "  return fclose(out) != 0;\n"
             "}\n");
  WriteBytes(dir.Path("both.c"), "#include \"font.h\"\n#include \"font.c\"\n");
  const std::string c = "gcc -std=c89 -pedantic -Wall -Wextra -Werror -x c";
  const std::string cpp = "g++ -std=c++98 -pedantic -Wall -Wextra -Werror -x c++";
  RunTool(dir, c, "-c both.c -o both.o");
  std::string written;
  for (const auto& [mainCompiler, fontCompiler] : {std::pair{c, c}, {c, cpp}, {cpp, c}, {cpp, cpp}}) {
    RunTool(dir, mainCompiler, "-c main.c -o main.o");
    RunTool(dir, fontCompiler, "-c font.c -o font.o");
    RunTool(dir, "g++", "main.o font.o -o dump");
    RunTool(dir, "./dump", "");
    if (::testing::Test::HasFatalFailure()) return {};
    const std::string bytes = ReadBytes(dir.Path("out.bin"));
    if (!written.empty() && bytes != written) return {};
    written = bytes;
  }
  return written;
}

}  // namespace kx::testing_files
