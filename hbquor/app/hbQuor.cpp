// Program entry: the main window, the about box and the event loop.
#include "AppFiles.h"
#include "UnitQuorAbout.h"
#include "UnitQuorMain.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hbquor"));
    QApplication::setApplicationDisplayName(QStringLiteral("HB Quor"));

    TFormQuorMainOptions options;
    options.Files = AppFiles::ForProgram(QCoreApplication::applicationFilePath());
    TFormQuorMain FormQuorMain(std::move(options));
    TFormQuorAbout FormQuorAbout(&FormQuorMain);
    FormQuorMain.SetAboutBox(&FormQuorAbout);
    FormQuorMain.show();
    return application.exec();
}
