// The yardstick for start-up: a bare Qt window with one label. Prints
// "painted <peak resident kB>" once the window has been painted, then ends.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>

namespace {

long peakKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QWidget::paintEvent(event);
        if (!m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("painted %ld\n", peakKb());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
    }

private:
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window w;
    auto *layout = new QVBoxLayout(&w);
    layout->addWidget(new QLabel(QStringLiteral("Plumeno")));
    w.show();
    return app.exec();
}
