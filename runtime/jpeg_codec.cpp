#include "runtime/jpeg_codec.h"

// libjpeg's header needs FILE and size_t declared first.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csetjmp>

#include <jerror.h>
#include <jpeglib.h>

#include <bit>

// libjpeg reports errors by calling error_exit, which must not return. Here it longjmps back to the
// setjmp of the step that called libjpeg. Those steps are plain functions that hold no objects with
// destructors, and every C++ object (the picture, the output bytes) lives in a caller outside the jump.

namespace kx {
namespace {

// The libjpeg-turbo pixel layout whose bytes match a stored 0xFFRRGGBB word in memory.
constexpr J_COLOR_SPACE kWordColourSpace =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// Progressive files can carry hundreds of tiny scans, and each costs a pass over every block of the
// picture, however little data it holds. Encoders write a dozen or so. The work is bounded in passes
// over pixels: a picture of the largest size may have 32 scans, smaller ones proportionally more, up to
// kMaxScans. At the bound decoding takes well under a second.
constexpr int kMaxScans = 1000;
constexpr long long kMaxScanPixels = 32 * kMaxImagePixels;

// A file of several scans is held whole as coefficients, 2 bytes each, 64 a block of every component, before
// a row of pixels comes out, and decoding it costs in proportion to them. They may take as much as two
// components at full size would at the largest picture allowed (64 MiB): a colour picture with its colour
// at half resolution (as cameras and most programs save it) of the largest size, or with full-resolution
// colour up to two thirds of it. More is refused by the header. libjpeg's own limit is set a little above,
// for its row buffers, so that nothing it allocates can pass it.
constexpr long long CoefficientBudget(const ImageLimits& limits) { return 2 * 2 * limits.maxPixels; }
constexpr long long kRowBufferBytes = 16LL * 1024 * 1024;

struct ErrorJump {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  bool tooMuchWork;  // the jump came from the work bound, not from damaged data
};

[[noreturn]] void JumpOnError(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<ErrorJump*>(cinfo->err)->jump, 1);
}

// Warnings are not printed. Running out of data is treated as an error: libjpeg would otherwise fill
// the rest of the picture with grey and report success.
void QuietMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) JumpOnError(cinfo);
  if (level < 0) ++cinfo->err->num_warnings;
}

void IgnoreOutput(j_common_ptr) {}

// Runs before each scan's share of the input is consumed, so a file is refused as soon as the scan it has
// reached would go past the bound.
void LimitWork(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  const auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
  const long long pixels = static_cast<long long>(d->image_width) * d->image_height;
  if (d->input_scan_number > kMaxScans || d->input_scan_number * pixels > kMaxScanPixels) {
    reinterpret_cast<ErrorJump*>(cinfo->err)->tooMuchWork = true;
    JumpOnError(cinfo);
  }
}

void InstallErrorJump(ErrorJump& err) {
  jpeg_std_error(&err.mgr);
  err.mgr.error_exit = JumpOnError;
  err.mgr.emit_message = QuietMessage;
  err.mgr.output_message = IgnoreOutput;
}

struct Reader {
  jpeg_decompress_struct cinfo;
  ErrorJump err;
  jpeg_progress_mgr progress;
};

bool ReadHeader(Reader& r, const std::uint8_t* data, std::size_t size, const ImageLimits& limits) {
  if (setjmp(r.err.jump)) return false;
  jpeg_create_decompress(&r.cinfo);
  r.cinfo.mem->max_memory_to_use = static_cast<long>(CoefficientBudget(limits) + kRowBufferBytes);
  r.progress.progress_monitor = LimitWork;
  r.cinfo.progress = &r.progress;
  jpeg_mem_src(&r.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&r.cinfo, TRUE);
  r.cinfo.out_color_space = kWordColourSpace;
  jpeg_calc_output_dimensions(&r.cinfo);
  return true;
}

// For a progressive file this reads every scan, before the picture is allocated.
// The bytes the coefficients of a file of several scans take, as the header declares its components.
long long CoefficientBytes(const jpeg_decompress_struct& cinfo) {
  if (!jpeg_has_multiple_scans(const_cast<j_decompress_ptr>(&cinfo))) return 0;
  long long bytes = 0;
  for (int c = 0; c < cinfo.num_components; ++c) {
    const jpeg_component_info& comp = cinfo.comp_info[c];
    bytes += static_cast<long long>(comp.width_in_blocks) * comp.height_in_blocks * DCTSIZE2 * sizeof(JCOEF);
  }
  return bytes;
}

bool StartReading(Reader& r) {
  if (setjmp(r.err.jump)) return false;
  jpeg_start_decompress(&r.cinfo);
  return true;
}

bool ReadPixels(Reader& r, std::uint32_t* pixels, std::size_t stride) {
  if (setjmp(r.err.jump)) return false;
  while (r.cinfo.output_scanline < r.cinfo.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(pixels + stride * r.cinfo.output_scanline);
    jpeg_read_scanlines(&r.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&r.cinfo);
  return true;
}

// Compressed output grows in a malloc'd block owned by this struct, so it can be freed after an error.
struct Sink {
  jpeg_destination_mgr mgr;
  std::uint8_t* data;
  std::size_t capacity;
};

void StartSink(j_compress_ptr cinfo) {
  Sink* s = reinterpret_cast<Sink*>(cinfo->dest);
  s->mgr.next_output_byte = s->data;
  s->mgr.free_in_buffer = s->capacity;
}

boolean GrowSink(j_compress_ptr cinfo) {
  Sink* s = reinterpret_cast<Sink*>(cinfo->dest);
  void* bigger = std::realloc(s->data, s->capacity * 2);
  if (bigger == nullptr) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
  s->data = static_cast<std::uint8_t*>(bigger);
  s->mgr.next_output_byte = s->data + s->capacity;
  s->mgr.free_in_buffer = s->capacity;
  s->capacity *= 2;
  return TRUE;
}

void EndSink(j_compress_ptr) {}

struct Writer {
  jpeg_compress_struct cinfo;
  ErrorJump err;
  Sink sink;
};

bool WriteJpeg(Writer& w, const std::uint32_t* pixels, int width, int height, int quality) {
  if (setjmp(w.err.jump)) return false;
  jpeg_create_compress(&w.cinfo);
  w.sink.mgr.init_destination = StartSink;
  w.sink.mgr.empty_output_buffer = GrowSink;
  w.sink.mgr.term_destination = EndSink;
  w.cinfo.dest = &w.sink.mgr;
  w.cinfo.image_width = static_cast<JDIMENSION>(width);
  w.cinfo.image_height = static_cast<JDIMENSION>(height);
  w.cinfo.input_components = 4;
  w.cinfo.in_color_space = kWordColourSpace;
  jpeg_set_defaults(&w.cinfo);
  jpeg_set_quality(&w.cinfo, quality, TRUE);
  jpeg_start_compress(&w.cinfo, TRUE);
  while (w.cinfo.next_scanline < w.cinfo.image_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<std::uint32_t*>(pixels) +
                                              static_cast<std::size_t>(width) * w.cinfo.next_scanline);
    jpeg_write_scanlines(&w.cinfo, &row, 1);
  }
  jpeg_finish_compress(&w.cinfo);
  return true;
}

}  // namespace

DecodeResult DecodeJpeg(std::span<const std::uint8_t> data, const ImageLimits& limits) {
  Reader r{};
  InstallErrorJump(r.err);
  r.cinfo.err = &r.err.mgr;
  DecodeResult result = DecodeResult::Fail("JPEG: damaged or unsupported data");
  if (ReadHeader(r, data.data(), data.size(), limits)) {
    if (!ImageSizeAllowed(r.cinfo.output_width, r.cinfo.output_height, limits)) {
      result = DecodeResult::TooLarge("JPEG", r.cinfo.output_width, r.cinfo.output_height);
    } else if (CoefficientBytes(r.cinfo) > CoefficientBudget(limits)) {
      result.error = "JPEG: too many components to hold";
    } else if (!StartReading(r)) {
      if (r.err.tooMuchWork) result.error = "JPEG: too much decoding work";
    } else {
      Image img;
      img.Reshape(static_cast<int>(r.cinfo.output_width), static_cast<int>(r.cinfo.output_height));
      if (ReadPixels(r, img.Data(), static_cast<std::size_t>(img.Stride()))) {
        // The filler byte of the pixel layout is not guaranteed to be 0xFF.
        for (int y = 0; y < img.Height(); ++y) {
          for (int x = 0; x < img.Width(); ++x) img.Row(y)[x] |= 0xFF000000u;
        }
        result = {std::move(img), {}};
      }
    }
  }
  jpeg_destroy_decompress(&r.cinfo);
  return result;
}

std::optional<Bytes> EncodeJpeg(const Image& img, int quality) {
  Writer w{};
  InstallErrorJump(w.err);
  w.cinfo.err = &w.err.mgr;
  w.sink.capacity = 64 * 1024;
  w.sink.data = static_cast<std::uint8_t*>(std::malloc(w.sink.capacity));
  std::optional<Bytes> out;
  if (w.sink.data != nullptr && WriteJpeg(w, img.Data(), img.Width(), img.Height(), quality)) {
    out.emplace(w.sink.data, w.sink.mgr.next_output_byte);
  }
  jpeg_destroy_compress(&w.cinfo);
  std::free(w.sink.data);
  return out;
}

}  // namespace kx
