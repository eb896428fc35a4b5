#include "Artwork.h"
#include "CommandLine.h"
#include "Program.h"
#include "ProgramIdentity.h"
#include "Translations.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    {
        // Before QApplication, so that --version and --help need no display.
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> status = CommandLine::handle(arguments, out, err))
            return *status;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plumeno"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ProgramIdentity::DesktopFileName));
    QApplication::setWindowIcon(Artwork::programIcon());
    Translations::installQtJapanese(app);

    Program program;
    program.start();
    return app.exec();
}
