#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <cctype>
#include <set>
#include <sstream>
#include <string>

#include "app/command_keys.h"
#include "app/command_table.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

const fs::path kManualDir = fs::path(KX_SOURCE_DIR) / "docs" / "manual";

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// Runs of white space as one space.
std::string CollapseSpace(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
    if (!space) out += c;
    else if (out.empty() || out.back() != ' ') out += ' ';
  }
  return out;
}

// What a reader sees of the page: tags dropped, the common entities decoded, runs of white space as one
// space.
std::string VisibleText(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (char c : html) {
    if (c == '<') inTag = true;
    if (!inTag) text += c;
    if (c == '>' && inTag) {
      inTag = false;
      text += ' ';
    }
  }
  const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}, {"&amp;", "&"}};
  for (const auto& [entity, character] : entities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1)) {
      text.replace(at, std::string(entity).size(), character);
    }
  }
  return CollapseSpace(text);
}

// The src of every <img> tag.
std::set<std::string> ImageSources(const std::string& html) {
  std::set<std::string> sources;
  for (std::size_t tag = html.find("<img"); tag != std::string::npos; tag = html.find("<img", tag + 1)) {
    const std::size_t end = html.find('>', tag);
    const std::size_t src = html.find(" src=\"", tag);
    if (src == std::string::npos || src > end) continue;
    const std::size_t from = src + 6;
    sources.insert(html.substr(from, html.find('"', from) - from));
  }
  return sources;
}

// The keys the manual's tables under "Keys" name in their first column, one per <kbd>.
std::set<std::string> ManualKeys(const std::string& html) {
  const std::size_t from = html.find("<h2 id=\"keys\">");
  const std::size_t to = html.find("<h2", from + 1);
  std::set<std::string> keys;
  for (std::size_t row = html.find("<tr><td>", from); row < to; row = html.find("<tr><td>", row + 1)) {
    const std::size_t cellEnd = html.find("</td>", row);
    for (std::size_t k = html.find("<kbd>", row); k < cellEnd; k = html.find("<kbd>", k + 1)) {
      keys.insert(html.substr(k + 5, html.find("</kbd>", k) - k - 5));
    }
  }
  return keys;
}

TEST(ManualHelper, VisibleTextDropsTagsAndDecodesEntities) {
  EXPECT_EQ(VisibleText("<p>Load &amp;\n  <b>Save</b>&nbsp;&lt;x&gt;</p>"), " Load & Save <x> ");
  EXPECT_EQ(VisibleText("&amp;lt;"), "&lt;");
  EXPECT_EQ(ImageSources("<p><img alt=\"a\" src=\"one.png\"> <img src=\"two.png\" width=\"9\"><a src=\"no.png\">"),
            (std::set<std::string>{"one.png", "two.png"}));
  EXPECT_EQ(ManualKeys("<h2 id=\"keys\"><tr><td><kbd>A</kbd> / <kbd>Shift+A</kbd></td><td><kbd>B</kbd></td></tr>"
                       "<h2><tr><td><kbd>C</kbd></td></tr>"),
            (std::set<std::string>{"A", "Shift+A"}));
}

class ManualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    html_ = ReadWhole(kManualDir / "index.html");
    ASSERT_FALSE(html_.empty()) << "the manual is missing: " << (kManualDir / "index.html");
    text_ = VisibleText(html_);
  }
  bool Names(const std::string& phrase) const {
    return text_.find(CollapseSpace(phrase)) != std::string::npos;
  }
  std::string html_;
  std::string text_;
};

// Every menu, submenu and item of the command table, by the text the menu bar shows (without key hints).
TEST_F(ManualTest, NamesEveryMenuAndEveryItem) {
  const CommandTable table = BuildCommandTable();
  std::set<std::string> texts;
  std::function<void(const std::vector<MenuNode>&)> walk = [&](const std::vector<MenuNode>& nodes) {
    for (const MenuNode& n : nodes) {
      if (n.kind == MenuNodeKind::Submenu) {
        texts.insert(n.text);
        walk(n.children);
      } else if (n.kind == MenuNodeKind::Item) {
        texts.insert(n.row->text);
      }
    }
  };
  walk(table.menuBar);
  ASSERT_GT(texts.size(), 150u);  // the walk reached the whole tree
  for (const std::string& text : texts) EXPECT_TRUE(Names(text)) << "the manual does not name \"" << text << '"';
}

// The manual's key tables and the command table's key column agree both ways; the keys the canvases and the
// menu bar handle themselves are the rest of the manual's list. The canvases' Delete and pen keys act only
// without Ctrl and Alt, so no table may offer a Ctrl or Alt chord of them.
TEST_F(ManualTest, KeyTablesMatchTheProgramsKeys) {
  std::set<std::string> program = {"Delete", "F", "R", "[", "]", "Home", "End", "Esc", "I", "K", "M",
                                   "Alt+F", "Alt+E", "Alt+V", "Alt+T", "Alt+H", "F10", "Alt", "Tab", "Shift+Tab"};
  const CommandTable table = BuildCommandTable();
  for (const auto& [id, info] : table.commands) {
    if (info.row->key.scope != KeyScope::None) program.insert(KeyChordText(info.row->key.chord));
  }
  EXPECT_EQ(ManualKeys(html_), program);
}

TEST_F(ManualTest, DescribesTheCommandLine) {
  for (const char* phrase : {"kestrelix [FILE]", "kestrelix --help", "kestrelix --version", "kestrelix-cli",
                             "kstr.ini", "kstr-help.chm", "changelog.txt"}) {
    EXPECT_TRUE(Names(phrase)) << phrase;
  }
}

// Every picture the page shows is a PNG beside it, and the folder holds nothing but the page and its pictures.
TEST_F(ManualTest, EveryPictureItShowsIsThereAndNothingElse) {
  const std::set<std::string> shown = ImageSources(html_);
  EXPECT_GE(shown.size(), 3u);  // main window, screen editor, font preview
  for (const std::string& name : shown) {
    EXPECT_EQ(name.find('/'), std::string::npos) << name;
    EXPECT_TRUE(name.ends_with(".png")) << name;
    const std::string bytes = ReadWhole(kManualDir / name);
    EXPECT_TRUE(bytes.starts_with("\x89PNG\r\n\x1a\n")) << name << " is missing or not a PNG";
  }
  for (const auto& entry : fs::directory_iterator(kManualDir)) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(name == "index.html" || shown.count(name) > 0) << name << " is in the manual's folder but unused";
  }
}

}  // namespace
}  // namespace kx
