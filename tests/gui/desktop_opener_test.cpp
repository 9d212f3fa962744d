#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "gui/qt_dialogs.h"

namespace kx {
namespace {

// An xdg-open on PATH that records what it was given and ends as `script` says.
class FakeOpener {
 public:
  explicit FakeOpener(const QString& body) : oldPath_(qgetenv("PATH")) {
    QFile opener(dir_.filePath(QStringLiteral("xdg-open")));
    opener.open(QIODevice::WriteOnly);
    opener.write(("#!/bin/sh\nprintf '%s' \"$1\" > \"" + dir_.filePath(QStringLiteral("given")) + "\"\n" + body + "\n")
                     .toUtf8());
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", dir_.path().toUtf8() + ":" + oldPath_);
  }
  ~FakeOpener() { qputenv("PATH", oldPath_); }
  FakeOpener(const FakeOpener&) = delete;
  FakeOpener& operator=(const FakeOpener&) = delete;

  QString Given() const {
    QFile given(dir_.filePath(QStringLiteral("given")));
    return given.open(QIODevice::ReadOnly) ? QString::fromUtf8(given.readAll()) : QString();
  }

 private:
  QTemporaryDir dir_;
  QByteArray oldPath_;
};

TEST(DesktopOpener, TheOpenersFailureIsReportedItsSuccessOrALongWaitIsNot) {
  QtDialogs dialogs;
  const struct {
    const char* body;
    bool opened;
  } cases[] = {
      {"exit 3", false},  // xdg-open found no program for the file
      {"exit 0", true},
      {"sleep 5; exit 3", true},  // still busy with the program it started: taken as opened
  };
  for (const auto& c : cases) {
    const FakeOpener opener(QString::fromUtf8(c.body));
    EXPECT_EQ(dialogs.OpenWithDesktop("/usr/share/doc/kestrelix/manual/index.html"), c.opened) << c.body;
    EXPECT_EQ(opener.Given(), "/usr/share/doc/kestrelix/manual/index.html") << c.body;
  }
  const FakeOpener web(QStringLiteral("exit 0"));
  EXPECT_TRUE(dialogs.OpenWithDesktop("https://kestrelix.example/"));
  EXPECT_EQ(web.Given(), "https://kestrelix.example/");
}

}  // namespace
}  // namespace kx
