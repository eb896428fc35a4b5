#include "Artwork.h"
#include "ProgramSetup.h"
#include "ModeScreen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plumeno"));
    QApplication::setWindowIcon(Artwork::programIcon());
    ProgramSetup::install();

    ModeScreen::instance()->show();
    return app.exec();
}
