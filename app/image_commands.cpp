#include "app/image_commands.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/app.h"
#include "app/file_dialogs.h"
#include "app/event_flow.h"
#include "app/unsaved_prompt.h"
#include "io/file_messages.h"
#include "io/image_dump.h"
#include "ops/charset_pixels.h"
#include "runtime/file_bytes.h"
#include "runtime/image_draw.h"

namespace kx {
namespace {

constexpr RequesterSetup kImportImageRequester{"Import Image", "Image File (*.png,*.jpg,*.bmp)|*.png;*.jpg;*.bmp|", 1};

// Each file dump: its format, the extension that replaces the charset's own, and what it reports.
struct DumpFormat {
  ImageFormat format;
  const char* extension;
  const char* succeeded;
  const char* failed;
};
constexpr std::array<DumpFormat, 3> kDumpFormats{{
    {ImageFormat::Png, "png", "PNG Image Dump Successful", "PNG Image Dump Failed"},
    {ImageFormat::Jpeg, "jpg", "JPG Image Dump Successful", "JPG Image Dump Failed"},
    {ImageFormat::Bmp, "bmp", "BMP Image Dump Successful", "BMPImage Dump Failed"},
}};

// Dumps and the failed image import report in a plain box under the program's name.
void ShowNotice(ShellState& shell, const std::string& text) {
  shell.dialogs->ShowMessage(kProgramTitle, text, MessageButtons::Ok, MessageIcon::None);
}

// True when `dumpName` (resolved against the current directory) is the charset's own file, the one it was
// loaded from, imported from or saved to, under any name that reaches it (links included).
bool IsOwnFile(const Document& doc, const std::string& dumpName) {
  if (!doc.store.hasFile) return false;
  std::error_code error;
  return std::filesystem::equivalent(dumpName, doc.store.currentName, error) && !error;
}

constexpr const char* kOwnFileQuestion =
    " is the file this charset was loaded from or saved to.\r\n\r\nDo you want to replace it?";

// A dump over the charset's own file would lose the picture or charset it came from: ask first.
bool MayReplaceOwnFile(App& app, const std::string& dumpName) {
  if (!IsOwnFile(app.doc, dumpName)) return true;
  return app.shell.dialogs->ShowMessage(kProgramTitle, dumpName + kOwnFileQuestion, MessageButtons::YesNo,
                                  MessageIcon::Warning) == MessageAnswer::Yes;
}

DecodeResult DecodeFile(const FileRead& file) {
  if (file.status != FileReadStatus::Ok) return DecodeResult::Fail("cannot read the file, or it is too large");
  return DecodeImage(file.Data());
}

}  // namespace

const Image& CharsetPicture(const App& app) { return app.view.pictures.charset; }

void DumpCharsetToFile(App& app, ImageFormat format) {
  const auto dump = std::ranges::find(kDumpFormats, format, &DumpFormat::format);
  // A bare name: it lands in the start folder when there is one, otherwise the system resolves it against
  // the current directory, which the program never changes.
  std::string name = DumpFileName(app.doc.store.currentName, dump->extension);
  if (!app.shell.startFolder.empty()) name = app.shell.startFolder + "/" + name;
  if (!MayReplaceOwnFile(app, name)) return;
  const bool written = WriteImageFile(name, DumpPicture(CharsetPicture(app)), format);
  ShowNotice(app.shell, written ? dump->succeeded : dump->failed);
}

void DumpCharsetToClipboard(App& app) {
  const Image picture = DumpPicture(CharsetPicture(app));
  app.shell.dialogs->CopyImageToClipboard(picture.Width(), picture.Height(),
                                    {picture.Data(), static_cast<std::size_t>(picture.Stride()) * picture.Height()});
  ShowNotice(app.shell, "Image Copied to Clipboard");
}

void ImportCharsetImage(App& app) {
  if (!ConfirmUnsavedChanges(app, PromptFor::ImportImage)) return;
  const auto choice = AskForFile(app, RequesterKind::Open, kImportImageRequester, app.doc.store.currentName);
  if (!choice) return;
  const FileRead file = ReadFileBytes(choice->path, kMaxImageFileBytes);
  if (file.status == FileReadStatus::Missing) return ShowNotFound(app, choice->path);
  const DecodeResult decoded = DecodeFile(file);
  // Nothing changes before the picture has decoded, the file type included: marking the charset as an
  // image first would leave a charset that failed to import unable to be saved where it came from.
  if (!decoded.image) return ShowNotice(app.shell, kImageImportFailedText);

  Image picture = CharsetPicture(app);
  DrawImage(picture, PictureAtCharsetSize(*decoded.image), 0, 0);
  app.doc.store.editor = CharsetFromPixels({picture.Data(), CharsetPixelsNeeded(picture.Stride())}, picture.Stride());
  app.doc.store.fileType = FileType::Image;
  MarkCharsetChanged(app.view);
  ApplyLoadBookkeeping(app.doc.store, choice->path);
  RefreshTitle(app);
}

}  // namespace kx
