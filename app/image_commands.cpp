#include "app/image_commands.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/app.h"
#include "app/file_dialogs.h"
#include "app/event_flow.h"
#include "app/file_replacing.h"
#include "app/unsaved_prompt.h"
#include "io/file_messages.h"
#include "io/image_dump.h"
#include "ops/charset_pixels.h"
#include "ops/colour_picture.h"
#include "runtime/file_bytes.h"
#include "runtime/file_stamp.h"
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

// Where a dump went: the bare name resolved against the current directory, so the message says which folder.
std::string FullPath(const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path absolute = fs::absolute(fs::path(std::u8string(name.begin(), name.end())), error);
  if (error) return name;
  const std::u8string text = absolute.lexically_normal().u8string();
  return std::string(text.begin(), text.end());
}

// What went wrong with a file that gave no picture, in the user's terms. The decoders name a picture
// whose size they refuse "too large".
ImageImportFailure WhyNoPicture(const FileRead& file, const DecodeResult& decoded) {
  if (file.status == FileReadStatus::TooLarge) return ImageImportFailure::FileTooLarge;
  if (file.status != FileReadStatus::Ok) return ImageImportFailure::Unreadable;
  if (!DetectImageFormat(file.Data())) return ImageImportFailure::NotAPicture;
  if (decoded.error.find("too large") != std::string::npos) return ImageImportFailure::PictureTooLarge;
  return ImageImportFailure::Damaged;
}

// The requester proposes the last picture chosen, or else the last folder: never the charset's own file,
// which is no picture.
std::string ProposedImagePath(const Document& doc) {
  return doc.files.lastImage.empty() ? doc.store.lastDirectory : doc.files.lastImage;
}

}  // namespace

const Image& CharsetPicture(const App& app) { return app.view.pictures.charset; }

void DumpCharsetToFile(App& app, ImageFormat format) {
  const auto dump = std::ranges::find(kDumpFormats, format, &DumpFormat::format);
  // A bare name: it lands in the start folder when there is one, otherwise the system resolves it against
  // the current directory, which the program never changes.
  std::string name = DumpFileName(app.doc.store.currentName, dump->extension);
  if (!app.shell.startFolder.empty()) name = app.shell.startFolder + "/" + name;
  if (!MayReplaceFile(app, name, ReplaceRoute::Dump)) return;
  // The program chose the name and the folder, so both reports say where the file is.
  std::string whyNot;
  if (!WriteImageFile(name, DumpPicture(CharsetPicture(app)), format, &whyNot)) {
    return ShowNotice(app.shell, std::string(dump->failed) + "\r\n\r\n" + FullPath(name) + "\r\n" + whyNot);
  }
  app.doc.files.dumpsWritten[name] = TakeFileStamp(name);
  NoteFileWritten(app, name, true);
  RefreshTitle(app);
  ShowNotice(app.shell, std::string(dump->succeeded) + "\r\n\r\n" + FullPath(name));
}

void DumpCharsetToClipboard(App& app) {
  const Image picture = DumpPicture(CharsetPicture(app));
  app.shell.dialogs->CopyImageToClipboard(picture.Width(), picture.Height(),
                                    {picture.Data(), static_cast<std::size_t>(picture.Stride()) * picture.Height()});
  ShowNotice(app.shell, "Image Copied to Clipboard");
}

void ImportCharsetImage(App& app) {
  if (!ConfirmUnsavedChanges(app, PromptFor::ImportImage)) return;
  const auto choice = AskForFile(app, RequesterKind::Open, kImportImageRequester, ProposedImagePath(app.doc));
  if (!choice) return;
  const FileRead file = ReadFileBytes(choice->path, kMaxImageFileBytes);
  if (file.status == FileReadStatus::Missing) return ShowNotFound(app, choice->path);
  app.doc.files.lastImage = choice->path;
  const DecodeResult decoded =
      file.status == FileReadStatus::Ok ? DecodeImage(file.Data()) : DecodeResult::Fail("not read");
  // Nothing changes before the picture has decoded, the file type included: marking the charset as an
  // image first would leave a charset that failed to import unable to be saved where it came from.
  if (!decoded.image) {
    return ShowNotice(app.shell, ImageImportFailedText(choice->path, WhyNoPicture(file, decoded)));
  }

  CharsetStore& store = app.doc.store;
  app.doc.history.PushLoad(store);
  Image picture = CharsetPicture(app);
  DrawImage(picture, PictureAtCharsetSize(*decoded.image), 0, 0);
  const std::span<const std::uint32_t> pixels{picture.Data(), CharsetPixelsNeeded(picture.Stride())};
  // The C64's colours at the editor's brightness: $D021 at its default 0 is exactly black.
  const Palette c64 = MakePalette(app.view.brightness);
  if (store.colours.mode == DisplayMode::HiRes) {
    // The paper is $D021's colour, black unless the colours dialog chose another.
    store.editor =
        CharsetFromPixels(pixels, picture.Stride(), c64[store.colours.registers[kBackground0] % kPaletteSize]);
  } else {
    // The picture's colours tell bit pairs and inks apart, as the charset is shown in this mode.
    const ColouredCharset read =
        CharsetFromColourPixels(pixels, picture.Stride(), c64, store.colours, store.editor, store.inks);
    store.editor = read.charset;
    store.inks = read.inks;
  }
  store.fileType = FileType::Image;
  MarkCharsetChanged(app.view);
  ApplyLoadBookkeeping(app.doc.store, choice->path);
  RecordDiskStamp(app);
  RefreshTitle(app);
}

}  // namespace kx
