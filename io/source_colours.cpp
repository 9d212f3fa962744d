#include "io/source_colours.h"

namespace kx {

const char* DisplayModeName(DisplayMode mode) {
  switch (mode) {
    case DisplayMode::HiRes: return "hires";
    case DisplayMode::Multicolour: return "mc";
    case DisplayMode::ExtendedBackground: return "ecm";
  }
  return "";
}

}  // namespace kx
