#include "gui/qt_dialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>

#include "gui/colours_dialog.h"
#include "gui/desktop_opener.h"

namespace kx {
namespace {

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const QString kTickName = QStringLiteral("requesterTick");

// Indexed by MessageIcon and MessageButtons.
constexpr QMessageBox::Icon kQtIcons[] = {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Warning};
struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
  QMessageBox::StandardButton escapeButton;
};
const ButtonSet kButtonSets[] = {
    {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok},
    {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Cancel},
    // Yes/No questions ask before replacing a file: Enter and Escape answer No.
    {QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No},
    // The same with a way to another file: the Save button, relabelled "Save As".
    {QMessageBox::Yes | QMessageBox::No | QMessageBox::Save, QMessageBox::No, QMessageBox::No},
};

}  // namespace

QString ToQtText(const std::string& text) {
  QString qt = FromUtf8(text);
  qt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  qt.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return qt;
}

QStringList ToQtNameFilters(std::string_view filters) {
  QStringList result;
  for (const FileFilter& filter : ParseFileFilters(filters)) {
    QStringList patterns;
    for (const std::string& pattern : filter.patterns) patterns << FromUtf8(pattern);
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    result << FromUtf8(filter.description) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                  QLatin1Char(')');
  }
  return result;
}

int ChosenFilterIndex(const QFileDialog& dialog, const QStringList& nameFilters) {
  // With the details hidden, Qt 6.4 reports the selected filter by its shortened text, which is not one
  // of the filters set. The dialog's own list holds the filters in the order they were set.
  const auto* list = dialog.findChild<const QComboBox*>(QStringLiteral("fileTypeCombo"));
  if (list != nullptr && list->count() == nameFilters.size()) return list->currentIndex();
  return static_cast<int>(nameFilters.indexOf(dialog.selectedNameFilter()));
}

void ConfigureMessageBox(QMessageBox& box, const std::string& title, const std::string& text,
                         MessageButtons buttons, MessageIcon icon) {
  const ButtonSet& set = kButtonSets[static_cast<int>(buttons)];
  box.setWindowTitle(FromUtf8(title));
  // Plain text: names such as "<Empty>" or paths with "<" must not be read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQtText(text));
  box.setIcon(kQtIcons[static_cast<int>(icon)]);
  box.setStandardButtons(set.buttons);
  box.setDefaultButton(set.defaultButton);
  box.setEscapeButton(set.escapeButton);
  if (QAbstractButton* saveAs = box.button(QMessageBox::Save)) saveAs->setText(QStringLiteral("Save As"));
}

MessageAnswer AnswerFromButton(int standardButton) {
  switch (standardButton) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Save:
      return MessageAnswer::SaveAs;
    default:
      return MessageAnswer::Cancel;
  }
}

void ConfigureFileDialog(QFileDialog& dialog, const FileRequest& request, RequesterMode mode) {
  const bool save = mode == RequesterMode::Save;
  dialog.setWindowTitle(FromUtf8(request.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);  // the descriptions already name their patterns
  dialog.setOption(QFileDialog::DontConfirmOverwrite, save);  // FileRequester asks about the completed name
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);

  // The filters come first: selecting one swaps the extension of the name shown for the filter's, and the
  // name shown must be exactly the one proposed.
  const QStringList nameFilters = ToQtNameFilters(request.filters);
  dialog.setNameFilters(nameFilters);
  if (!nameFilters.isEmpty()) {
    dialog.selectNameFilter(nameFilters.at(ClampFilterIndex(request.filterIndex, nameFilters.size())));
  }

  // The tick box sits in a row of its own under the requester's name and filter fields.
  if (!request.tickText.empty() && dialog.findChild<QCheckBox*>(kTickName) == nullptr) {
    auto* tick = new QCheckBox(FromUtf8(request.tickText), &dialog);
    tick->setObjectName(kTickName);
    tick->setChecked(request.ticked);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) grid->addWidget(tick, grid->rowCount(), 0, 1, -1);
  }

  const QString proposed = FromUtf8(request.proposedPath);
  const QFileInfo info(proposed);
  if (proposed.isEmpty()) {
    dialog.setDirectory(QDir::currentPath());
  } else if (proposed.endsWith(QLatin1Char('/')) || proposed.endsWith(QLatin1Char('\\')) || info.isDir()) {
    dialog.setDirectory(info.absoluteFilePath());
  } else {
    dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }
}

FileChoice ChoiceFromFileDialog(const QFileDialog& dialog, const FileRequest& request) {
  const QStringList nameFilters = ToQtNameFilters(request.filters);
  int index = ChosenFilterIndex(dialog, nameFilters);
  if (index < 0) index = ClampFilterIndex(request.filterIndex, static_cast<int>(nameFilters.size()));
  const QString path = QDir::toNativeSeparators(dialog.selectedFiles().value(0));
  FileChoice choice{CompletedSaveName(request, path.toStdString(), index), index};
  if (const auto* tick = dialog.findChild<const QCheckBox*>(kTickName)) choice.ticked = tick->isChecked();
  return choice;
}

FileRequester::FileRequester(QWidget* parent, const FileRequest& request, RequesterMode mode)
    : QFileDialog(parent), request_(request), mode_(mode) {
  ConfigureFileDialog(*this, request, mode);
}

void FileRequester::accept() {
  const QStringList files = selectedFiles();
  // A folder is entered rather than chosen; Qt handles that.
  if (mode_ == RequesterMode::Save && !files.isEmpty() && !QFileInfo(files.first()).isDir()) {
    const std::string path = ChoiceFromFileDialog(*this, request_).path;
    if (AsksBeforeReplacing(request_, path)) {
      QMessageBox box(this);
      ConfigureMessageBox(box, request_.title, ReplaceQuestion(path), MessageButtons::YesNo, MessageIcon::Warning);
      box.exec();
      if (box.standardButton(box.clickedButton()) != QMessageBox::Yes) return;  // back to the requester
    }
  }
  QFileDialog::accept();
}

QImage ImageFromPixels(int width, int height, std::span<const std::uint32_t> pixels) {
  if (!PixelsFitSize(width, height, pixels)) return {};
  const QImage view(reinterpret_cast<const uchar*>(pixels.data()), width, height,
                    static_cast<qsizetype>(width) * 4, QImage::Format_RGB32);
  return view.copy();  // the clipboard outlives the caller's buffer
}

QUrl DesktopUrlFor(const std::string& target) {
  const QString text = FromUtf8(target);
  if (IsWebAddress(target)) return QUrl(text, QUrl::TolerantMode);
  return QUrl::fromLocalFile(QFileInfo(text).absoluteFilePath());
}

QWidget* QtDialogs::ModalParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return parent_;
}

MessageAnswer QtDialogs::ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons,
                                     MessageIcon icon) {
  QMessageBox box(ModalParent());
  ConfigureMessageBox(box, title, text, buttons, icon);
  box.exec();
  return AnswerFromButton(box.standardButton(box.clickedButton()));
}

std::optional<FileChoice> QtDialogs::RunFileDialog(const FileRequest& request, RequesterMode mode) {
  FileRequester dialog(ModalParent(), request, mode);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ChoiceFromFileDialog(dialog, request);
}

std::optional<FileChoice> QtDialogs::RequestOpenFile(const FileRequest& request) {
  return RunFileDialog(request, RequesterMode::Open);
}

std::optional<FileChoice> QtDialogs::RequestSaveFile(const FileRequest& request) {
  return RunFileDialog(request, RequesterMode::Save);
}

bool QtDialogs::CopyImageToClipboard(int width, int height, std::span<const std::uint32_t> pixels) {
  const QImage image = ImageFromPixels(width, height, pixels);
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (image.isNull() || clipboard == nullptr) return false;
  clipboard->setImage(image);
  return true;
}

bool QtDialogs::OpenWithDesktop(const std::string& target) {
  return OpenWithDesktopOpener(DesktopUrlFor(target));
}

std::optional<ColourChoice> QtDialogs::ChooseColours(const ColourChoice& current) {
  ColoursDialog dialog(current, ModalParent());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

}  // namespace kx
