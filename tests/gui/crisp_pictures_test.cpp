#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

#include "app/run_command.h"
#include "gui/about_window.h"
#include "gui/main_window.h"
#include "gui/startup_window.h"
#include "views/icons.h"

// CTest runs this file's tests again with QT_SCALE_FACTOR set to 1.5 and 2 (tests/CMakeLists.txt).

namespace kx {
namespace {

double ScaleUnderTest() {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// Checks that `pixmap` was made for the screen `shownOn` is on: the screen's pixel ratio, every logical
// pixel of `source` covered by device pixels, and no colour `source` does not have (smoothing makes blends).
void ExpectMadeForTheScreen(const QPixmap& pixmap, const Picture& source, const QWidget* shownOn,
                            const std::string& what) {
  SCOPED_TRACE(what);
  const qreal ratio = shownOn->screen()->devicePixelRatio();
  EXPECT_EQ(pixmap.devicePixelRatio(), ratio);
  EXPECT_EQ(pixmap.width(), static_cast<int>(std::ceil(source.width * ratio)));
  EXPECT_EQ(pixmap.height(), static_cast<int>(std::ceil(source.height * ratio)));
  const std::set<QRgb> colours(source.pixels.begin(), source.pixels.end());
  const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  int foreign = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = image.pixel(x, y);
      if (qAlpha(c) != 0 && !colours.count(c)) ++foreign;
    }
  }
  EXPECT_EQ(foreign, 0);
}

Picture FromImage(const Image& image) {
  Picture p{image.Width(), image.Height(), {}};
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.pixels.push_back(image.Data()[y * image.Stride() + x]);
  return p;
}

TEST(CrispPictures, IconsLogosAndTheStatusGlyphAreMadeForTheScreensPixelRatio) {
  ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), ScaleUnderTest());
  App app;
  MainWindow window(app);
  for (int i = 0; i < kToolColumnButtons; ++i) {
    QToolButton* b = window.Button(GadgetTable()[i].id);
    // What the button's style draws: the icon asked for at the button's size and pixel ratio.
    const QPixmap drawn = b->icon().pixmap(b->iconSize(), b->devicePixelRatio());
    ExpectMadeForTheScreen(drawn, IconPicture(ShownToolButton(app, i).icon), b, b->toolTip().toStdString());
  }

  app.shell.status.romGlyph = 65;
  window.SyncFromApp();
  ExpectMadeForTheScreen(window.StatusField(2)->pixmap(), FromImage(app.view.pictures.romGlyphs[65]),
                         window.StatusField(2), "status glyph");

  const Picture logo = LogoPicture();
  AboutWindow about(&window, "07/12/2025, 08:09:01");
  about.Open();
  ExpectMadeForTheScreen(about.Logo()->pixmap(), logo, about.Logo(), "About logo");
  about.close();
  StartupWindow startup;
  ExpectMadeForTheScreen(startup.Logo()->pixmap(), logo, startup.Logo(), "start-up logo");
}

}  // namespace
}  // namespace kx
