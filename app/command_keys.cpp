#include "app/command_keys.h"

#include <utility>

namespace kx {

namespace {

std::string ChordText(const KeyChord& chord, const char* joiner) {
  std::string text;
  for (auto [held, name] : {std::pair{chord.ctrl, "Ctrl"}, std::pair{chord.alt, "Alt"},
                            std::pair{chord.shift, "Shift"}}) {
    if (!held) continue;
    text.append(name);
    text.append(joiner);
  }
  if (chord.key != 0) {
    text.push_back(chord.key);
  } else {
    text.push_back('F');
    text.append(std::to_string(chord.functionKey));
  }
  return text;
}

}  // namespace

std::string KeyChordText(const KeyChord& chord) { return ChordText(chord, "+"); }

std::string KeyHintText(const CommandKey& key) {
  switch (key.scope) {
    case KeyScope::None: return {};
    case KeyScope::EditorView: return ChordText(key.chord, " ");
    case KeyScope::Window:
    case KeyScope::WindowSystem: return KeyChordText(key.chord);
  }
  return {};
}

}  // namespace kx
