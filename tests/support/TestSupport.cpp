#include "TestSupport.h"

#include "ModeScreen.h"
#include "PictureButton.h"
#include "Program.h"
#include "ProgramPaths.h"
#include "ScreenRegistry.h"
#include "TrainingScreen.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

namespace {

QObject *g_watches = nullptr;
TestEnvironment *g_environment = nullptr;
const QStringList OpenedSchemes{"file", "http", "https", "mailto"};

// The context of the dialog watches, and what QDesktopServices hands every
// address to instead of the desktop.
class Watches : public QObject
{
    Q_OBJECT
public:
    explicit Watches(QList<QUrl> &opened) : m_opened(opened)
    {
        for (const QString &scheme : OpenedSchemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~Watches() override
    {
        for (const QString &scheme : OpenedSchemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
public slots:
    void open(const QUrl &url) { m_opened << url; }

private:
    QList<QUrl> &m_opened;
};

} // namespace

TestEnvironment::TestEnvironment(WavePlayerFactory *soundSource)
    : m_watches(std::make_unique<Watches>(opened))
{
    g_watches = m_watches.get();
    g_environment = this;
    if (qEnvironmentVariableIsSet("XDG_DATA_HOME"))
        m_dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("user"))));
    QCoreApplication::setApplicationName(QStringLiteral("Plumeno")); // as the game names itself
    m_program = std::make_unique<Program>(static_cast<ColourDialog *>(this), soundSource ? soundSource : &sound);
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
}

TestEnvironment::~TestEnvironment()
{
    g_watches = nullptr;
    m_watches.reset();
    ScreenRegistry::closeAll();
    // Let the deferred deletions run.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    m_program.reset();
    Messages::setResponder(nullptr);
    ProgramPaths::setProgramDir(QString());
    m_dataHome ? qputenv("XDG_DATA_HOME", *m_dataHome) : qunsetenv("XDG_DATA_HOME");
    g_environment = nullptr;
}

StoredSettings TestEnvironment::settings() const { return m_program->settings().values(); }

void TestEnvironment::changeSettings(const std::function<void(StoredSettings &)> &change) const
{
    StoredSettings values = settings();
    change(values);
    m_program->settings().set(values);
}

QString TestEnvironment::path(const QString &relative) const { return QDir(m_dir.path()).filePath(relative); }

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
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path(relative)));
}

QByteArray TestEnvironment::readFile(const QString &relative) const
{
    QFile f(path(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestEnvironment::writeDefaultFiles() const
{
    writeFile(QStringLiteral("Plumeno.config"), TestSupport::DefaultSettings);
    writeFile(QStringLiteral("DATA/Data1.data"), TestSupport::DefaultNames);
    writeFile(QStringLiteral("DATA/Data2.data"), TestSupport::DefaultScores);
}

namespace TestSupport {

Program &program()
{
    Q_ASSERT(g_environment);
    return g_environment->program();
}

TrainingScreen *openTrainingScreen(TestEnvironment &env, const QStringList &choices, const QByteArray &settings)
{
    env.writeDefaultFiles();
    env.writeFile(QStringLiteral("Plumeno.config"), settings);
    env.program().start()->m_trainingButton->click();
    TrainingScreen *screen = TrainingScreen::existing();
    const QList<QComboBox *> boxes{screen->m_digitsBox, screen->m_termsBox, screen->m_intervalBox};
    for (int i = 0; i < choices.size(); ++i)
        boxes[i]->setEditText(choices[i]);
    return screen;
}

bool userClose(QWidget *window)
{
    QPointer<QWidget> guard(window);
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(window, &event);
    if (event.isAccepted() && guard)
        guard->close();
    return event.isAccepted();
}

void whenDialogOpens(const QString &objectName, std::function<void(QWidget *)> act)
{
    QTimer::singleShot(2, g_watches ? g_watches : qApp, [objectName, act] {
        QWidget *dialog = openDialog();
        if (dialog && (objectName.isEmpty() || dialog->objectName() == objectName))
            act(dialog);
        else
            whenDialogOpens(objectName, act);
    });
}

void answerDialog(QWidget *dialog, const QString &text)
{
    auto *field = dialog->findChild<QLineEdit *>();
    field->selectAll();
    enterText(field, QStringLiteral("typed"), text);
    QTest::keyClick(field, Qt::Key_Return);
}

void answerNextDialog(std::function<QString()> text)
{
    whenDialogOpens(QString(), [text](QWidget *dialog) { answerDialog(dialog, text()); });
}

void enterText(QLineEdit *field, const QString &how, const QString &text)
{
    if (how == u"keys") {
        QTest::keyClicks(field, text);
    } else if (how == u"typed") {
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent key(type, Qt::Key_unknown, Qt::NoModifier, text.mid(i, len));
                QCoreApplication::sendEvent(field, &key);
            }
            i += len;
        }
    } else if (how == u"ime") {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(field, &commit);
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

#include "TestSupport.moc"
