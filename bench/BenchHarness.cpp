#include "BenchHarness.h"

#include "Messages.h"
#include "Program.h"
#include "ProgramPaths.h"
#include "RankingFiles.h"
#include "ScreenRegistry.h"
#include "SettingsStore.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

class DialogWatcher : public QObject
{
public:
    explicit DialogWatcher(BenchHarness *h)
        : m_h(h)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && w->isWindow() && (w->objectName() == u"AnswerDialog" || w->objectName() == u"NameDialog")) {
                QPointer<QWidget> dialog(w);
                const QString name = w->objectName();
                if (m_h->onDialogShown)
                    m_h->onDialogShown(name);
                QTimer::singleShot(m_h->answerDelayMs, Qt::PreciseTimer, qApp, [this, dialog, name] {
                    if (!dialog || !m_h->answer)
                        return;
                    auto *edit = dialog->findChild<QLineEdit *>();
                    edit->setText(m_h->answer(name));
                    QTest::keyClick(edit, Qt::Key_Return);
                });
            }
        }
        return false;
    }

private:
    BenchHarness *m_h;
};

BenchHarness::BenchHarness(WavePlayerFactory *soundSource)
{
    ProgramPaths::setProgramDir(m_dir.path());
    m_program = std::make_unique<Program>(nullptr, soundSource);
    Messages::setResponder([this](const Messages::Call &call) {
        if (onMessage)
            onMessage(call.text);
        return call.buttons == Messages::Buttons::Ok ? Messages::Answer::Ok : Messages::Answer::Yes;
    });
    m_program->settings().writeFile();
    RankingFiles::writePair(RankingFiles::fileBytes(RankingFiles::defaultNames(), false),
                            RankingFiles::fileBytes(RankingFiles::defaultScores(), false));
    m_watcher = new DialogWatcher(this);
    qApp->installEventFilter(m_watcher);
}

BenchHarness::~BenchHarness()
{
    qApp->removeEventFilter(m_watcher);
    delete m_watcher;
    ScreenRegistry::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_program.reset();
    Messages::setResponder(nullptr);
    ProgramPaths::setProgramDir(QString());
}

BusyCore::BusyCore()
    : m_thread([this] {
        volatile std::uint64_t x = 0;
        while (!m_stop.load(std::memory_order_relaxed))
            x = x + 1;
    })
{}

BusyCore::~BusyCore()
{
    m_stop = true;
    m_thread.join();
}

qint64 benchNowNs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed();
}
