#include "gui/recovery_box.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "gui/plain_label.h"

namespace kx {

RecoveryDialog::RecoveryDialog(QWidget* parent, const std::vector<OfferedCopy>& copies)
    : QDialog(parent), copies_(copies), answers_(copies.size(), RecoveryAnswer::Keep), rows_(copies.size()) {
  setWindowTitle("Recover unsaved work");
  auto* grid = new QGridLayout(this);
  grid->addWidget(PlainLabel(this, "The editor ended without saving these charsets last time:"), 0, 0, 1, 4);
  for (std::size_t i = 0; i < copies_.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    Row& row = rows_[i];
    grid->addWidget(PlainLabel(this, QString::fromStdString(DescribeOfferedCopy(copies_[i]))), line, 0);
    row.state = PlainLabel(this);
    // Room for the longest answer from the start, so the buttons stay where they were when one is given.
    const QFontMetrics metrics = row.state->fontMetrics();
    row.state->setMinimumWidth(std::max(metrics.horizontalAdvance("recovered"), metrics.horizontalAdvance("discarded")));
    row.recover = new QPushButton("Recover", this);
    row.discard = new QPushButton("Discard", this);
    grid->addWidget(row.state, line, 1);
    grid->addWidget(row.recover, line, 2);
    grid->addWidget(row.discard, line, 3);
    connect(row.recover, &QPushButton::clicked, this, [this, i] { Answer(i, RecoveryAnswer::Recover); });
    connect(row.discard, &QPushButton::clicked, this, [this, i] { Answer(i, RecoveryAnswer::Discard); });
  }
  ShowStates();
}

void RecoveryDialog::Answer(std::size_t index, RecoveryAnswer answer) {
  if (index >= answers_.size() || answers_[index] != RecoveryAnswer::Keep) return;
  if (answer == RecoveryAnswer::Recover && !CanRecover(copies_, answers_, index)) return;
  answers_[index] = answer;
  ShowStates();
  if (std::none_of(answers_.begin(), answers_.end(), [](RecoveryAnswer a) { return a == RecoveryAnswer::Keep; })) {
    accept();
  }
}

void RecoveryDialog::ShowStates() {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const RecoveryAnswer a = answers_[i];
    const bool open = a == RecoveryAnswer::Keep;
    rows_[i].state->setText(a == RecoveryAnswer::Recover   ? "recovered"
                            : a == RecoveryAnswer::Discard ? "discarded"
                                                           : "");
    rows_[i].recover->setEnabled(open && CanRecover(copies_, answers_, i));
    rows_[i].discard->setEnabled(open);
  }
}

std::vector<RecoveryAnswer> QtRecoveryBox::Ask(const std::vector<OfferedCopy>& copies) {
  RecoveryDialog dialog(parent_, copies);
  dialog.exec();
  return dialog.Answers();
}

}  // namespace kx
