#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "gui/main_window.h"
#include "gui/qt_dialogs.h"
#include "gui/screen_editor_window.h"
#include "gui/screen_key_codes.h"

namespace kx {
namespace {

void SendKey(QWidget* target, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
  QApplication::sendEvent(target, &press);
}

QString StatusText(const ScreenEditorWindow& w, int x) {
  for (QLabel* l : w.StatusLabels())
    if (l->x() == x) return l->text();
  return "?";
}

TEST(ScreenEditorWindow, OpensFromTheRequestAndTypesIntoTheScreen) {
  App app;
  MainWindow main(app);
  app.shell.requests.openScreenEditor = true;
  main.SyncFromApp();
  ScreenEditorWindow* w = main.ScreenEditor();
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(app.shell.requests.openScreenEditor);
  EXPECT_EQ(w->windowTitle().toStdString(), "Screen Editor / Charset Test");
  EXPECT_EQ(w->size(), QSize(804, 640));
  EXPECT_EQ(w->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(w->Screen()->geometry(), QRect(82, 30, 640, 400));
  EXPECT_EQ(w->Button(ScreenButton::View)->text().toStdString(), "View ROM Chars");
  EXPECT_EQ(w->Button(ScreenButton::Dump)->geometry(), QRect(610, 470, 111, 25));

  const Image before = app.view.screenEditor->custom.picture;
  SendKey(w->Screen(), Qt::Key_H, Qt::NoModifier, "h");
  SendKey(w->Screen(), Qt::Key_Tab);  // no focus change, no glyph
  SendKey(w->Screen(), Qt::Key_Exclam, Qt::ShiftModifier, "!");
  EXPECT_NE(app.view.screenEditor->custom.picture, before);
  EXPECT_EQ(app.view.screenEditor->column, 2);
  EXPECT_EQ(StatusText(*w, 213).toStdString(), "02");
  EXPECT_EQ(StatusText(*w, 82).toStdString(), "CURSOR POSITION:");
  // The screen canvas shows the editor's own picture.
  EXPECT_EQ(w->Screen()->Picture().constBits(),
            reinterpret_cast<const uchar*>(app.view.screenEditor->custom.picture.Data()));

  w->Button(ScreenButton::View)->click();
  EXPECT_EQ(StatusText(*w, 370).toStdString(), "CHARSET: ROM");
  EXPECT_EQ(w->Button(ScreenButton::View)->text().toStdString(), "View Custom Chars");
  EXPECT_EQ(w->GlyphSheet()->Picture().constBits(),
            reinterpret_cast<const uchar*>(app.view.screenEditor->rom.glyphs.Data()));

  w->close();
  EXPECT_FALSE(app.view.screenEditor);
}

TEST(ScreenEditorWindow, TheClipboardMessageBelongsToTheScreenEditor) {
  App app;
  MainWindow main(app);
  QtDialogs dialogs(&main);
  app.shell.dialogs = &dialogs;
  main.show();
  app.shell.requests.openScreenEditor = true;
  main.SyncFromApp();
  ScreenEditorWindow* w = main.ScreenEditor();
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w));

  QWidget* owner = nullptr;
  QString text;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    owner = box->parentWidget();
    text = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  w->Button(ScreenButton::Dump)->click();
  EXPECT_EQ(text.toStdString(), "Current Screen Copied to Clipboard");
  EXPECT_EQ(owner, w);
  w->close();
}

TEST(ScreenKeyCodes, QtKeysGoToThePhysicalKeysOfTheChosenLayout) {
  struct Case {
    int qtKey;
    KeyMapping mapping;
    int expected;
  };
  const Case cases[] = {
      {Qt::Key_A, KeyMapping::Us, 0x41},          {Qt::Key_7, KeyMapping::Uk, 0x37},
      {Qt::Key_ParenRight, KeyMapping::Us, 0x30}, {Qt::Key_Colon, KeyMapping::Us, 0xBA},
      {Qt::Key_Question, KeyMapping::Uk, 0xBF},   {Qt::Key_Backspace, KeyMapping::Us, 0x08},
      {Qt::Key_At, KeyMapping::Us, 0x32},         {Qt::Key_At, KeyMapping::Uk, 0xC0},
      {Qt::Key_QuoteDbl, KeyMapping::Us, 0xDE},   {Qt::Key_QuoteDbl, KeyMapping::Uk, 0x32},
      {Qt::Key_NumberSign, KeyMapping::Uk, 0xDE}, {Qt::Key_QuoteLeft, KeyMapping::Us, 0xC0},
      {Qt::Key_QuoteLeft, KeyMapping::Uk, 0xDF},  {Qt::Key_Return, KeyMapping::Us, 0x0D},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VirtualKeyFromQtKey(c.qtKey, false, c.mapping), c.expected) << std::hex << c.qtKey;
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_5, true, KeyMapping::Us), 0);
  EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Left, true, KeyMapping::Us), 0x25);
}

}  // namespace
}  // namespace kx
