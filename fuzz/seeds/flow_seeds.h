#pragma once
// Seeds of the fuzz targets that drive whole commands: charset files of every size a layout judges (and
// their neighbours), settings files as the program writes them and as people edit them, and the picture
// seeds of the import stages, whole and cut short. Called after the stage seeds are written.

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "model/rom_charset.h"

namespace kx {

inline void SaveFlowSeed(const std::filesystem::path& folder, const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / ("seed-" + name), std::ios::binary) << bytes;
}

// The ROM glyphs, repeated or cut to `size` bytes, behind `header` bytes of a load address.
inline std::string RomFile(std::size_t size, std::size_t header) {
  std::string bytes(header, '\0');
  if (header == 2) bytes[1] = '\x30';
  const Charset& rom = RomCharset();
  while (bytes.size() < size) bytes.push_back(static_cast<char>(rom[(bytes.size() - header) % rom.size()]));
  bytes.resize(size);
  return bytes;
}

// Settings: the file a first run creates, hand-edited values out of range, other line ends and odd lines.
inline std::vector<std::pair<std::string, std::string>> SettingsKinds() {
  return {
      {"created", "; Kestrelix v1.0 (x64) Settings\r\n[MAIN WINDOW]\r\nFULLSCREEN = 0\r\nMAXIMIZE = 1\r\nXPOS = 50\r\n"
                  "YPOS = 50\r\nXSIZE = 717\r\nYSIZE = 476\r\nZOOM = 1\r\n[EDITOR VIEW]\r\nBRIGHTNESS = 16777215\r\n"
                  "[FILE HANDLING]\r\nDIR = \r\nRECENT1 = <Empty>\r\nRECENT2 = <Empty>\r\nRECENT3 = <Empty>\r\n"
                  "RECENT4 = <Empty>\r\nRECENT5 = <Empty>\r\nSOURCEFILTER = 0\r\n"},
      {"edited", "[MAIN WINDOW]\nFULLSCREEN=1\nMAXIMIZE=0\nXPOS=-32000\nYPOS=99999999999\nXSIZE=0\nYSIZE=-1\n"
                 "ZOOM=9\n[EDITOR VIEW]\nBRIGHTNESS=12303291\n[FILE HANDLING]\nDIR=  /home/me/fonts/ \n"
                 "RECENT1=/home/me/fonts/a.prg\nRECENT2=\nRECENT3=C:\\caf\xE9.chr\nRECENT5=<Empty>\n"
                 "SOURCEFILTER=7\n"},
      {"odd", "[MAIN WINDOW\r\nZOOM = -3\r\n[EDITOR VIEW]\r\nBRIGHTNESS = 7829367x\r\nBRIGHTNESS = 1\r\n"
              "[FILE HANDLING]]\r\nRECENT1 = [x]\r\n[file handling]\r\nRECENT4 = ; not a comment\r\n"},
  };
}

inline void MakeFlowSeeds(const std::filesystem::path& root) {
  for (std::size_t size : {0, 255, 256, 257, 512, 1792, 2047, 2048, 2049, 4096}) {
    SaveFlowSeed(root / "charset_load", std::to_string(size), RomFile(size, 0));
  }
  SaveFlowSeed(root / "charset_load", "2049-prg", RomFile(2049, 2));
  SaveFlowSeed(root / "charset_load", "2050-prg", RomFile(2050, 2));

  for (const auto& [name, text] : SettingsKinds()) SaveFlowSeed(root / "settings", name, text);

  for (const auto& entry : std::filesystem::directory_iterator(root / "image_import")) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with("seed-")) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    SaveFlowSeed(root / "image_import_flow", name.substr(5), bytes);
    SaveFlowSeed(root / "image_import_flow", name.substr(5) + "-cut", bytes.substr(0, bytes.size() / 2));
  }
  SaveFlowSeed(root / "image_import_flow", "charset.prg", RomFile(2050, 2));
}

}  // namespace kx
