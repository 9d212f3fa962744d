#include "gui/program_icon.h"

#include <QApplication>

#include "gui/qt_picture.h"
#include "views/program_icon.h"

namespace kx {

QIcon ProgramIcon() {
  QIcon icon;
  // Window frames and task bars use the small sizes; the largest is for the desktop's icon theme only and
  // is not drawn at every start.
  for (int size : kProgramIconSizes) {
    if (size <= 256) icon.addPixmap(ToPixmap(ProgramIconPicture(size), 1.0));
  }
  return icon;
}

void UseProgramIconForAllWindows() { QApplication::setWindowIcon(ProgramIcon()); }

}  // namespace kx
