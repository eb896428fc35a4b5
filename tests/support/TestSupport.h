#pragma once

#include "ColourDialog.h"
#include "Messages.h"
#include "RecordingSound.h"
#include "StoredSettings.h"

#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class Program;
class QLineEdit;
class QObject;
class QWidget;
class TrainingScreen;

namespace TestSupport {

// The files a first start writes, byte for byte.
inline const QByteArray DefaultSettings = "65280\r\n0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n";
inline const QByteArray DefaultNames = "AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nEEEEEEEE\r\n";
inline const QByteArray DefaultScores = "150000\r\n130000\r\n100000\r\n70000\r\n50000\r\n";

} // namespace TestSupport

// What every screen test needs: a fresh program directory (and user data
// folder, "user/Plumeno" in it), the program assembled afresh, message boxes
// answered and recorded, sound commands played by a recording stand-in,
// colours chosen by the test, files and addresses the desktop would open
// recorded instead.
class TestEnvironment : private ColourDialog
{
public:
    // Sounds go to `sound` below unless another source is given.
    explicit TestEnvironment(WavePlayerFactory *soundSource = nullptr);
    ~TestEnvironment();

    Program &program() const { return *m_program; }
    // The settings in memory, read and changed as the menu commands do.
    StoredSettings settings() const;
    void changeSettings(const std::function<void(StoredSettings &)> &change) const;

    // The colour dialog: given the colour it starts on, the colour chosen
    // (nullopt: cancelled). Unset: the colour it started on.
    std::function<std::optional<QColor>(const QColor &preset)> chooseColour;

    QString dir() const { return m_dir.path(); }
    QString path(const QString &relative) const;

    // Message boxes: every call is recorded; Yes/No questions get the next
    // queued answer (Yes when none is queued).
    QList<Messages::Call> messages;
    QList<Messages::Answer> answers;
    std::function<void(const Messages::Call &)> onMessage;
    QStringList messageTexts() const;

    RecordingSound sound; // sound.calls: "play <file name>", "stop"
    QList<QUrl> opened; // by QDesktopServices::openUrl, for "file", "http", "https", "mailto"

    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    void writeDefaultFiles() const; // settings and ranking as a first start leaves them

private:
    std::optional<QColor> choose(const QColor &preset) override { return chooseColour ? chooseColour(preset) : preset; }

    QTemporaryDir m_dir;
    std::optional<QByteArray> m_dataHome; // XDG_DATA_HOME as it was
    std::unique_ptr<QObject> m_watches; // dialog watches end with the environment; it also records what is opened
    std::unique_ptr<Program> m_program;
};

namespace TestSupport {

Program &program(); // of the environment of the test under way

// Starts the program on the given files (the defaults, with these settings),
// goes on to the training screen and puts the choices (digits, terms,
// interval) into its boxes.
TrainingScreen *openTrainingScreen(TestEnvironment &env, const QStringList &choices = {},
                                   const QByteArray &settings = DefaultSettings);

// Delivers a close by the user (the close box) to a window; returns whether
// the window accepted it, and if so closes it as the window system would.
bool userClose(QWidget *window);

// Runs `act` on the next modal dialog with that object name (any, when
// empty) once it is open; the watch ends with the test's environment.
void whenDialogOpens(const QString &objectName, std::function<void(QWidget *)> act);

// Replaces the text of a dialog's field by typing, then presses Enter.
void answerDialog(QWidget *dialog, const QString &text);

// Answers the next modal dialog (AnswerDialog, NameDialog) by typing text,
// worked out when the dialog has opened, and Enter.
void answerNextDialog(std::function<QString()> text);

// The modal dialog open now, or nullptr.
QWidget *openDialog();

// Puts text into a field at its cursor the way a player can: "keys"
// (QTest's key clicks), "typed" (key presses that carry the text, control
// characters too, as any keyboard layout delivers them), "ime" (committed
// by an input method) or "paste" (through the clipboard).
void enterText(QLineEdit *field, const QString &how, const QString &text);

} // namespace TestSupport
