// Peak memory and CPU time of kestrelix-cli reading each kind of input at its worst: the largest file its
// cap lets through, built to cost the most (noise that does not compress, as many modules or scans as fit),
// and the inputs refused by their size or header. Each runs as a process of its own, measured by the
// system (getrusage of the child: its peak resident set and its user and system time), against the budget
// of 300 MB and 1 s an input may take. Run by hand: kx_input_bench [FOLDER [WORDS]] (default /tmp; only the
// inputs whose description holds WORDS), see
// docs/benchmark.md.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// libjpeg's header needs FILE and size_t declared first.
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "runtime/image_codec.h"

namespace {

using kx::Bytes;

constexpr double kMemoryBudgetMb = 300;
constexpr double kCpuBudgetSeconds = 1;

Bytes Noise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(random());
  return out;
}

kx::Image NoisePicture(int width, int height) {
  std::mt19937 random(5);
  kx::Image img(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) img.Row(y)[x] = 0xFF000000u | (random() & 0xFFFFFF);
  }
  return img;
}

void Put(Bytes& b, std::size_t at, std::uint32_t v, int n) {
  for (int i = 0; i < n; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A 32-bit BMP of width x height; the header alone when `withPixels` is false.
Bytes Bmp32(int width, int height, bool withPixels) {
  const std::uint32_t pixels = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height) * 4;
  Bytes b(54);
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, 54 + pixels, 4);
  Put(b, 10, 54, 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<std::uint32_t>(width), 4);
  Put(b, 22, static_cast<std::uint32_t>(height), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, 32, 2);
  Put(b, 34, pixels, 4);
  if (withPixels) {
    const Bytes noise = Noise(pixels, 9);
    b.insert(b.end(), noise.begin(), noise.end());
  }
  return b;
}

// Noise saved progressively at full quality, the first component sampled `lumaAcross` times the colour
// across: the most entropy-coded data a picture of this size and sampling can have.
Bytes ProgressiveNoiseJpeg(int side, int lumaAcross) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* data = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &data, &size);
  c.image_width = c.image_height = static_cast<JDIMENSION>(side);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 100, TRUE);
  c.comp_info[0].h_samp_factor = lumaAcross;
  c.comp_info[0].v_samp_factor = 1;
  jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::mt19937 random(3);
  std::vector<unsigned char> row(static_cast<std::size_t>(side) * 3);
  while (c.next_scanline < c.image_height) {
    for (auto& v : row) v = static_cast<unsigned char>(random());
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&c, &p, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  Bytes out(data, data + size);
  std::free(data);
  return out;
}

// A VICE snapshot header followed by as many empty modules as fit in `size` bytes.
Bytes ManyModuleSnapshot(std::size_t size) {
  Bytes out(size, 0);
  const std::string magic("VICE Snapshot File\x1a", 19);
  std::copy(magic.begin(), magic.end(), out.begin());
  out[19] = 2;
  const std::string machine = "C64SC";
  std::copy(machine.begin(), machine.end(), out.begin() + 21);
  constexpr std::size_t kModule = 22;
  for (std::size_t at = 37; at + kModule <= size; at += kModule) {
    out[at] = 'X';
    Put(out, at + 18, kModule, 4);
  }
  return out;
}

struct Input {
  const char* what;
  const char* name;
  std::vector<std::string> options;
  std::function<Bytes()> make;  // empty: standard input from /dev/zero
  std::uint64_t sparseSize = 0;  // grow the file to this size with zeros, unwritten
};

struct Usage {
  int status = -1;
  double megabytes = 0;
  double seconds = 0;
};

// Runs the tool on one input in a process of its own and takes what the system counted for it.
Usage Measure(const std::string& cli, const std::string& path, const std::vector<std::string>& options) {
  const pid_t child = fork();
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    if (path == "-") dup2(open("/dev/zero", O_RDONLY), 0);
    std::vector<std::string> words{cli, "convert", path, "/dev/null", "--to", "chr"};
    words.insert(words.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    execv(cli.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  rusage used{};
  wait4(child, &status, 0, &used);
  Usage u;
  u.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  u.megabytes = static_cast<double>(used.ru_maxrss) / 1000.0;  // kilobytes on this system
  u.seconds = static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) +
              static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
  return u;
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path folder = std::filesystem::path(argc > 1 ? argv[1] : "/tmp") / "kx_input_bench";
  std::filesystem::create_directories(folder);
  const std::string cli = KX_CLI_EXECUTABLE;
  constexpr std::size_t kMiB = 1024 * 1024;
  const std::vector<Input> inputs = {
      {"program, 64 KiB + 2 of noise", "noise.prg", {}, [] { return Noise(65538, 1); }},
      {"program, 1 GiB (refused by size)", "huge.prg", {}, [] { return Bytes{1, 8}; }, 1ull << 30},
      {"binary, 16 MiB of noise", "noise.bin", {"--from", "raw"}, [] { return Noise(16 * kMiB, 2); }},
      {"snapshot, 24 MiB of empty modules", "modules.vsf", {}, [] { return ManyModuleSnapshot(24 * kMiB); }},
      {"CharPad project, 16 MiB", "big.ctm", {}, [] { return Bytes{'C', 'T', 'M', 5}; }, 16 * kMiB},
      {"sheet, PNG 4096x4096 of noise", "noise-sheet.png", {"--from", "sheet"},
       [] { return *kx::EncodeImage(NoisePicture(4096, 4096), kx::ImageFormat::Png); }},
      {"sheet, BMP header 4097x4096 (refused)", "huge-sheet.bmp", {"--from", "sheet"},
       [] { return Bmp32(4097, 4096, false); }},
      {"picture, BMP 4096x4096 at 32 bits", "noise.bmp", {}, [] { return Bmp32(4096, 4096, true); }},
      {"picture, progressive JPEG 4096x4096 4:2:2 noise", "noise422.jpg", {}, [] { return ProgressiveNoiseJpeg(4096, 2); }},
      {"picture, progressive JPEG 3344x3344 4:4:4 noise", "noise444.jpg", {}, [] { return ProgressiveNoiseJpeg(3344, 1); }},
      {"picture, progressive JPEG 4096x4096 4:4:4 (refused)", "big444.jpg", {}, [] { return ProgressiveNoiseJpeg(4096, 1); }},
      {"picture, PNG 16384x1024 of noise", "wide.png", {},
       [] { return *kx::EncodeImage(NoisePicture(16384, 1024), kx::ImageFormat::Png); }},
      {"standard input from /dev/zero", "-", {}, nullptr},
  };
  const std::string only = argc > 2 ? argv[2] : "";
  std::printf("| Input | File size | Peak memory | CPU time | Exit |\n|---|---:|---:|---:|---:|\n");
  bool within = true;
  for (const Input& input : inputs) {
    if (std::string(input.what).find(only) == std::string::npos) continue;
    std::string path = "-";
    std::uint64_t size = 0;
    if (input.make) {
      path = (folder / input.name).string();
      {
        const Bytes bytes = input.make();
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
      }
      if (input.sparseSize != 0) std::filesystem::resize_file(path, input.sparseSize);
      size = std::filesystem::file_size(path);
    }
    const Usage u = Measure(cli, path, input.options);
    const bool ok = u.megabytes <= kMemoryBudgetMb && u.seconds <= kCpuBudgetSeconds;
    within = within && ok;
    std::printf("| %s | %.1f MB | %.1f MB | %.2f s | %d |%s\n", input.what, static_cast<double>(size) / 1e6,
                u.megabytes, u.seconds, u.status, ok ? "" : " over budget");
    std::fflush(stdout);
    if (input.make) std::filesystem::remove(path);
  }
  std::printf("\nBudget per input: %.0f MB peak memory, %.0f s CPU: %s\n", kMemoryBudgetMb, kCpuBudgetSeconds,
              within ? "all within" : "SOME OVER");
  std::filesystem::remove_all(folder);
  return within ? 0 : 1;
}
