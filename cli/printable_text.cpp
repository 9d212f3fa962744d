#include "cli/printable_text.h"

#include <cstdio>

namespace kx {
namespace {

// The length of the valid UTF-8 sequence starting at `at`, or 0 when the byte there starts none (a stray
// continuation byte, an overlong form, a surrogate, a value past U+10FFFF or a cut-short sequence).
std::size_t Utf8Length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
  }
  return length;
}

std::string Escaped(const char* format, unsigned value) {
  char out[8];
  std::snprintf(out, sizeof out, format, value);
  return out;
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8Length(text, at);
    if (length == 0 || c < 0x20 || c == 0x7F) {
      out += Escaped("\\x%02X", c);
      ++at;
    } else {
      out += text.substr(at, length);
      at += length;
    }
  }
  return out;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t at = 0; at < text.size();) {
    const auto c = static_cast<unsigned char>(text[at]);
    const std::size_t length = Utf8Length(text, at);
    if (length == 0) {
      out += "\\ufffd";
      ++at;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      out += Escaped("\\u%04x", c);
    } else {
      out += text.substr(at, length);
    }
    at += length;
  }
  return out + "\"";
}

}  // namespace kx
