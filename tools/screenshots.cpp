// Renders each screen of the real program offscreen into PNG files, for the
// README and for checking layouts by eye:
//   QT_QPA_PLATFORM=offscreen ./screenshots OUTPUT-FOLDER [SCALE]
#include "Form1.h"
#include "Form2.h"
#include "Form3.h"
#include "Form4.h"
#include "Form5.h"
#include "Module1.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QWidget>

namespace {

void shoot(QWidget *w, const QString &dir, const QString &name)
{
    w->show();
    QApplication::processEvents();
    const QPixmap p = w->grab();
    p.save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 3)
        qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: screenshots OUTPUT-FOLDER [SCALE]");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir programDir;
    Module1::SetProgramDir(programDir.path());
    Module1::InstallFontSubstitutions();
    Module1::SetMsgResponder([](const Module1::MsgBoxCall &) { return Module1::MsgAnswer::Ok; });
    Module1::EnsureSettingsFile();

    shoot(Form2::instance(), out, QStringLiteral("form2"));
    Form1 *training = Form1::instance();
    training->Label1->setText(QStringLiteral("4821"));
    shoot(training, out, QStringLiteral("form1"));
    shoot(Form3::instance(), out, QStringLiteral("form3"));
    Form4 *ranking = Form4::instance();
    ranking->fileread();
    shoot(ranking, out, QStringLiteral("form4"));
    shoot(Form5::instance(), out, QStringLiteral("form5"));
    return 0;
}
