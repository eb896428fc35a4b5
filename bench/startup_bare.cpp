// The yardstick for start-up: a bare Qt window with one label, its text in
// Latin letters or, with --japanese, in Japanese (which costs a Japanese
// font, as every screen of the game does). Prints
// "painted <peak resident kB>" once the window has been painted, then ends.
#include "PaintedReport.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent *event) override
    {
        QWidget::paintEvent(event);
        if (!m_done) {
            m_done = true;
            reportPaintedAndQuit();
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
