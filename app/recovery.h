#pragma once
// Recovery copies: unsaved work kept on disk while the editor runs, so that a crash, a power cut or a signal
// loses at most the last moments. Each unsaved charset (Charset 1, Charset 2) has one copy in the recovery
// folder, written a short while after a change (never during a stroke), removed once the charset is saved
// or its changes are discarded, and all removed when the editor quits normally. A run owns its copies by
// its run id and the lock on `<run id>.lock`, held for its lifetime; the next start offers only copies whose
// owner is gone (app/recovery_offer.h).

#include <array>
#include <optional>
#include <string>

#include "io/recovery_copy.h"
#include "runtime/run_lock.h"

namespace kx {

struct App;

// A change is on disk at most this long after it was made.
inline constexpr long long kRecoveryDelayMs = 30000;
// Lowers the delay (milliseconds, 1 to kRecoveryDelayMs), for tests that cannot wait half a minute.
inline constexpr const char* kRecoveryDelayVariable = "KESTRELIX_RECOVERY_DELAY_MS";

// What is on disk for one place (Charset 1 or 2) and since when it lags behind the charset.
struct RecoveryPlace {
  std::string written;                 // the encoded copy on disk; empty: none
  std::optional<long long> changedAt;  // when the charset was first seen differing from it
};

struct RecoverySession {
  std::string folder;  // ends in '/'; empty: this run keeps no recovery copies
  std::string runId;
  FileLock lock;
  long long delayMs = kRecoveryDelayMs;
  std::array<RecoveryPlace, 2> places;

  // How often KeepRecoveryCurrent is to be called: at least once a second, and within the delay.
  long long PeriodMs() const { return delayMs < 1000 ? delayMs : 1000; }
};

// $XDG_STATE_HOME/kestrelix/, else $HOME/.local/state/kestrelix/ (values that are not absolute paths are
// ignored); empty when neither gives a folder.
std::string ChooseRecoveryFolder(const std::string& home, const std::string& xdgStateHome);

// The delay the variable asks for: a whole number of milliseconds, kept within 1..kRecoveryDelayMs;
// kRecoveryDelayMs when it is empty or not a number.
long long RecoveryDelayFrom(const std::string& value);

// A run id no other run has: the process id and the start time.
std::string NewRunId();

// Makes the folder (and its parents) when missing and takes the run's lock. False, and the session left
// without a folder, when either fails: the run then goes on without recovery copies.
bool StartRecovery(RecoverySession& session, const std::string& folder, const std::string& runId,
                   long long delayMs);

// The copy file of a run's place, and its lock file.
std::string RecoveryCopyPath(const std::string& folder, const std::string& runId, int place);
std::string RecoveryLockPath(const std::string& folder, const std::string& runId);

// What the copy of `place` holds now: bytes, name, file, type (and what a read-only project did not read) and
// colours of that charset.
RecoveryCopy RecoveryCopyOf(const CharsetStore& store, int place);

// The timer's call, `nowMs` from a steady clock: writes the copy of each unsaved charset that changed at
// least the delay ago (less one period, the most the change can have waited to be seen), unless a stroke
// is being drawn; removes the copy of a charset that is no longer unsaved. A failed write is tried again
// on the next call.
void KeepRecoveryCurrent(App& app, long long nowMs);

// At the end of every event: a charset saved, or whose changes were discarded, loses its copy at once.
void DropStaleRecoveryCopies(App& app);

// Writes the copy of every unsaved charset now, stroke or not (the program is about to end on a signal).
// False when a copy could not be written.
bool WriteRecoveryCopiesNow(App& app);

// A normal end of the run: its copies and lock file are removed and the lock let go.
void EndRecovery(RecoverySession& session);

// Puts a recovered charset back into its place as unsaved work, with its name, file, type and colours; a
// read-only project stays read-only, so Save still asks before writing over it.
void RecoverCharset(App& app, const RecoveryCopy& copy);

}  // namespace kx
