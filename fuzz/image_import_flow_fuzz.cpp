// "Import Charset as Image" as the user runs it: the input is the picture file, chosen in the requester of
// the command on a fresh App.
//
// Checked: the command succeeds exactly when the file decodes. A failure says so and leaves the charset,
// the names, the flags, the file type and the title as they were; a success gives the charset read from the
// picture brought to 256x64, the file type image, the file's name and an unmodified title.
#include "app/image_commands.h"
#include "app/run_command.h"
#include "fuzz/fuzz_files.h"
#include "ops/charset_pixels.h"
#include "runtime/image_scale.h"

namespace {

using namespace kx;
using fuzz::Require;

Charset CharsetOfPicture(const Image& decoded) {
  const Image scaled = ScaleSmooth(decoded, kCharsetWidth, kCharsetHeight);
  return CharsetFromPixels({scaled.Data(), CharsetPixelsNeeded(scaled.Stride())}, scaled.Stride());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file = fuzz::Input(data, size);
  const std::string path = fuzz::Folder().Write("picture", file);
  fuzz::ScriptedApp scripted;
  App& app = scripted.app;
  const CharsetStore before = app.doc.store;
  const std::string titleBefore = app.shell.title;

  scripted.dialogs.fileAnswers.push_back(FileChoice{path, 0});
  RunCommand(app, cmd::ImportImage);
  Require(scripted.dialogs.fileAnswers.empty(), "the requester was asked");

  const CharsetStore& after = app.doc.store;
  Require(after.slots == before.slots, "the memory charset is untouched");
  const DecodeResult decoded = DecodeImage(file);
  fuzz::CheckDecoded(decoded);
  if (!decoded.image) {
    const DialogCall& told = scripted.dialogs.calls.back();
    Require(told.kind == DialogKind::Message && told.text.starts_with("Import of Charset Image has failed...\r\n"),
            "a failed import says so");
    Require(after.editor == before.editor && after.fileType == before.fileType, "a failed import leaves the charset");
    Require(after.currentName == before.currentName && after.slotNames == before.slotNames &&
                after.modified == before.modified && after.hasFile == before.hasFile && app.shell.title == titleBefore,
            "a failed import leaves the names and flags");
    return 0;
  }
  Require(scripted.dialogs.calls.back().kind == DialogKind::OpenFile, "a successful import shows no message");
  Require(after.editor == CharsetOfPicture(*decoded.image), "the charset is read from the scaled picture");
  Require(after.fileType == FileType::Image, "an imported picture sets the file type image");
  Require(after.hasFile && !after.modified && after.currentName == path, "an imported picture names the charset");
  Require(app.shell.title == fuzz::ExpectedTitle(after), "the title follows the import");
  return 0;
}
