// The file commands with the real requesters: a user changes the filter in the dialog's own list, types a
// name and presses Enter, and answers the message boxes that come up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/app.h"
#include "app/run_command.h"
#include "io/temp_files.h"
#include "gui/qt_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;

// Acts on each modal window as it comes up, one step per window. Steps that close a window run from the
// event loop, so a window they open in turn is met by the next step. A window that comes up after the
// steps ran out is recorded and closed, so a test fails instead of hanging.
class User {
 public:
  using Step = std::function<void(QWidget&)>;

  explicit User(std::vector<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
    timer_.start(5);
  }

  std::vector<QString> names;     // the name each requester showed when it came up
  std::vector<int> filters;       // the filter each requester showed when it came up
  std::vector<QFileDialog*> requesters;
  std::vector<QString> messages;  // the text of each message box
  std::vector<QString> unexpected;

  bool Done() const { return next_ == steps_.size() && unexpected.empty(); }

 private:
  void Look() {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || window == acted_ || !window->isVisible()) return;
    // An answered message box is hidden before its exec() returns; until it is gone, the requester under
    // it has not yet taken the answer (Yes closes it, No hands it back to the user).
    if (qobject_cast<QMessageBox*>(acted_.data()) && acted_->isHidden()) return;
    acted_ = window;
    if (auto* requester = qobject_cast<QFileDialog*>(window)) {
      names.push_back(requester->findChild<QLineEdit*>("fileNameEdit")->text());
      filters.push_back(requester->findChild<QComboBox*>("fileTypeCombo")->currentIndex());
      requesters.push_back(requester);
    } else if (auto* box = qobject_cast<QMessageBox*>(window)) {
      messages.push_back(box->text());
    }
    if (next_ == steps_.size()) {
      unexpected.push_back(window->windowTitle());
      QTimer::singleShot(0, window, [window] { window->close(); });
      return;
    }
    QTimer::singleShot(0, window, [window, step = steps_[next_++]] { step(*window); });
  }

  std::vector<Step> steps_;
  std::size_t next_ = 0;
  QPointer<QWidget> acted_;
  QTimer timer_;
};

// Picks `filter` in the requester's list with the arrow keys, then types `name` over the proposed one
// (none: keeps it) and presses Enter.
User::Step Choose(int filter, const QString& name = {}) {
  return [=](QWidget& window) {
    auto* list = window.findChild<QComboBox*>("fileTypeCombo");
    while (list->currentIndex() < filter) QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > filter) QTest::keyClick(list, Qt::Key_Up);
    auto* edit = window.findChild<QLineEdit*>("fileNameEdit");
    if (!name.isEmpty()) {
      edit->selectAll();
      QTest::keyClicks(edit, name);
    }
    QTest::keyClick(edit, Qt::Key_Return);
  };
}

User::Step Escape() {
  return [](QWidget& window) { QTest::keyClick(&window, Qt::Key_Escape); };
}

User::Step Click(QMessageBox::StandardButton button) {
  return [button](QWidget& window) { static_cast<QMessageBox&>(window).button(button)->click(); };
}

class FileRequesters : public ::testing::Test {
 protected:
  FileRequesters() {
    app.shell.dialogs = &dialogs;
    app.doc.store.lastDirectory = dir.Dir();
  }

  std::string Path(const std::string& name) const { return dir.Path(name); }
  void Write(const std::string& name, const std::string& bytes) const { WriteBytes(Path(name), bytes); }
  // "<missing>" for no file.
  std::string Read(const std::string& name) const {
    return std::filesystem::exists(Path(name)) ? ReadBytes(Path(name)) : "<missing>";
  }
  std::string Editor() const { return std::string(reinterpret_cast<const char*>(app.doc.store.editor.data()), 2048); }

  // Runs the command with the user acting as told; every step must have been used.
  void Run(CommandId id, std::vector<User::Step> steps) {
    user = std::make_unique<User>(std::move(steps));
    RunCommand(app, id);
    EXPECT_TRUE(user->Done()) << "unexpected window: " << user->unexpected.size();
  }

  TempDir dir;
  QtDialogs dialogs;
  App app;
  std::unique_ptr<User> user;
};

TEST_F(FileRequesters, OpenWithTheCharsetFilterPickedRefusesAPrgFile) {
  Write("font.prg", Counting(2050));
  const std::string before = Editor();
  Run(cmd::Open, {Choose(0, "font.prg"), Click(QMessageBox::Ok)});
  EXPECT_EQ(user->filters, std::vector<int>{1});  // Morvane is preselected at first
  EXPECT_EQ(user->messages, std::vector<QString>{QString::fromStdString(
                                "Not a 2048 byte file: \n\n" + Path("font.prg") +
                                "\n\nIt is 2050 bytes long; the Charset filter opens files of exactly 2048 bytes.")});
  EXPECT_EQ(Editor(), before);
  EXPECT_FALSE(app.doc.store.hasFile);
  EXPECT_EQ(app.doc.files.openFilter, 0);
}

TEST_F(FileRequesters, ChrOpenedWithTheCharsetFilterIsSavedRawAndTheFilterIsKept) {
  Write("font.chr", Counting(2048, 7));
  Run(cmd::Open, {Choose(0, "font.chr")});
  EXPECT_EQ(Editor(), Counting(2048, 7));
  app.doc.store.editor[0] = 0xAA;
  app.doc.store.modified = true;
  Run(cmd::Save, {});
  EXPECT_EQ(Read("font.chr"), "\xAA" + Counting(2047, 8));

  // The next Open preselects the filter picked; leaving it as it is keeps it.
  Run(cmd::Open, {Choose(0, "font.chr")});
  EXPECT_EQ(user->filters, std::vector<int>{0});
  EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
}

TEST_F(FileRequesters, SaveAsWithThePrgFilterPickedWritesTheMorvaneLayout) {
  app.doc.store.editor.fill(0x5A);
  Run(cmd::SaveAs, {Choose(0, "mine")});
  EXPECT_EQ(user->filters, std::vector<int>{1});
  EXPECT_EQ(Read("mine.prg"), std::string(2, '\0') + std::string(2048, '\x5A'));
  EXPECT_EQ(QDir(QString::fromStdString(dir.Dir())).entryList(QDir::Files), QStringList{"mine.prg"});
  EXPECT_EQ(app.doc.store.currentName, Path("mine.prg"));
  EXPECT_EQ(app.doc.files.saveFilter, 0);
}

TEST_F(FileRequesters, SaveThatWouldResizeTheFileAsksAndItsSaveAsButtonPicksAnotherFile) {
  Write("font.chr", Counting(2048, 7));
  Run(cmd::Open, {Choose(1, "font.chr")});  // the Morvane filter: saved as a 2050-byte .prg
  const User::Step saveAs = [](QWidget& window) {
    QAbstractButton* button = static_cast<QMessageBox&>(window).button(QMessageBox::Save);
    EXPECT_EQ(button->text(), "Save As");
    button->click();
  };
  Run(cmd::Save, {saveAs, Choose(1, "copy")});
  EXPECT_EQ(user->messages, std::vector<QString>{QString::fromStdString(
                                Path("font.chr") + " is 2048 bytes long; this save would make it 2050 bytes long.\n\n"
                                                   "Do you want to save it anyway?")});
  EXPECT_EQ(Read("font.chr"), Counting(2048, 7));
  EXPECT_EQ(Read("copy.chr"), Counting(2048, 7));
  EXPECT_EQ(app.doc.store.currentName, Path("copy.chr"));
}

// A folder with the charset's own font.prg and an unrelated font.chr.
class ReplacingFiles : public FileRequesters {
 protected:
  ReplacingFiles() {
    Write("font.prg", std::string(2, '\0') + Counting(2048, 3));
    Write("font.chr", kUnrelated);
    Run(cmd::Open, {Choose(1, "font.prg")});
  }
  const std::string kUnrelated = std::string(2048, 'u');
  const QString kQuestion = "font.chr already exists. Do you want to replace it?";
};

TEST_F(ReplacingFiles, ExportShowsTheProposedNameAndAsksBeforeReplacingAnotherFile) {
  // Enter on the name proposed writes that name with the export's extension.
  Run(cmd::ExportFirst, {Choose(0)});
  EXPECT_EQ(user->names, std::vector<QString>{"font.prg"});
  EXPECT_EQ(Read("font.prg.chr"), Counting(256, 3));
  EXPECT_EQ(Read("font.chr"), kUnrelated);

  // No returns to the same requester; Yes replaces.
  Run(cmd::ExportFirst, {Choose(0, "font.chr"), Click(QMessageBox::No), Choose(0, "font.chr"), Click(QMessageBox::Yes)});
  EXPECT_EQ(user->messages, (std::vector<QString>{kQuestion, kQuestion}));
  ASSERT_EQ(user->requesters.size(), 2u);
  EXPECT_EQ(user->requesters[0], user->requesters[1]);
  EXPECT_EQ(Read("font.chr"), Counting(256, 3));
}

TEST_F(ReplacingFiles, SaveAsReplacesTheCharsetsOwnFileSilentlyAndAsksAboutTheCompletedName) {
  // The .prg filter on the name proposed: the charset's own file, replaced without a question.
  app.doc.store.editor[0] = 0x11;
  Run(cmd::SaveAs, {Choose(0)});
  EXPECT_EQ(user->names, std::vector<QString>{"font.prg"});
  EXPECT_TRUE(user->messages.empty());
  EXPECT_EQ(Read("font.prg"), std::string(2, '\0') + "\x11" + Counting(2047, 4));

  // "font" with the .chr filter becomes font.chr, which exists: No, then Escape leaves it alone.
  Run(cmd::SaveAs, {Choose(1, "font"), Click(QMessageBox::No), Escape()});
  EXPECT_EQ(user->messages, std::vector<QString>{kQuestion});
  EXPECT_EQ(Read("font.chr"), kUnrelated);
  EXPECT_EQ(app.doc.store.currentName, Path("font.prg"));
}

using SourceExportRequester = FileRequesters;

TEST_F(SourceExportRequester, DialectPickedInTheListDecidesTheTextAndTheReplaceQuestionComesFirst) {
  ApplyLoadBookkeeping(app.doc.store, Path("font.chr"));
  app.doc.store.modified = true;
  // The C filter picked in the list, the name proposed kept: the array definition under the label "font".
  Run(cmd::ExportSource, {Choose(4)});
  EXPECT_EQ(user->names, std::vector<QString>{"font.a"});
  EXPECT_EQ(user->filters, std::vector<int>{0});
  const std::string array = Read("font.c");
  EXPECT_NE(array.find("const unsigned char font[2048] = {\n"), std::string::npos) << array;
  EXPECT_EQ(app.doc.files.sourceFilter, 4);

  // The header, typed with its own extension in the same filter.
  Run(cmd::ExportSource, {Choose(4, "font.h")});
  EXPECT_EQ(user->filters, std::vector<int>{4});
  EXPECT_NE(Read("font.h").find("extern const unsigned char font[2048];"), std::string::npos);

  // ca65 over an existing file: No returns to the requester, Escape leaves the file alone.
  Write("font.s", "mine");
  Run(cmd::ExportSource, {Choose(1, "font"), Click(QMessageBox::No), Escape()});
  EXPECT_EQ(user->messages, std::vector<QString>{"font.s already exists. Do you want to replace it?"});
  EXPECT_EQ(Read("font.s"), "mine");
  Run(cmd::ExportSource, {Choose(1, "font"), Click(QMessageBox::Yes)});
  EXPECT_NE(Read("font.s").find("\nfont:\n        .byte $"), std::string::npos);

  // The tick under the fields adds the colour table, and the next requester shows it ticked.
  const User::Step tickAndChoose = [](QWidget& window) {
    auto* tick = window.findChild<QCheckBox*>("requesterTick");
    ASSERT_NE(tick, nullptr);
    EXPECT_FALSE(tick->isChecked());
    tick->click();
    Choose(0, "tabled")(window);
  };
  Run(cmd::ExportSource, {tickAndChoose});
  EXPECT_NE(Read("tabled.a").find("\ntabled_colours\n        !byte $01,$01,"), std::string::npos);
  EXPECT_TRUE(app.doc.files.sourceColourTable);

  // None of it saved the charset.
  EXPECT_EQ(app.doc.store.currentName, Path("font.chr"));
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_EQ(Read("font.chr"), "<missing>");
}

}  // namespace
}  // namespace kx
