#include "gui/screen_key_codes.h"

#include <span>
#include <utility>

#include <QGuiApplication>
#include <QKeyEvent>

namespace kx {
namespace {

using KeyPair = std::pair<int, int>;  // Qt::Key, virtual-key code

constexpr KeyPair kMovementKeys[] = {
    {Qt::Key_Left, vk::Left},     {Qt::Key_Up, vk::Up},         {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},     {Qt::Key_Insert, vk::Insert}, {Qt::Key_Delete, vk::Delete},
    {Qt::Key_Backspace, vk::Backspace}, {Qt::Key_Return, vk::Return}, {Qt::Key_Enter, vk::Return},
};

constexpr KeyPair kSharedKeys[] = {
    {Qt::Key_Space, vk::Space},
    {Qt::Key_Exclam, '1'},          {Qt::Key_Dollar, '4'},          {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},     {Qt::Key_Ampersand, '7'},       {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},       {Qt::Key_ParenRight, '0'},
    {Qt::Key_Semicolon, vk::Semicolon},       {Qt::Key_Colon, vk::Semicolon},
    {Qt::Key_Equal, vk::Equals},              {Qt::Key_Plus, vk::Equals},
    {Qt::Key_Comma, vk::Comma},               {Qt::Key_Less, vk::Comma},
    {Qt::Key_Minus, vk::Minus},               {Qt::Key_Underscore, vk::Minus},
    {Qt::Key_Period, vk::FullStop},           {Qt::Key_Greater, vk::FullStop},
    {Qt::Key_Slash, vk::Slash},               {Qt::Key_Question, vk::Slash},
    {Qt::Key_BracketLeft, vk::BracketLeft},   {Qt::Key_BraceLeft, vk::BracketLeft},
    {Qt::Key_Backslash, vk::Backslash},       {Qt::Key_Bar, vk::Backslash},
    {Qt::Key_BracketRight, vk::BracketRight}, {Qt::Key_BraceRight, vk::BracketRight},
};

constexpr KeyPair kUsKeys[] = {
    {Qt::Key_At, '2'},           {Qt::Key_NumberSign, '3'},
    {Qt::Key_QuoteLeft, vk::Grave},  {Qt::Key_AsciiTilde, vk::Grave},
    {Qt::Key_Apostrophe, vk::Apostrophe}, {Qt::Key_QuoteDbl, vk::Apostrophe},
};

constexpr KeyPair kUkKeys[] = {
    {Qt::Key_QuoteDbl, '2'},     {Qt::Key_sterling, '3'},
    {Qt::Key_Apostrophe, vk::Grave},      {Qt::Key_At, vk::Grave},
    {Qt::Key_NumberSign, vk::Apostrophe}, {Qt::Key_AsciiTilde, vk::Apostrophe},
    {Qt::Key_QuoteLeft, vk::UkGrave},     {Qt::Key_notsign, vk::UkGrave},
};

int Find(std::span<const KeyPair> table, int qtKey) {
  for (const auto& [key, code] : table)
    if (key == qtKey) return code;
  return 0;
}

}  // namespace

int VirtualKeyFromQtKey(int qtKey, bool keypad, KeyMapping mapping) {
  if (int code = Find(kMovementKeys, qtKey)) return code;
  if (keypad) return 0;
  // Qt numbers letters, digits and Space as their characters, which are also their virtual-key codes.
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
  if (int code = Find(kSharedKeys, qtKey)) return code;
  return Find(mapping == KeyMapping::Us ? std::span<const KeyPair>(kUsKeys) : std::span<const KeyPair>(kUkKeys),
              qtKey);
}

int VirtualKeyOf(const QKeyEvent& event, KeyMapping mapping) {
  if (QGuiApplication::platformName() == QLatin1String("windows") && event.nativeVirtualKey() != 0)
    return static_cast<int>(event.nativeVirtualKey());
  return VirtualKeyFromQtKey(event.key(), event.modifiers() & Qt::KeypadModifier, mapping);
}

}  // namespace kx
