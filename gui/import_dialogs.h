#pragma once
// The import dialogs on Qt: modal QDialogs whose fields feed the plain state of app/source_import.h and
// show what it says (facts, problem, preview). The dialogs decide nothing themselves.

#include <QDialog>
#include <QPointer>

#include <vector>

#include "app/import_dialogs.h"

class QCheckBox;
class QDialogButtonBox;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kx {

class CanvasWidget;

// The parts both dialogs share: the file's facts, the preview, the notice and problem lines and OK / Cancel.
class ImportDialogBase : public QDialog {
 public:
  ImportDialogBase(QWidget* parent, const std::string& title, const std::string& path);

 protected:
  // Shows the outcome; the subclasses call it after every change of the state.
  void ShowOutcome(const ImportOutcome& outcome);
  QLineEdit* AddField(const char* name, const QString& label, const std::string& text, const QString& hint);

  QFormLayout* form_ = nullptr;

 private:
  QLabel* facts_ = nullptr;
  CanvasWidget* preview_ = nullptr;
  QLabel* notice_ = nullptr;
  QLabel* problem_ = nullptr;
};

// Object names for tests: "kind" (combo box), "address", "offset", "count", "firstGlyph" (line edits),
// "takeColours" (check box); for a 64 KiB memory source "previousPosition", "nextPosition", "saveRam"
// (buttons) and "strip" (the positions, a click picks one).
class SourceImportDialog : public ImportDialogBase {
 public:
  SourceImportDialog(QWidget* parent, SourceImport& state);

 private:
  void Refresh();
  void AddMemoryRows();
  SourceImport& state_;
  std::vector<QLineEdit*> fields_;  // in SourceField order
  QCheckBox* takeColours_ = nullptr;
  QHBoxLayout* positionRow_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* saveRam_ = nullptr;
  CanvasWidget* strip_ = nullptr;
};

// Object names for tests: "paper" (line edit), "pickPaper" (button), "unique", "asciiOrder" (check boxes),
// "scale", "origin", "pitch", "firstGlyph" (line edits), "grid" (the sheet with the cells found).
class SheetImportDialog : public ImportDialogBase {
 public:
  SheetImportDialog(QWidget* parent, SheetImport& state);

 private:
  void Refresh();
  SheetImport& state_;
  CanvasWidget* grid_ = nullptr;
  QLineEdit* gridFields_[3] = {};
};

class QtImportDialogs : public ImportDialogs {
 public:
  // The dialogs belong to the modal window in front when one is open, else to `parent`.
  explicit QtImportDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  bool RunSourceImport(SourceImport& state) override;
  bool RunSheetImport(SheetImport& state) override;

 private:
  QWidget* ModalParent() const;
  QPointer<QWidget> parent_;
};

}  // namespace kx
