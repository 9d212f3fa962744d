#pragma once
// Running kestrelix-cli in-process: the arguments, the bytes on standard input, and what came back.

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "model/charset.h"

namespace kx::cli_testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliRun RunCliWith(const std::vector<std::string>& args, const std::string& stdinBytes = {}) {
  std::istringstream in(stdinBytes);
  std::ostringstream out;
  std::ostringstream err;
  CliRun run;
  run.status = RunCli(args, in, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

inline std::string AsBytes(const Charset& charset) { return {charset.begin(), charset.end()}; }

inline Charset FromBytes(const std::string& bytes) {
  Charset charset{};
  for (std::size_t i = 0; i < charset.size() && i < bytes.size(); ++i) {
    charset[i] = static_cast<std::uint8_t>(bytes[i]);
  }
  return charset;
}

// The first byte at which two charsets differ, or -1 when they are equal: a short report for a failure.
inline int FirstDifference(const Charset& a, const Charset& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return static_cast<int>(i);
  }
  return -1;
}

// Random glyphs with repeats and empty ones mixed in: glyph 3 recurs at 10 and 200, glyph 40 at 41, and
// glyphs 0, 77 and 255 are empty, so that compress and the per-glyph and range operations all have work.
inline Charset SampleCharset(unsigned seed = 7) {
  std::mt19937 random(seed);
  Charset charset{};
  for (auto& byte : charset) byte = static_cast<std::uint8_t>(random() & 0xFF);
  for (const int copy : {10, 200}) PutGlyph(charset, copy, GetGlyph(charset, 3));
  PutGlyph(charset, 41, GetGlyph(charset, 40));
  for (const int empty : {0, 77, 255}) PutGlyph(charset, empty, Glyph{});
  return charset;
}

}  // namespace kx::cli_testing
