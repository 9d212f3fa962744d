#pragma once
// At start-up, the recovery copies left by runs that did not end normally are offered: Recover puts a copy
// back into its place as unsaved work, Discard deletes it, and a copy left unanswered stays for the next
// start. A copy is offered only when the lock of the run that wrote it can be taken, that is when that run
// is gone; the lock is held while the copies are offered, so two editors starting at once never both take
// or delete the same copy, and a running editor's copies are never touched.

#include <optional>
#include <string>
#include <vector>

#include "app/recovery.h"

namespace kx {

struct App;

struct OfferedCopy {
  std::string path;
  std::string runId;
  std::optional<RecoveryCopy> copy;  // nothing when the file is refused
  std::string problem;               // why it is refused
  long long writtenAt = 0;           // the file's time, seconds since the epoch
};

// The copies of the runs in `folder` that are gone (all but `ownRunId`), oldest first, with the locks of
// those runs, held until this is destroyed.
struct LeftoverCopies {
  std::vector<OfferedCopy> copies;
  std::vector<std::string> runIds;
  std::vector<FileLock> owners;
};
LeftoverCopies FindLeftoverCopies(const std::string& folder, const std::string& ownRunId);

enum class RecoveryAnswer { Keep, Recover, Discard };

// One line of the box: the place, the charset's name, its file and when the copy was written (local time),
// or why the copy cannot be recovered.
std::string DescribeOfferedCopy(const OfferedCopy& offered);

// Recover may be chosen for copy `index` when it could be read and no other copy has been chosen for its
// place (Charset 1 or 2) already; `answers` has one entry per copy.
bool CanRecover(const std::vector<OfferedCopy>& copies, const std::vector<RecoveryAnswer>& answers,
                std::size_t index);

// The box of the adapter (or a test): shows the copies and returns one answer for each.
class RecoveryBox {
 public:
  virtual ~RecoveryBox() = default;
  virtual std::vector<RecoveryAnswer> Ask(const std::vector<OfferedCopy>& copies) = 0;
};

// Finds the leftover copies of other runs and, when there are any, asks the box. Recovered charsets are put
// into their places and this run's own copies written at once, before the old files go; discarded copies
// are deleted; kept ones stay. A run left with no copies loses its lock file.
void OfferRecoveryCopies(App& app, RecoveryBox& box);

}  // namespace kx
