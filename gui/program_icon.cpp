#include "gui/program_icon.h"

#include <QApplication>

#include "gui/qt_picture.h"
#include "views/program_icon.h"

namespace kx {

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kProgramIconSizes) icon.addPixmap(ToPixmap(ProgramIconPicture(size), 1.0));
  return icon;
}

void UseProgramIconForAllWindows() { QApplication::setWindowIcon(ProgramIcon()); }

}  // namespace kx
