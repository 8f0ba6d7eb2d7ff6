// The program: Qt, the services, the start procedure, and the event loop while a form is loaded.
#include <QApplication>
#include <QIcon>

#include "app/module1.h"
#include "game/window/frm_quopa.h"
#include "resources/resources.h"
#include "runtime/app.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/qt_clock.h"
#include "runtime/qt/qt_colour_chooser.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_display.h"
#include "runtime/qt/qt_folders.h"
#include "runtime/qt/qt_help.h"
#include "runtime/qt/qt_instance.h"
#include "runtime/qt/qt_settings.h"
#include "runtime/qt/qt_sound.h"
#include "runtime/qt/qt_timers.h"
#include "runtime/qt/toolkit_warm_up.h"

int main(int, char** argv) {
    // The program takes no arguments: Qt is handed the program's name only.
    static int argc = 1;
    static char* args[] = {argv[0], nullptr};
    // Pictures reach the X server through the connection rather than shared memory. A roll
    // repaints the same five dice thirty times a second, and with shared memory each repaint
    // must first wait for the server to confirm it has read the previous one (a round trip
    // per frame); through the connection no frame waits, and a roll costs the program and the
    // server about a fifth less, while the start and the repaints of the whole window cost the
    // same (the toolkit keeps the window's contents in a server-side pixmap either way).
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication application(argc, args);
    QApplication::setApplicationName("Dazivuvera");

    // The services live inside the application object's lifetime: they hold Qt objects.
    rt::qt::QtSettingsStore settings;
    rt::qt::QtDialogs dialogs;
    rt::qt::QtHelpViewer help;
    rt::qt::QtSoundOutput sound;
    rt::qt::QtTimerService timers;
    rt::qt::QtClock clock;
    rt::qt::QtDisplay display;
    rt::qt::QtSpecialFolders folders;
    rt::qt::QtInstanceLock instance;
    rt::qt::QtColourChooser colours;
    rt::app().install(rt::Services{&settings, &dialogs, &help, &sound, &timers, &clock, &display,
                                   &folders, &instance, &colours});

    QApplication::setWindowIcon(QIcon(rt::qt::toPixmap(quopa::resources::icon(1))));
    // While the splash window waits, the toolkit's first-use costs of the main window are paid
    // (its fonts opened, the busy pointer loaded) and its logo, pointer pictures and default
    // dice are drawn, so that the main window appears sooner after the wait.
    display.setWorkAhead([] {
        rt::qt::warmUpToolkit();
        for (const rt::Font& font : quopa::frmQUOPA::designFonts()) rt::qt::warmUpFont(font);
        rt::qt::warmUpBusyPointer();
        for (const rt::Picture& picture : {quopa::resources::logo(), quopa::resources::liftCursor(),
                                           quopa::resources::dropCursor()})
            rt::qt::toPixmap(picture);
        for (const rt::Picture& picture : quopa::frmQUOPA::defaultStylePictures())
            rt::qt::toPixmap(picture);
    });

    if (rt::guard(quopa::Main)) display.run();

    // Forms that are still loaded outlive main; nothing may reach the services from now on.
    rt::app().install(rt::Services{});
    return 0;
}
