#include "BenchHarness.h"

#include "Module1.h"

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
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && w->isWindow() && (w->objectName() == u"Form5" || w->objectName() == u"Form6")) {
                QPointer<QWidget> dialog(w);
                const QString name = w->objectName();
                if (m_h->onDialogShown)
                    m_h->onDialogShown(name);
                QTimer::singleShot(m_h->answerDelayMs, Qt::PreciseTimer, qApp, [this, dialog, name] {
                    if (!dialog || !m_h->answer)
                        return;
                    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("Text1"));
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

BenchHarness::BenchHarness()
{
    Module1::ResetForTests();
    Module1::SetProgramDir(m_dir.path());
    Module1::SetMsgResponder([this](const Module1::MsgBoxCall &call) {
        if (onMessage)
            onMessage(call.text);
        return call.buttons == Module1::MsgButtons::Ok ? Module1::MsgAnswer::Ok : Module1::MsgAnswer::Yes;
    });
    Module1::SetDefaultSettings();
    Module1::WriteSettingsFile();
    Module1::WriteDefaultRanking();
    Module1::State().StartupDone = true;
    m_watcher = new DialogWatcher(this);
    qApp->installEventFilter(m_watcher);
}

BenchHarness::~BenchHarness()
{
    qApp->removeEventFilter(m_watcher);
    delete m_watcher;
    Module1::UnloadAllForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::ResetForTests();
}

BusyCore::BusyCore()
    : m_thread([this] {
          volatile std::uint64_t x = 0;
          while (!m_stop.load(std::memory_order_relaxed))
              x = x + 1;
      })
{
}

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
