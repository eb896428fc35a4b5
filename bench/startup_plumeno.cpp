// Start-up of the real first screen, as main.cpp does it, in a program
// directory that already has its files (the first argument). Prints "painted <peak resident kB>"
// once the mode selection screen has been painted, then ends.
#include "Artwork.h"
#include "ModeScreen.h"
#include "Program.h"
#include "ProgramPaths.h"

#include "PaintedReport.h"
#include "Translations.h"

#include <QApplication>

namespace {

class PaintWatch : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            reportPaintedAndQuit();
        }
        return false;
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(Artwork::programIcon());
    Translations::installQtJapanese(app);
    if (argc > 1)
        ProgramPaths::setProgramDir(QString::fromLocal8Bit(argv[1]));

    PaintWatch watch;
    Program program;
    program.modeScreen()->installEventFilter(&watch);
    program.start();
    return app.exec();
}
