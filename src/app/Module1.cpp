#include "Module1.h"

#include "FormRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QFont>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace Module1 {
namespace {

MsgResponder &responder()
{
    static MsgResponder r;
    return r;
}

QString &programDirOverride()
{
    static QString dir;
    return dir;
}

QString &userDataDirOverride()
{
    static QString dir;
    return dir;
}

bool writableDirectory(const QString &dir)
{
    // Permission bits do not tell (root, ACLs, read-only mounts): try it.
    static QHash<QString, bool> known;
    const auto it = known.constFind(dir);
    if (it != known.constEnd())
        return *it;
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".plumeno-XXXXXX")));
    const bool writable = QFileInfo(dir).isDir() && probe.open();
    known.insert(dir, writable);
    return writable;
}

QSizeF &screenOverride()
{
    static QSizeF size;
    return size;
}

QPointer<QWidget> &lastMainScreen()
{
    static QPointer<QWidget> w;
    return w;
}

bool isMainScreen(const QWidget *w)
{
    if (!w)
        return false;
    const QString name = w->objectName();
    return name == u"Form1" || name == u"Form2" || name == u"Form3";
}

MsgAnswer realMessageBox(const MsgBoxCall &call)
{
    QMessageBox box(QMessageBox::NoIcon, call.title, call.text);
    if (call.buttons == MsgButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (QWidget *active = ActiveForm(); active && !active->windowIcon().isNull())
        box.setWindowIcon(active->windowIcon());
    const int result = box.exec();
    if (call.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return result == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

} // namespace

SharedState &State()
{
    static SharedState state;
    return state;
}

MsgAnswer MsgBox(const QString &text, const QString &title, MsgButtons buttons)
{
    const MsgBoxCall call{text, title, buttons};
    if (responder())
        return responder()(call);
    return realMessageBox(call);
}

void SetMsgResponder(MsgResponder r)
{
    responder() = std::move(r);
}

QString ProgramDir()
{
    if (!programDirOverride().isEmpty())
        return programDirOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramDir(const QString &dir)
{
    programDirOverride() = dir;
}

QString ProgramPath(const QString &relative)
{
    return QDir(ProgramDir()).filePath(relative);
}

QString DataDir()
{
    const QString program = ProgramDir();
    if (writableDirectory(program))
        return program;
    QString user = userDataDirOverride();
    if (user.isEmpty())
        user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return user;
}

QString DataPath(const QString &relative)
{
    return QDir(DataDir()).filePath(relative);
}

void SetUserDataDirForTests(const QString &dir)
{
    userDataDirOverride() = dir;
}

static QScreen *gameScreen()
{
    if (QWidget *w = ActiveForm(); w && w->screen())
        return w->screen();
    return QGuiApplication::primaryScreen();
}

double ScreenWidth()
{
    if (screenOverride().width() > 0)
        return screenOverride().width();
    QScreen *s = gameScreen();
    return s ? s->geometry().width() * 15.0 : 0.0;
}

double ScreenHeight()
{
    if (screenOverride().height() > 0)
        return screenOverride().height();
    QScreen *s = gameScreen();
    return s ? s->geometry().height() * 15.0 : 0.0;
}

void SetScreenSizeForTests(double widthTwips, double heightTwips)
{
    screenOverride() = QSizeF(widthTwips, heightTwips);
}

void InstallFontSubstitutions()
{
    // The screens name the Windows Japanese fonts; here the IPA fonts stand
    // in for them, then Noto CJK where that is what is installed.
    const QStringList fixed{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")};
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), fixed);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportional);
    QFont::insertSubstitutions(QStringLiteral("MS P Gothic"), proportional);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), proportional);
}

QWidget *ActiveForm()
{
    // Offscreen and some window managers report no active window at all, so
    // the main screen activated last stands in for it.
    QWidget *w = QApplication::activeWindow();
    if (isMainScreen(w) && FormRegistry::open(w->objectName().mid(4).toInt()) == w)
        return w;
    QWidget *last = lastMainScreen();
    if (last && FormRegistry::open(last->objectName().mid(4).toInt()) == last)
        return last;
    for (int i : {1, 3, 2})
        if (QWidget *f = FormRegistry::open(i); f && f->isVisible())
            return f;
    return nullptr;
}

void NoteActiveMainScreen(QWidget *form)
{
    lastMainScreen() = form;
}

void PlaceAtActiveForm(QWidget *form)
{
    QWidget *active = ActiveForm();
    if (!active || active == form)
        return;
    const QPoint corner = active->frameGeometry().topLeft();
    form->move(corner);
}

void CenterOnActiveForm(QWidget *form)
{
    QWidget *active = ActiveForm();
    if (!active)
        return;
    const QRect a = active->frameGeometry();
    const QRect f = form->frameGeometry();
    // Halves are kept until the end so that odd sizes centre the same way
    // the twips arithmetic did.
    const double top = a.height() / 2.0 + a.top() - f.height() / 2.0;
    const double left = a.width() / 2.0 + a.left() - f.width() / 2.0;
    form->move(qRound(left), qRound(top));
}

void UnloadAllForms()
{
    for (int i = 1; i <= FormRegistry::FormCount; ++i)
        if (QWidget *form = FormRegistry::open(i))
            form->close();
}

void ResetForTests()
{
    State() = SharedState{};
    responder() = nullptr;
    programDirOverride().clear();
    userDataDirOverride().clear();
    screenOverride() = QSizeF();
    lastMainScreen() = nullptr;
    detail::resetSettingsFileState();
    detail::resetRankingFileState();
    SetColorDialogHook(nullptr);
    SetShellHook(nullptr);
}

void ExitApplication()
{
    ConfirmSaveSettings();
    UnloadAllForms();
}

} // namespace Module1
