// SPDX-License-Identifier: MIT
// Program entry: the client core, the main window that shows it, the about
// box and the event loop.
#include "AppFiles.h"
#include "ChatClient.h"
#include "ProgramLanguage.h"
#include "ShutdownSignals.h"
#include "UnitQuorAbout.h"
#include "UnitQuorMain.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    // Only the name of files and folders: a display name would be appended
    // to every window title, and the titles are exactly those the windows set.
    QApplication::setApplicationName(QStringLiteral("hbquor"));
    // The menu entry's name (hbquor.desktop), by which a Wayland compositor
    // and the notification service match the windows to their icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("hbquor"));
    // Before any window exists: each takes its texts as it is made.
    hbquor::common::InstallProgramLanguage(application,
                                           hbquor::common::ProgramTranslationFolders());
    // Watched from the start, so a signal during start-up is not lost.
    ShutdownSignals shutdownSignals;

    hbquor::client::ChatClient client;
    TFormQuorMainOptions options;
    options.Files = AppFiles::ForProgram(QCoreApplication::applicationFilePath());
    TFormQuorMain FormQuorMain(client, std::move(options));
    TFormQuorAbout FormQuorAbout(&FormQuorMain);
    FormQuorMain.SetAboutBox(&FormQuorAbout);
    // The desktop session is ending (or the terminal asks to stop): save as
    // closing the window does, without asking, and end normally.
    QObject::connect(&shutdownSignals, &ShutdownSignals::Received, &FormQuorMain, [&] {
        FormQuorMain.CloseWithoutAsking();
        QApplication::exit(0);
    });
    FormQuorMain.show();
    return application.exec();
}
