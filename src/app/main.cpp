// Ondulix: starts the window system, loads the main control panel and runs until it closes.
#include <QApplication>
#include <QIcon>
#include <QWindow>

#include <cstdlib>
#include <optional>
#include <string>

#include "app/br_about.h"
#include "app/br_cp.h"
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
  WindowRef<br_cp> panel;
  panel.Open(g);
  // The data files could not be read: the program has already said so and ended.
  if (desktop.Ended()) return 0;
  // The About window opened while the panel loaded. The window system makes the panel, put up
  // last, the active window; once it has, the About window comes back in front with the keyboard.
  QMetaObject::Connection aboutInFront;
  aboutInFront = QObject::connect(&app, &QGuiApplication::focusWindowChanged, [&](QWindow* active) {
    QWidget* panelWindow = panel.Loaded() ? desktop.Window(*panel.get()) : nullptr;
    if (!panelWindow || active != panelWindow->windowHandle()) return;
    QObject::disconnect(aboutInFront);
    if (panel->BR_ABOUT.Loaded()) panel->BR_ABOUT->Show();
  });
  return app.exec();
}
