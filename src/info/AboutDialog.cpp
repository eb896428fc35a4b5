#include "AboutDialog.h"

#include "Artwork.h"
#include "HelpCommands.h"
#include "ProgramIdentity.h"
#include "Twips.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

// Addresses of this project, shown on the screen and opened by its links;
// the build defines them once for the program, its manual and its package.
const QString AboutDialog::RightsHolder = QString::fromUtf8(ProgramIdentity::RightsHolder);
const QString AboutDialog::MailAddress = QString::fromUtf8(ProgramIdentity::MailAddress);
const QString AboutDialog::HomePage = QString::fromUtf8(ProgramIdentity::HomePage);

namespace {

QLabel *label(QWidget *parent, const char *objectName, const QString &text, QRect at)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(objectName));
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(at);
    return l;
}

void setTextColour(QLabel *l, const QColor &color)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, color);
    l->setPalette(pal);
}

// Back to the text colour the label inherits, so that a link not pointed
// at reads like the text around it on a light or a dark desktop alike.
void setPlainTextColour(QLabel *l)
{
    l->setPalette(QPalette());
}

bool isActivationKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
}

QCursor pointingHand()
{
    const QPixmap hand = Artwork::pixmap(QStringLiteral("hand"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 12, 1); // the fingertip
}

} // namespace

AboutDialog::AboutDialog()
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("Plumeno-情報-"));
    setWindowIcon(Artwork::programIcon());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Twips::size(5385, 3600));
    QFont windowFont(QStringLiteral("MS PGothic"));
    windowFont.setPointSize(9);
    setFont(windowFont);

    m_homePageButton = new QPushButton(this);
    m_homePageButton->setObjectName(QStringLiteral("homePageButton"));
    m_homePageButton->setGeometry(Twips::rect(240, 240, 615, 615));
    m_homePageButton->setIcon(Artwork::programIcon());
    m_homePageButton->setIconSize(QSize(32, 32));
    // Only the icon shows: screen readers say where it leads, mice see it.
    m_homePageButton->setAccessibleName(QStringLiteral("Plumeno ホームページ"));
    m_homePageButton->setAccessibleDescription(HomePage);
    m_homePageButton->setToolTip(HomePage);
    // Enter on the focused button opens the home page as a click does; the
    // Close button takes Enter back as soon as the focus moves on.
    m_homePageButton->setAutoDefault(true);

    m_titleImage = label(this, "titleImage", QString(), Twips::rect(1080, 120, 3480, 885));
    m_titleImage->setPixmap(Artwork::pixmap(QStringLiteral("title_small"), 0));
    m_titleImage->setAlignment(Qt::AlignCenter);
    m_titleImage->setAccessibleName(QStringLiteral("Plumeno"));

    buildFrame();

    m_contactLabel = label(this, "contactLabel", QStringLiteral("質問･要望･感想･バグ情報はメールおよびHP掲示板にてお気軽に"),
                           Twips::rect(120, 2640, 5175, 255));
    m_noticeCaption = label(this, "noticeCaption", QStringLiteral("注意："), Twips::rect(120, 3000, 495, 255));
    setTextColour(m_noticeCaption, QColor(255, 0, 0));
    m_noticeText = label(this, "noticeText", QStringLiteral("表示されている E-Mailアドレス、HPのURLは2003/08/29現在のものです。"),
                         Twips::rect(600, 3000, 3495, 375));
    m_noticeText->setWordWrap(true);
    m_noticeText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setAccessibleName(QStringLiteral("Close"));
    m_closeButton->setGeometry(Twips::rect(4200, 3000, 1095, 495));
    m_closeButton->setIcon(Artwork::icon(QStringLiteral("close_small")));
    QFont closeFont(QStringLiteral("MS PGothic"));
    closeFont.setPointSize(9);
    closeFont.setBold(true);
    m_closeButton->setFont(closeFont);
    m_closeButton->setDefault(true);
    m_closeButton->setFocus();

    connect(m_homePageButton, &QAbstractButton::clicked, this, [] { Help::shellOpen(HomePage); });
    connect(m_closeButton, &QAbstractButton::clicked, this, &QWidget::close);

    // The links change colour as the mouse moves over the dialog, the frame,
    // the address lines and the links themselves; the other controls keep
    // such moves to themselves, so the colours stay as they were there.
    setMouseTracking(true);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_detailsFrame, m_releaseLabel, m_mailCaption, m_homePageCaption, m_mailLink, m_homePageLink}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{m_noticeCaption, m_rightsLabel, m_versionLabel, m_noticeText, m_contactLabel,
                                                       m_titleImage, m_homePageButton, m_closeButton})
        w->setAttribute(Qt::WA_NoMousePropagation);
}

void AboutDialog::buildFrame()
{
    m_detailsFrame = new QFrame(this);
    m_detailsFrame->setObjectName(QStringLiteral("detailsFrame"));
    m_detailsFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_detailsFrame->setGeometry(Twips::rect(120, 960, 5175, 1575));

    // Two ideographic spaces in front of the shorter headings put every
    // colon of the frame in one column of the fixed-pitch font.
    m_rightsLabel = label(m_detailsFrame, "rightsLabel", QStringLiteral("　　著作権：") + RightsHolder, Twips::rect(120, 240, 4935, 255));
    m_versionLabel =
        label(m_detailsFrame, "versionLabel", QStringLiteral("バージョン：") + QString::fromUtf8(ProgramIdentity::DisplayVersion),
              Twips::rect(120, 480, 4935, 255));
    m_releaseLabel = label(m_detailsFrame, "releaseLabel", QStringLiteral("　　公開日：2003/08/29"), Twips::rect(120, 720, 2055, 255));
    m_mailCaption = label(m_detailsFrame, "mailCaption", QStringLiteral("　　E-Mail："), Twips::rect(120, 960, 1095, 255));
    m_mailLink = label(m_detailsFrame, "mailLink", MailAddress, Twips::rect(1200, 960, 2175, 255));
    m_homePageCaption = label(m_detailsFrame, "homePageCaption", QStringLiteral("HP-Address："), Twips::rect(120, 1200, 1095, 255));
    m_homePageLink = label(m_detailsFrame, "homePageLink", HomePage, Twips::rect(1200, 1200, 3615, 255));

    QFont fixed(QStringLiteral("MS Gothic"));
    fixed.setPointSize(9);
    for (QLabel *l : {m_rightsLabel, m_versionLabel, m_releaseLabel, m_mailCaption, m_homePageCaption, m_mailLink, m_homePageLink})
        l->setFont(fixed);
    for (QLabel *link : {m_mailLink, m_homePageLink})
        link->setCursor(pointingHand());
    // The home page is also behind the icon button; the mail address only
    // here, so Tab stops on it between that button and Close. A click leaves
    // the focus where it was.
    m_mailLink->setFocusPolicy(Qt::TabFocus);
    m_mailLink->setAccessibleDescription(QStringLiteral("mailto:") + MailAddress);
    m_mailLink->installEventFilter(this);
}

void AboutDialog::hoverOver(const QObject *over)
{
    m_pointedAt = over;
    showLinkColours();
}

void AboutDialog::showLinkColours()
{
    // The link with the keyboard focus looks pointed at, so the keyboard
    // shows where it is; the mouse alone sees the colours as designed.
    for (QLabel *link : {m_mailLink, m_homePageLink}) {
        if (link == m_pointedAt || link->hasFocus())
            setTextColour(link, LinkHoverColour);
        else
            setPlainTextColour(link);
    }
}

void AboutDialog::openLink(const QObject *link)
{
    Help::shellOpen(link == m_mailLink ? QStringLiteral("mailto:") + MailAddress : HomePage);
}

void AboutDialog::mouseMoveEvent(QMouseEvent *event)
{
    hoverOver(this);
    event->accept();
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        hoverOver(watched);
        return true; // handled here, not again by the frame or the dialog
    }
    if (event->type() == QEvent::MouseButtonRelease && (watched == m_mailLink || watched == m_homePageLink)) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *link = static_cast<QLabel *>(watched);
        // The pressed label takes every release, so check it ends over the link.
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint()))
            openLink(watched);
        return true;
    }
    if (watched == m_mailLink)
        return mailLinkKeyboardEvent(event) || QDialog::eventFilter(watched, event);
    return QDialog::eventFilter(watched, event);
}

bool AboutDialog::mailLinkKeyboardEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        showLinkColours();
        return false;
    case QEvent::KeyPress: {
        // Enter opens at once, as on a button; Space when it is let go, as a
        // click opens when the button is released. Neither reaches Close.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!isActivationKey(key))
            return false;
        if (key->key() != Qt::Key_Space && !key->isAutoRepeat())
            openLink(m_mailLink);
        return true;
    }
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
            openLink(m_mailLink);
        return isActivationKey(key);
    }
    default:
        return false;
    }
}
