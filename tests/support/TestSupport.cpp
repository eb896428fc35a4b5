#include "TestSupport.h"

#include "ProgramPaths.h"
#include "ProgramReset.h"
#include "ScreenRegistry.h"
#include "SettingsFile.h"
#include "SoundPlayer.h"
#include "Messages.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

TestEnvironment::TestEnvironment()
{
    ProgramReset::resetForTests();
    ProgramPaths::setProgramDir(m_dir.path());
    qApp->setQuitOnLastWindowClosed(false);
    Messages::setResponder([this](const Messages::Call &call) {
        messages.append(call);
        if (onMessage)
            onMessage(call);
        if (call.buttons == Messages::Buttons::Ok)
            return Messages::Answer::Ok;
        return answers.isEmpty() ? Messages::Answer::Yes : answers.takeFirst();
    });
    SoundPlayer::setCommandLog([this](const QString &command, const QString &file) {
        const QString entry = file.isEmpty() ? command : command + u' ' + file;
        soundCommands.append(entry);
        if (onSound)
            onSound(entry);
    });
}

TestEnvironment::~TestEnvironment()
{
    TestSupport::closeAllScreens();
    SoundPlayer::setCommandLog(nullptr);
    ProgramReset::resetForTests();
}

QString TestEnvironment::path(const QString &relative) const
{
    return QDir(m_dir.path()).filePath(relative);
}

QStringList TestEnvironment::messageTexts() const
{
    QStringList texts;
    for (const auto &m : messages)
        texts << m.text;
    return texts;
}

void TestEnvironment::writeFile(const QString &relative, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
    QFile f(path(relative));
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path(relative)));
    f.write(bytes);
}

QByteArray TestEnvironment::readFile(const QString &relative) const
{
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestEnvironment::writeDefaultFiles() const
{
    writeFile(QStringLiteral("Plumeno.config"), SettingsFile::serialize(SettingsFile::Defaults));
    writeFile(QStringLiteral("DATA/Data1.data"), "AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nEEEEEEEE\r\n");
    writeFile(QStringLiteral("DATA/Data2.data"), "150000\r\n130000\r\n100000\r\n70000\r\n50000\r\n");
}

namespace TestSupport {

void closeAllScreens()
{
    ScreenRegistry::closeAll();
    // Let the deferred deletions run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool userClose(QWidget *window)
{
    QPointer<QWidget> guard(window);
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(window, &event);
    const bool accepted = event.isAccepted();
    if (accepted && guard)
        guard->close();
    return accepted;
}

void answerNextDialog(const QString &text, int delayMs)
{
    answerNextDialog(std::function<QString()>([text] { return text; }), delayMs);
}

namespace {

void answerWhenOpen(std::function<QString()> text, int delayMs, int triesLeft)
{
    QTimer::singleShot(delayMs, qApp, [text, triesLeft] {
        QWidget *dialog = openDialog();
        if (!dialog) {
            // Not open yet: look again shortly, but not for ever, so a test
            // that failed early leaves nothing behind for the next one.
            if (triesLeft > 0)
                answerWhenOpen(text, 2, triesLeft - 1);
            return;
        }
        QWidget *edit = dialog->focusWidget() ? dialog->focusWidget() : dialog;
        QTest::keyClicks(edit, text());
        QTest::keyClick(edit, Qt::Key_Return);
    });
}

} // namespace

void answerNextDialog(std::function<QString()> text, int delayMs)
{
    answerWhenOpen(std::move(text), delayMs, 10000);
}

void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString character = text.mid(i, len);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QCoreApplication::sendEvent(widget, &release);
        i += len;
    }
}

void commitText(QWidget *widget, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(widget, &commit);
}

void enterText(QLineEdit *field, const QString &how, const QString &text)
{
    if (how == u"keys") {
        QTest::keyClicks(field, text);
    } else if (how == u"typed") {
        typeText(field, text);
    } else if (how == u"ime") {
        commitText(field, text);
    } else if (how == u"paste") {
        QGuiApplication::clipboard()->setText(text);
        field->paste();
    } else {
        qFatal("no way of entering text called %s", qPrintable(how));
    }
}

QWidget *openDialog()
{
    QWidget *dialog = QApplication::activeModalWidget();
    return dialog && dialog->isVisible() ? dialog : nullptr;
}

} // namespace TestSupport
