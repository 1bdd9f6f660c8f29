// Program entry: the main window, the about box and the event loop.
#include "AppFiles.h"
#include "UnitQuorAbout.h"
#include "UnitQuorMain.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    // Only the name of files and folders: a display name would be appended
    // to every window title, and the titles are exactly those the windows set.
    QApplication::setApplicationName(QStringLiteral("hbquor"));

    TFormQuorMainOptions options;
    options.Files = AppFiles::ForProgram(QCoreApplication::applicationFilePath());
    TFormQuorMain FormQuorMain(std::move(options));
    TFormQuorAbout FormQuorAbout(&FormQuorMain);
    FormQuorMain.SetAboutBox(&FormQuorAbout);
    FormQuorMain.show();
    return application.exec();
}
