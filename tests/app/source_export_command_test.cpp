#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/charset_saving.h"
#include "app/file_test_support.h"
#include "app/run_command.h"
#include "io/source_export.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;

constexpr const char* kSourceFilters =
    "ACME Source (*.a)|*.a|ca65 Source (*.s)|*.s|64tass Source (*.asm)|*.asm|"
    "Kick Assembler Source (*.asm)|*.asm|C Source or Header (*.c, *.h)|*.c;*.h|";

class SourceExportCommand : public FileCommandTest {
 protected:
  SourceExportCommand() {
    for (int i = 0; i < kCharsetBytes; ++i) app.doc.store.editor[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7);
    app.doc.store.lastDirectory = dir.Dir();
    EditedWithFile(dir.Path("font.chr"), FileType::Chr);
  }

  // What no source export may touch.
  void ExpectCharsetStateUnchanged() {
    EXPECT_EQ(app.doc.store.currentName, dir.Path("font.chr"));
    EXPECT_TRUE(app.doc.store.modified);
    EXPECT_TRUE(app.doc.store.hasFile);
    EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
    EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - " + dir.Path("font.chr") + " <unsaved>");
    EXPECT_EQ(app.doc.files.recent, EmptyRecentFiles());
    EXPECT_EQ(app.doc.files.saveFilter, 1);
    EXPECT_EQ(app.doc.files.openFilter, 1);
  }
};

TEST_F(SourceExportCommand, WritesTheWholeCharsetInTheChosenDialectAndRemembersIt) {
  AnswerFile(dir.Path("My Font"), 1);
  RunCommand(app, cmd::ExportSource);

  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, DialogKind::SaveFile);
  EXPECT_EQ(dialogs.calls[0].title, "Export as Source");
  EXPECT_EQ(dialogs.calls[0].filters, kSourceFilters);
  EXPECT_EQ(dialogs.calls[0].filterIndex, 0);
  EXPECT_EQ(dialogs.calls[0].proposedPath, dir.Path("font.a"));

  const std::string written = ReadBytes(dir.Path("My Font.s"));
  EXPECT_EQ(written, FormatCharsetSource(app.doc.store.editor, SourceDialect::Ca65, "My_Font"));
  EXPECT_NE(written.find("\nMy_Font:\n        .byte $00,$07,$0E,$15,$1C,$23,$2A,$31 ; glyph 0 ($00)\n"),
            std::string::npos);
  EXPECT_EQ(app.doc.files.sourceFilter, 1);
  ExpectCharsetStateUnchanged();

  // The next export proposes the remembered dialect's extension and preselects it.
  AnswerCancel();
  RunCommand(app, cmd::ExportSource);
  EXPECT_EQ(LastCall().proposedPath, dir.Path("font.s"));
  EXPECT_EQ(LastCall().filterIndex, 1);
}

TEST_F(SourceExportCommand, EachRememberedDialectProposesItsOwnFileName) {
  const char* const proposed[] = {"font.a", "font.s", "font.asm", "font.asm", "font.c"};
  for (int filter = 0; filter < 5; ++filter) {
    app.doc.files.sourceFilter = filter;
    AnswerCancel();
    ExportCharsetSource(app);
    EXPECT_EQ(LastCall().proposedPath, dir.Path(proposed[filter])) << filter;
    EXPECT_EQ(LastCall().filterIndex, filter);
  }
}

TEST_F(SourceExportCommand, EachFilterWritesItsDialectUnderItsExtension) {
  struct Case {
    const char* typed;
    int filter;
    const char* written;
    SourceDialect dialect;
    bool header;
  };
  for (const Case& c : {Case{"a", 0, "a.a", SourceDialect::Acme, false},
                        Case{"b.asm", 2, "b.asm", SourceDialect::Tass64, false},
                        Case{"k", 3, "k.asm", SourceDialect::KickAss, false},
                        Case{"set", 4, "set.c", SourceDialect::C, false},
                        Case{"set.h", 4, "set.h", SourceDialect::C, true},
                        Case{"set.chr", 4, "set.chr.c", SourceDialect::C, false}}) {
    SCOPED_TRACE(c.written);
    AnswerFile(dir.Path(c.typed), c.filter);
    ExportCharsetSource(app);
    EXPECT_EQ(ReadBytes(dir.Path(c.written)),
              FormatCharsetSource(app.doc.store.editor, c.dialect, SourceLabelFromPath(c.written), c.header));
  }
  EXPECT_NE(ReadBytes(dir.Path("set.h")).find("extern const unsigned char set[2048];"), std::string::npos);
  EXPECT_NE(ReadBytes(dir.Path("set.chr.c")).find("const unsigned char set_chr[2048] = {"), std::string::npos);
  ExpectCharsetStateUnchanged();
}

TEST_F(SourceExportCommand, AsksBeforeReplacingAnyFileEvenTheCharsetsOwn) {
  // A charset loaded from a file named like a source: the export must not overwrite it silently.
  const std::string own = dir.Path("font.a");
  WriteBytes(own, Editor());
  EditedWithFile(own, FileType::Chr);

  AnswerFile(own, 0);
  Answer(MessageAnswer::No);
  AnswerCancel();
  RunCommand(app, cmd::ExportSource);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[1].title, "Export as Source");
  EXPECT_EQ(dialogs.calls[1].text, "font.a already exists. Do you want to replace it?");
  EXPECT_EQ(ReadBytes(own), Editor());

  AnswerFile(own, 0);
  Answer(MessageAnswer::Yes);
  RunCommand(app, cmd::ExportSource);
  EXPECT_EQ(ReadBytes(own), FormatCharsetSource(app.doc.store.editor, SourceDialect::Acme, "font"));
  EXPECT_EQ(app.doc.store.currentName, own);
  EXPECT_TRUE(app.doc.store.modified);
}

TEST_F(SourceExportCommand, FailedWriteIsReportedAndCancelChangesNothing) {
  AnswerCancel();
  RunCommand(app, cmd::ExportSource);
  EXPECT_EQ(app.doc.files.sourceFilter, 0);
  EXPECT_EQ(app.doc.store.lastDirectory, dir.Dir());
  EXPECT_EQ(dialogs.calls.size(), 1u);

  const std::string path = dir.Path("missing/font.s");
  AnswerFile(dir.Path("missing/font"), 1);
  RunCommand(app, cmd::ExportSource);
  EXPECT_EQ(LastCall().kind, DialogKind::Message);
  EXPECT_EQ(LastCall().title, "File Error!");
  EXPECT_EQ(LastCall().text, "Could not write the file!\r\n\r\n" + path + "\r\n" + std::strerror(ENOENT));
  EXPECT_EQ(LastCall().icon, MessageIcon::Warning);
  EXPECT_FALSE(std::filesystem::exists(dir.Path("missing")));
  EXPECT_EQ(app.doc.store.lastDirectory, dir.Path("missing") + "/");
  ExpectCharsetStateUnchanged();
}

}  // namespace
}  // namespace kx
