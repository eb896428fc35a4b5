#pragma once

#include "Messages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class QLineEdit;
class QWidget;

// What every screen test needs: a fresh program directory, the shared state
// of a fresh start, message boxes answered and recorded, sound commands
// recorded instead of played.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    QString dir() const { return m_dir.path(); }
    QString path(const QString &relative) const;

    // Message boxes: every call is recorded; Yes/No questions get the next
    // queued answer (Yes when none is queued).
    QList<Messages::Call> messages;
    QList<Messages::Answer> answers;
    std::function<void(const Messages::Call &)> onMessage;
    QStringList messageTexts() const;

    QStringList soundCommands; // "Close", "Open <file name>", "Play"
    std::function<void(const QString &command)> onSound;

    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    void writeDefaultFiles() const; // settings and ranking as a first start leaves them

private:
    QTemporaryDir m_dir;
};

namespace TestSupport {

// Closes every screen and lets Qt delete them.
void closeAllScreens();

// Delivers a close by the user (the close box) to a window; returns whether
// the window accepted it, and if so closes it as the window system would.
bool userClose(QWidget *window);

// Answers the next modal dialog (AnswerDialog, NameDialog) by typing text and Enter.
void answerNextDialog(const QString &text, int delayMs = 0);
// The same, with the text worked out when the dialog has opened.
void answerNextDialog(std::function<QString()> text, int delayMs = 0);

// The modal dialog open now, or nullptr.
QWidget *openDialog();

// Types text one character at a time as key presses that carry it, the way
// any keyboard layout delivers a character, control characters too (which
// QTest::keyClicks cannot send).
void typeText(QWidget *widget, const QString &text);

// Commits text through an input method, as a Japanese input method does
// when the player confirms a conversion.
void commitText(QWidget *widget, const QString &text);

// Puts text into a field at its cursor the way a player can: "keys"
// (QTest's key clicks), "typed" (typeText), "ime" (commitText) or "paste"
// (through the clipboard).
void enterText(QLineEdit *field, const QString &how, const QString &text);

} // namespace TestSupport
