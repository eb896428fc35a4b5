#include "Form8.h"

#include "Artwork.h"
#include "Module1.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

// Addresses of this project, shown on the screen and opened by its links.
const QString Form8::RightsHolder = QStringLiteral("(C) Plumeno developers");
const QString Form8::MailAddress = QStringLiteral("plumeno@example.org");
const QString Form8::HomePage = QStringLiteral("https://plumeno.example.org/");

namespace {

QLabel *label(QWidget *parent, const char *objectName, const QString &text, QRect at)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(objectName));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(at);
    return l;
}

void setTextColor(QLabel *l, const QColor &color)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
}

QCursor pointingHand()
{
    const QPixmap hand = Artwork::pixmap(QStringLiteral("hand"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 12, 1); // the fingertip
}

} // namespace

Form8::Form8()
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Plumeno-情報-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(5385, 3600));
    QFont windowFont(QStringLiteral("MS PGothic"));
    windowFont.setPointSize(9);
    setFont(windowFont);

    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(240, 240, 615, 615));
    Command1->setIcon(Artwork::programIcon());
    Command1->setIconSize(QSize(32, 32));
    // Only the icon shows: screen readers say where it leads, mice see it.
    Command1->setAccessibleName(QStringLiteral("Plumeno ホームページ"));
    Command1->setAccessibleDescription(HomePage);
    Command1->setToolTip(HomePage);
    Command1->setAutoDefault(false);

    Image1 = label(this, "Image1", QString(), Twips::rect(1080, 120, 3480, 885));
    Image1->setPixmap(Artwork::pixmap(QStringLiteral("title_small"), 0));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setAccessibleName(QStringLiteral("Plumeno"));

    buildFrame();

    Label10 = label(this, "Label10", QStringLiteral("質問･要望･感想･バグ情報はメールおよびHP掲示板にてお気軽に"),
                    Twips::rect(120, 2640, 5175, 255));
    Label1 = label(this, "Label1", QStringLiteral("注意："), Twips::rect(120, 3000, 495, 255));
    setTextColor(Label1, QColor(255, 0, 0));
    Label9 = label(this, "Label9",
                   QStringLiteral("表示されている E-Mailアドレス、HPのURLは2003/08/29現在のものです。"),
                   Twips::rect(600, 3000, 3495, 375));
    Label9->setWordWrap(true);
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command2 = new QPushButton(QStringLiteral("Close"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAccessibleName(QStringLiteral("Close"));
    Command2->setGeometry(Twips::rect(4200, 3000, 1095, 495));
    Command2->setIcon(Artwork::icon(QStringLiteral("close_small")));
    QFont closeFont(QStringLiteral("MS PGothic"));
    closeFont.setPointSize(9);
    closeFont.setBold(true);
    Command2->setFont(closeFont);
    Command2->setDefault(true);
    Command2->setFocus();

    connect(Command1, &QAbstractButton::clicked, this, [] { Module1::ShellOpen(HomePage); });
    connect(Command2, &QAbstractButton::clicked, this, &QWidget::close);

    // The links change colour as the mouse moves over the form, the frame,
    // the address lines and the links themselves; the other controls keep
    // such moves to themselves, so the colours stay as they were there.
    setMouseTracking(true);
    for (QWidget *w : std::initializer_list<QWidget *>{Frame1, Label4, Label5, Label6, Label7, Label8}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{Label1, Label2, Label3, Label9, Label10, Image1, Command1,
                                                       Command2})
        w->setAttribute(Qt::WA_NoMousePropagation);
}

void Form8::buildFrame()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(Twips::rect(120, 960, 5175, 1575));

    // Two ideographic spaces in front of the shorter headings put every
    // colon of the frame in one column of the fixed-pitch font.
    Label2 = label(Frame1, "Label2", QStringLiteral("　　著作権：") + RightsHolder, Twips::rect(120, 240, 4935, 255));
    Label3 = label(Frame1, "Label3", QStringLiteral("バージョン：1.01.02"), Twips::rect(120, 480, 4935, 255));
    Label4 = label(Frame1, "Label4", QStringLiteral("　　公開日：2003/08/29"), Twips::rect(120, 720, 2055, 255));
    Label5 = label(Frame1, "Label5", QStringLiteral("　　E-Mail："), Twips::rect(120, 960, 1095, 255));
    Label7 = label(Frame1, "Label7", MailAddress, Twips::rect(1200, 960, 2175, 255));
    Label6 = label(Frame1, "Label6", QStringLiteral("HP-Address："), Twips::rect(120, 1200, 1095, 255));
    Label8 = label(Frame1, "Label8", HomePage, Twips::rect(1200, 1200, 3615, 255));

    QFont fixed(QStringLiteral("MS Gothic"));
    fixed.setPointSize(9);
    for (QLabel *l : {Label2, Label3, Label4, Label5, Label6, Label7, Label8})
        l->setFont(fixed);
    for (QLabel *link : {Label7, Label8})
        link->setCursor(pointingHand());
}

void Form8::hoverOver(const QObject *over)
{
    const QColor blue(0, 0, 255);
    const QColor black(0, 0, 0);
    setTextColor(Label7, over == Label7 ? blue : black);
    setTextColor(Label8, over == Label8 ? blue : black);
}

void Form8::mouseMoveEvent(QMouseEvent *event)
{
    hoverOver(this);
    event->accept();
}

bool Form8::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        hoverOver(watched);
        return true; // handled here, not again by the frame or the form
    }
    if (event->type() == QEvent::MouseButtonRelease && (watched == Label7 || watched == Label8)) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *link = static_cast<QLabel *>(watched);
        // The pressed label takes every release, so check it ends over the link.
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint()))
            Module1::ShellOpen(watched == Label7 ? QStringLiteral("mailto:") + MailAddress : HomePage);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
