#include "Artwork.h"
#include "Form2.h"
#include "Module1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plumeno"));
    QApplication::setWindowIcon(Artwork::programIcon());
    Module1::InstallFontSubstitutions();

    Form2::instance()->show();
    return app.exec();
}
