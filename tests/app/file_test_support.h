#pragma once
// An App wired to scripted dialogs and a temporary directory, for the file command tests.

#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "io/temp_files.h"
#include "tests/support/scripted_dialogs.h"

namespace kx::testing_files {

class FileCommandTest : public ::testing::Test {
 protected:
  FileCommandTest() { app.shell.dialogs = &dialogs; }

  // The editor charset as file bytes.
  std::string Editor() const { return std::string(reinterpret_cast<const char*>(app.doc.store.editor.data()), 2048); }

  void AnswerFile(const std::string& path, int filter) { dialogs.fileAnswers.push_back(FileChoice{path, filter}); }
  void AnswerCancel() { dialogs.fileAnswers.push_back(std::nullopt); }
  void Answer(MessageAnswer answer) { dialogs.messageAnswers.push_back(answer); }

  // Puts the App in the state of a charset loaded from `path` and then edited.
  void EditedWithFile(const std::string& path, FileType type) {
    ApplyLoadBookkeeping(app.doc.store, path);
    app.doc.store.fileType = type;
    app.doc.store.modified = true;
    RefreshTitle(app);
  }

  const DialogCall& LastCall() const { return dialogs.calls.back(); }

  TempDir dir;
  ScriptedDialogs dialogs;
  App app;
};

}  // namespace kx::testing_files
