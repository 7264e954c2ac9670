// Ondulix: starts the window system, loads the main control panel and runs until it closes.
#include <QApplication>
#include <QIcon>

#include <cstdlib>
#include <optional>
#include <string>

#include "core/br_cp.h"
#include "core/br_about.h"
#include "core/data_folder.h"
#include "core/globals.h"
#include "platform/files.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_printer.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ondulix"));
  // Ties the windows to the menu entry, and gives them its icon where it is installed.
  QApplication::setDesktopFileName(QStringLiteral(ONDULIX_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ONDULIX_APP_ID)));
  QtDesktop desktop;
  QtDialogs dialogs;
  QtPrinter printer;
  SystemClock clock;
  // The installed program is built knowing where its shipped files lie; the build tree's is
  // not, and keeps its data beside it.
  const std::optional<std::string> dataFolder = ReadyDataFolder(
      DataPlaces{files::ProgramFolder(), ONDULIX_SHIPPED_DATA,
                 UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))},
      dialogs);
  // No folder to keep the data in: the program has said which and why, before any window.
  if (!dataFolder) return EXIT_FAILURE;
  GLOBAL g(Platform{desktop, dialogs, printer, clock, *dataFolder});
  g.br_cp.Open(g);
  // The data files could not be read: the program has already said so and ended.
  if (desktop.Ended()) return 0;
  // The About window opened while the panel loaded; it stays in front of the panel.
  if (g.BR_ABOUT.Loaded()) g.BR_ABOUT->Show();
  return app.exec();
}
