#pragma once
// The box that offers recovery copies at start-up: one line per copy with Recover and Discard. A line once
// answered shows its answer; the box closes when every line is answered, and closing it earlier keeps the
// unanswered copies for the next start.

#include <QDialog>

#include <vector>

#include "app/recovery_offer.h"

class QLabel;
class QPushButton;

namespace kx {

class RecoveryDialog : public QDialog {
 public:
  RecoveryDialog(QWidget* parent, const std::vector<OfferedCopy>& copies);
  const std::vector<RecoveryAnswer>& Answers() const { return answers_; }
  // What a click on line `index`'s buttons does (also for tests).
  void Answer(std::size_t index, RecoveryAnswer answer);
  QPushButton* RecoverButton(std::size_t index) const { return rows_[index].recover; }
  QPushButton* DiscardButton(std::size_t index) const { return rows_[index].discard; }

 private:
  struct Row {
    QLabel* state = nullptr;
    QPushButton* recover = nullptr;
    QPushButton* discard = nullptr;
  };
  void ShowStates();

  std::vector<OfferedCopy> copies_;
  std::vector<RecoveryAnswer> answers_;
  std::vector<Row> rows_;
};

class QtRecoveryBox : public RecoveryBox {
 public:
  explicit QtRecoveryBox(QWidget* parent) : parent_(parent) {}
  std::vector<RecoveryAnswer> Ask(const std::vector<OfferedCopy>& copies) override;

 private:
  QWidget* parent_;
};

}  // namespace kx
