#include "gui/import_dialogs.h"

#include <algorithm>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/canvas_widget.h"
#include "views/memory_strip.h"

namespace kx {
namespace {

QString Q(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string S(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

ImportDialogBase::ImportDialogBase(QWidget* parent, const std::string& title, const std::string& path)
    : QDialog(parent) {
  setWindowTitle(Q(title));
  auto* layout = new QVBoxLayout(this);
  auto* file = new QLabel(Q(path), this);
  file->setObjectName("path");
  layout->addWidget(file);
  facts_ = new QLabel(this);
  facts_->setObjectName("facts");
  layout->addWidget(facts_);
  form_ = new QFormLayout;
  layout->addLayout(form_);
  preview_ = new CanvasWidget(this);
  preview_->setObjectName("preview");
  preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
  preview_->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(preview_);
  notice_ = new QLabel(this);
  notice_->setObjectName("notice");
  layout->addWidget(notice_);
  problem_ = new QLabel(this);
  problem_->setObjectName("problem");
  problem_->setWordWrap(true);
  problem_->setStyleSheet("color: #B00000");
  layout->addWidget(problem_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void ImportDialogBase::ShowOutcome(const ImportOutcome& outcome) {
  facts_->setText(Q(outcome.facts));
  notice_->setText(Q(outcome.notice));
  problem_->setText(Q(outcome.problem));
  const Image& picture = outcome.preview;
  preview_->SetPicture(picture.Data(), picture.Width(), picture.Height(), picture.Stride() * 4);
}

QLineEdit* ImportDialogBase::AddField(const char* name, const QString& label, const std::string& text,
                                      const QString& hint) {
  auto* field = new QLineEdit(Q(text), this);
  field->setObjectName(name);
  field->setPlaceholderText(hint);
  form_->addRow(label, field);
  return field;
}

SourceImportDialog::SourceImportDialog(QWidget* parent, SourceImport& state)
    : ImportDialogBase(parent, "Import Charset from Program, Binary, Snapshot or Project", state.path), state_(state) {
  auto* kind = new QComboBox(this);
  kind->setObjectName("kind");
  for (SourceKind k : kDialogSourceKinds) kind->addItem(Q(std::string(SourceKindName(k))));
  kind->setCurrentIndex(static_cast<int>(std::ranges::find(kDialogSourceKinds, state.kind) - std::begin(kDialogSourceKinds)));
  form_->addRow("Read as:", kind);
  connect(kind, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    SetSourceKind(state_, kDialogSourceKinds[index]);
    Refresh();
  });
  const struct {
    SourceField field;
    const char* name;
    const char* label;
    const char* hint;
    std::string text;
  } fields[] = {
      {SourceField::Address, "address", "C64 address:", "the default", state.address},
      {SourceField::Offset, "offset", "Offset:", "0", state.offset},
      {SourceField::Count, "count", "Glyph count:", "every glyph that fits", state.count},
      {SourceField::FirstGlyph, "firstGlyph", "First glyph:", "0", state.firstGlyph},
  };
  for (const auto& f : fields) {
    QLineEdit* edit = AddField(f.name, f.label, f.text, f.hint);
    fields_.push_back(edit);
    connect(edit, &QLineEdit::textEdited, this, [this, field = f.field](const QString& text) {
      SetSourceField(state_, field, S(text));
      Refresh();
    });
  }
  takeColours_ = new QCheckBox("Take colours and mode", this);
  takeColours_->setObjectName("takeColours");
  form_->addRow("", takeColours_);
  connect(takeColours_, &QCheckBox::toggled, this, [this](bool on) {
    SetSourceTakeColours(state_, on);
    Refresh();
  });
  AddMemoryRows();
  Refresh();
}

void SourceImportDialog::AddMemoryRows() {
  positionRow_ = new QHBoxLayout;
  const auto addButton = [this](const char* name, const char* text) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);  // Return in a field still means OK
    positionRow_->addWidget(button);
    return button;
  };
  previous_ = addButton("previousPosition", "< Previous");
  next_ = addButton("nextPosition", "Next >");
  positionRow_->addStretch();
  saveRam_ = addButton("saveRam", "Save 64 KiB RAM...");
  form_->addRow("2 KiB position:", positionRow_);
  for (auto [button, direction] : {std::pair{previous_, -1}, std::pair{next_, 1}}) {
    connect(button, &QPushButton::clicked, this, [this, direction] {
      StepPosition(state_, direction);
      Refresh();
    });
  }
  connect(saveRam_, &QPushButton::clicked, this, [this] {
    if (state_.saveRam) state_.saveRam(state_);
  });
  strip_ = new CanvasWidget(this);
  strip_->setObjectName("strip");
  strip_->setFixedSize(kStripWidth, kStripHeight);
  strip_->setFocusPolicy(Qt::NoFocus);
  strip_->onMouse = [this](const MouseEvent& e) {
    if (e.action != MouseAction::Down || e.button != MouseButton::Left) return;
    if (const auto position = StripPositionAt(e.x, e.y)) {
      ChoosePosition(state_, *position);
      Refresh();
    }
  };
  form_->addRow(strip_);
}

void SourceImportDialog::Refresh() {
  // Rows 1.. are the fields in SourceField order, after the kind list.
  for (int field = 0; field < 4; ++field) {
    form_->setRowVisible(field + 1, UsesField(state_, static_cast<SourceField>(field)));
  }
  // A step writes the address or offset into the state; the field shows it (setText raises no edit).
  const std::string* texts[] = {&state_.address, &state_.offset, &state_.count, &state_.firstGlyph};
  for (std::size_t field = 0; field < fields_.size(); ++field) {
    if (S(fields_[field]->text()) != *texts[field]) fields_[field]->setText(Q(*texts[field]));
  }
  // The tick follows the state (a new kind turns it on or off); setting it back raises no toggle.
  const QSignalBlocker quiet(takeColours_);
  takeColours_->setChecked(state_.takeColours);
  form_->setRowVisible(takeColours_, OfferedColours(state_) != nullptr);
  const bool browses = BrowsesMemory(state_);
  form_->setRowVisible(positionRow_, browses);
  form_->setRowVisible(strip_, browses);
  previous_->setEnabled(CanStepPosition(state_, -1));
  next_->setEnabled(CanStepPosition(state_, 1));
  saveRam_->setVisible(state_.saveRam && !SnapshotRam(state_).empty());
  // Always handed over: the canvas wraps the state's pixels, which a change of kind frees.
  const Image& strip = state_.strip;
  strip_->SetPicture(strip.Data(), strip.Width(), strip.Height(), strip.Stride() * 4);
  ShowOutcome(state_.outcome);
}

SheetImportDialog::SheetImportDialog(QWidget* parent, SheetImport& state)
    : ImportDialogBase(parent, "Import Charset from Font Sheet", state.path), state_(state) {
  // The facts run to three lines once a grid is found; room for them from the start keeps the dialog from
  // squeezing them when a typed grid field brings them.
  auto* facts = findChild<QLabel*>("facts");
  facts->setMinimumHeight(facts->fontMetrics().lineSpacing() * 3);
  // The sheet with the cells found tinted, scrolled when larger than the room it has.
  grid_ = new CanvasWidget(this);
  grid_->setObjectName("grid");
  grid_->setFocusPolicy(Qt::NoFocus);
  auto* scroller = new QScrollArea(this);
  scroller->setWidget(grid_);
  scroller->setMaximumSize(kPreviewWidth + 24, 240);
  form_->addRow("Cells found:", scroller);
  auto* paperRow = new QHBoxLayout;
  auto* paper = new QLineEdit(Q(state.paper), this);
  paper->setObjectName("paper");
  paper->setPlaceholderText("found from the picture");
  auto* pick = new QPushButton("Pick...", this);
  pick->setObjectName("pickPaper");
  paperRow->addWidget(paper);
  paperRow->addWidget(pick);
  form_->addRow("Paper (RRGGBB):", paperRow);
  connect(paper, &QLineEdit::textChanged, this, [this](const QString& text) {
    SetSheetPaper(state_, S(text));
    Refresh();
  });
  connect(pick, &QPushButton::clicked, this, [this, paper] {
    const QColor colour = QColorDialog::getColor(Qt::black, this, "Paper Colour");
    if (colour.isValid()) paper->setText(colour.name().mid(1).toUpper());
  });
  const struct {
    SheetGridField field;
    const char* name;
    const char* label;
    const std::string& text;
  } fields[] = {
      {SheetGridField::Scale, "scale", "Scale:", state.scale},
      {SheetGridField::Origin, "origin", "Origin (X,Y):", state.origin},
      {SheetGridField::Pitch, "pitch", "Pitch (W,H):", state.pitch},
  };
  for (const auto& f : fields) {
    QLineEdit* edit = AddField(f.name, f.label, f.text, "");
    gridFields_[static_cast<int>(f.field)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, field = f.field](const QString& text) {
      SetSheetGridField(state_, field, S(text));
      Refresh();
    });
  }
  const struct {
    const char* name;
    const char* text;
    bool on;
    void (*set)(SheetImport&, bool);
  } ticks[] = {
      {"unique", "Drop cells equal to an earlier cell", state.unique, SetSheetUnique},
      {"asciiOrder", "ASCII order (the first cell is the space)", state.asciiOrder, SetSheetAsciiOrder},
  };
  for (const auto& t : ticks) {
    auto* box = new QCheckBox(t.text, this);
    box->setObjectName(t.name);
    box->setChecked(t.on);
    form_->addRow("", box);
    connect(box, &QCheckBox::toggled, this, [this, set = t.set](bool on) {
      set(state_, on);
      Refresh();
    });
  }
  QLineEdit* first = AddField("firstGlyph", "First glyph:", state.firstGlyph, "0");
  connect(first, &QLineEdit::textEdited, this, [this](const QString& text) {
    SetSheetFirstGlyph(state_, S(text));
    Refresh();
  });
  Refresh();
}

void SheetImportDialog::Refresh() {
  // An empty grid field shows what was found in grey.
  for (int field = 0; field < 3; ++field) {
    gridFields_[field]->setPlaceholderText(Q(FoundGridText(state_, static_cast<SheetGridField>(field))));
  }
  const Image& picture = state_.gridPicture;
  grid_->setFixedSize(picture.Width(), picture.Height());
  grid_->SetPicture(picture.Data(), picture.Width(), picture.Height(), picture.Stride() * 4);
  ShowOutcome(state_.outcome);
}

QWidget* QtImportDialogs::ModalParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return parent_;
}

bool QtImportDialogs::RunSourceImport(SourceImport& state) {
  SourceImportDialog dialog(ModalParent(), state);
  return dialog.exec() == QDialog::Accepted;
}

bool QtImportDialogs::RunSheetImport(SheetImport& state) {
  SheetImportDialog dialog(ModalParent(), state);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kx
