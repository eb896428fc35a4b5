// The yardstick for start-up: a bare Qt window with one label, its text in
// Latin letters or, with --japanese, in Japanese (which costs a Japanese
// font, as every screen of the game does). Prints
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
    const bool japanese = app.arguments().contains(QStringLiteral("--japanese"));
    layout->addWidget(new QLabel(japanese ? QStringLiteral("フラッシュ暗算") : QStringLiteral("Plumeno")));
    w.show();
    return app.exec();
}
