#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QSpinBox>
#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "gui/colours_dialog.h"
#include "gui/qt_dialogs.h"

namespace kx {
namespace {

constexpr const char* kOpenFilters =
    "Charset (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|Morvane (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|";

TEST(QtDialogs, ClipboardReceivesAnImageOfTheGivenSize) {
  QtDialogs dialogs;
  std::vector<std::uint32_t> pixels(512 * 128, 0xFF000000u);
  pixels[1] = 0xFF123456u;
  ASSERT_TRUE(dialogs.CopyImageToClipboard(512, 128, pixels));
  const QImage image = QGuiApplication::clipboard()->image();
  EXPECT_EQ(image.size(), QSize(512, 128));
  EXPECT_EQ(image.pixel(1, 0), 0xFF123456u);
  EXPECT_FALSE(dialogs.CopyImageToClipboard(512, 127, pixels));
}

TEST(ColoursDialog, TheInkPickerFollowsTheGlyphNumberAndKeepsEveryInkPicked) {
  ColourChoice current{{0, 11, 12, 15}, 2, {}};
  current.inks.fill(1);
  current.inks[40] = 5;
  ColoursDialog dialog(current, nullptr);
  auto* glyph = dialog.findChild<QSpinBox*>("glyph");
  auto* ink = dialog.findChild<QComboBox*>(ColoursDialog::PickerName(4));
  ASSERT_TRUE(glyph && ink);
  ink->setCurrentIndex(13);  // glyph 2's
  glyph->setValue(40);
  EXPECT_EQ(ink->currentIndex(), 5);
  ink->setCurrentIndex(9);
  dialog.findChild<QComboBox*>(ColoursDialog::PickerName(0))->setCurrentIndex(6);
  ColourChoice expected = current;
  expected.registers[0] = 6;
  expected.glyph = 40;
  expected.inks[2] = 13;
  expected.inks[40] = 9;
  EXPECT_EQ(dialog.Choice(), expected);
}

TEST(QtDialogs, FilterListMapsToQtAndTheChosenFilterBackToItsIndex) {
  const QStringList names = ToQtNameFilters(kOpenFilters);
  ASSERT_EQ(names.size(), 2);
  EXPECT_EQ(names[0], "Charset (*.chr,*.prg,*.bin) (*.chr *.prg *.bin)");

  // Through a configured (never shown) dialog: the preselected filter comes back as the chosen one, and an
  // index past the end selects the last filter.
  for (const auto& [filters, preselected, expected] :
       {std::tuple{kOpenFilters, 1, 1}, std::tuple{kOpenFilters, 0, 0}, std::tuple{"Charset (*.chr)|*.chr|", 1, 0}}) {
    QFileDialog dialog;
    const FileRequest request{"Open...", "", filters, preselected};
    ConfigureFileDialog(dialog, request, RequesterMode::Open);
    EXPECT_EQ(ChoiceFromFileDialog(dialog, request).filterIndex, expected) << filters << " " << preselected;
  }
}

TEST(QtDialogs, FileDialogStartsAtTheProposedPathAndLeavesTheCurrentDirectory) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString before = QDir::currentPath();
  QFileDialog dialog;
  const FileRequest request{"Save as...", (dir.path() + "/font.prg").toStdString(), "A (*.prg)|*.prg|", 0};
  ConfigureFileDialog(dialog, request, RequesterMode::Save);
  EXPECT_EQ(dialog.windowTitle(), "Save as...");
  EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(ChoiceFromFileDialog(dialog, request).path.ends_with("font.prg"));
  EXPECT_EQ(QDir::currentPath(), before);
}

TEST(QtDialogs, MessageBoxShowsLineBreaksAndMapsItsButtons) {
  QMessageBox box;
  ConfigureMessageBox(box, "Kestrelix", "The following is unsaved:\r\n\r\n<Empty>", MessageButtons::YesNoCancel,
                      MessageIcon::Information);
  EXPECT_EQ(box.text(), "The following is unsaved:\n\n<Empty>");
  EXPECT_EQ(box.textFormat(), Qt::PlainText);
  EXPECT_EQ(box.icon(), QMessageBox::Information);
  EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box.standardButton(box.escapeButton()), QMessageBox::Cancel);
  EXPECT_EQ(AnswerFromButton(QMessageBox::No), MessageAnswer::No);

  // The question before replacing a file: Enter and Escape both keep it.
  ConfigureMessageBox(box, "Kestrelix", "Replace?", MessageButtons::YesNo, MessageIcon::Warning);
  EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.standardButton(box.defaultButton()), QMessageBox::No);
  EXPECT_EQ(box.standardButton(box.escapeButton()), QMessageBox::No);
  EXPECT_EQ(AnswerFromButton(QMessageBox::NoButton), MessageAnswer::Cancel);
}

TEST(QtDialogs, DesktopTargetsBecomeFileOrWebUrls) {
  EXPECT_EQ(DesktopUrlFor("https://example.org/a b").scheme(), "https");
  const QUrl file = DesktopUrlFor("changelog.txt");
  EXPECT_TRUE(file.isLocalFile());
  EXPECT_EQ(file.toLocalFile(), QDir::current().absoluteFilePath("changelog.txt"));
}

}  // namespace
}  // namespace kx
