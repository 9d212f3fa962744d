#pragma once
// The dialogs port on Qt: QMessageBox, a non-native QFileDialog, the system clipboard and
// QDesktopServices. The set-up and mapping steps are separate functions so that tests can check them
// without opening a modal window.

#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include "runtime/dialogs.h"

namespace kx {

// Message texts use "\r\n"; Qt wants "\n".
QString ToQtText(const std::string& text);

// "Description|*.a;*.b|" becomes "Description (*.a *.b)": Qt takes the patterns from the last bracket.
QStringList ToQtNameFilters(std::string_view filters);
// The index among `nameFilters` (the filters set on `dialog`) of the one the user left selected, or -1.
int ChosenFilterIndex(const QFileDialog& dialog, const QStringList& nameFilters);

void ConfigureMessageBox(QMessageBox& box, const std::string& title, const std::string& text,
                         MessageButtons buttons, MessageIcon icon);
MessageAnswer AnswerFromButton(int standardButton);

enum class RequesterMode { Open, Save };
// Title, start folder and proposed name, name filters with the preselected one, and the options the
// program relies on: non-native, no overwrite question, no current-directory change.
void ConfigureFileDialog(QFileDialog& dialog, const FileRequest& request, RequesterMode mode);
// The chosen path, completed as the request says, and filter after the dialog was accepted.
FileChoice ChoiceFromFileDialog(const QFileDialog& dialog, const FileRequest& request);

// The requester QtDialogs runs: configured from the request and, in save mode, asking before it hands back
// an existing file other than the request's replaceable one; No keeps it open.
class FileRequester : public QFileDialog {
 public:
  FileRequester(QWidget* parent, const FileRequest& request, RequesterMode mode);
  void accept() override;

 private:
  FileRequest request_;
  RequesterMode mode_;
};

// A copy of the pixels as an RGB32 image (a null image when they do not fit the size).
QImage ImageFromPixels(int width, int height, std::span<const std::uint32_t> pixels);

// Web addresses as URLs; anything else as a local file, relative names taken from the current directory.
QUrl DesktopUrlFor(const std::string& target);

class QtDialogs : public Dialogs {
 public:
  // Modal windows belong to the modal window in front (the screen editor, About, a requester) when one is
  // open, so that it stays in front of the main window under them; otherwise to `parent`, which may be set
  // later (or never).
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons,
                            MessageIcon icon) override;
  std::optional<FileChoice> RequestOpenFile(const FileRequest& request) override;
  std::optional<FileChoice> RequestSaveFile(const FileRequest& request) override;
  bool CopyImageToClipboard(int width, int height, std::span<const std::uint32_t> pixels) override;
  bool OpenWithDesktop(const std::string& target) override;
  std::optional<ColourChoice> ChooseColours(const ColourChoice& current) override;

 private:
  std::optional<FileChoice> RunFileDialog(const FileRequest& request, RequesterMode mode);
  QWidget* ModalParent() const;

  QPointer<QWidget> parent_;
};

}  // namespace kx
