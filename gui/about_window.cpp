#include "gui/about_window.h"

#include <algorithm>

#include <QLabel>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "gui/centre_window.h"
#include "gui/plain_label.h"
#include "gui/qt_geometry.h"
#include "gui/qt_picture.h"
#include "views/icons.h"

namespace kx {
namespace {

// The tab pages hold lines down to y = 340 and the changelog box down to 342: the tabs are kept low
// enough to leave the pages that much room, drawn otherwise as the desktop style draws them.
class CompactTabStyle : public QProxyStyle {
 public:
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_TabBarTab) s.setHeight(std::min(s.height(), kMaxTabHeight));
    return s;
  }

 private:
  static constexpr int kMaxTabHeight = 20;
};

// Centred plain-text lines of the same size, one row below the other from (x, y); an empty line leaves
// its row empty.
template <typename Lines>
void AddLines(QWidget* page, const Lines& lines, int x, int y) {
  for (const auto& line : lines) {
    const std::string text(line);
    if (!text.empty()) {
      QLabel* label = PlainLabel(page, QString::fromUtf8(text));
      label->setAlignment(Qt::AlignCenter);
      Place(label, {x, y, kAboutLineWidth, kAboutLineHeight});
    }
    y += kAboutLineHeight;
  }
}

}  // namespace

AboutWindow::AboutWindow(QWidget* mainWindow, const std::string& buildDateTime)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mainWindow_(mainWindow) {
  setWindowTitle(kAboutTitle);
  setFixedSize(kAboutWidth, kAboutHeight);
  setWindowModality(Qt::ApplicationModal);

  tabs_ = new QTabWidget(this);
  auto* tabStyle = new CompactTabStyle;
  tabStyle->setParent(tabs_);
  tabs_->tabBar()->setStyle(tabStyle);
  Place(tabs_, kAboutTabs);

  auto* credits = new QWidget;
  logo_ = new QLabel(credits);
  Place(logo_, {kAboutLogoX, kAboutLogoY, kLogoSize, kLogoSize});
  ShowLogo();
  OnScreenChanged(this, [this] { ShowLogo(); });
  AddLines(credits, CreditLines(buildDateTime), kCreditsLineX, kCreditsLineY);

  auto* additional = new QWidget;
  AddLines(additional, kAdditionalCredits, kAdditionalLineX, kAdditionalLineY);

  auto* changelogPage = new QWidget;
  changelog_ = new QPlainTextEdit(changelogPage);
  changelog_->setReadOnly(true);
  Place(changelog_, kChangelogBox);

  QWidget* pages[] = {credits, additional, changelogPage};
  for (int i = 0; i < 3; ++i) tabs_->addTab(pages[i], kAboutTabTitles[i]);

  auto* close = new QPushButton(kAboutCloseText, this);
  Place(close, kAboutClose);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void AboutWindow::ShowLogo() { logo_->setPixmap(ToPixmap(LogoPicture(), this)); }

void AboutWindow::Open(const std::string& changelogPath) {
  tabs_->setCurrentIndex(0);
  changelog_->setPlainText(QString::fromUtf8(ReadChangelog(changelogPath)));
  if (mainWindow_) CentreOn(this, mainWindow_);
  show();
  ShowLogo();  // for the screen it opened on
  raise();
  activateWindow();
}

}  // namespace kx
