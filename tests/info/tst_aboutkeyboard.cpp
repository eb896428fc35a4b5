// The about screen on a dark desktop and from the keyboard alone: the links
// read in the desktop's text colour, and both addresses open without a mouse.
#include "AboutDialog.h"
#include "HelpCommands.h"
#include "TestSupport.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(40, 40, 44));
    dark.setColor(QPalette::WindowText, QColor(225, 225, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::Text, QColor(225, 225, 230));
    dark.setColor(QPalette::Button, QColor(55, 55, 60));
    dark.setColor(QPalette::ButtonText, QColor(225, 225, 230));
    return dark;
}

QColor textColour(QLabel *l)
{
    return l->palette().color(QPalette::WindowText);
}

} // namespace

class tst_AboutKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env.emplace();
        Help::setShellHook([this](const QString &target) { m_opened << target; });
        m_opened.clear();
    }
    void cleanup()
    {
        m_env.reset();
        QApplication::setPalette(QPalette());
    }

    void linksTakeTheDesktopsTextColour()
    {
        QApplication::setPalette(darkPalette());
        AboutDialog *form = AboutDialog::instance();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QColor text = darkPalette().color(QPalette::WindowText);
        const QColor blue(0, 0, 255);
        const auto moveOnto = [&](QWidget *w, QPoint local) { QTest::mouseMove(form->windowHandle(), w->mapTo(form, local)); };

        QCOMPARE(textColour(form->m_mailLink), text);
        QCOMPARE(textColour(form->m_homePageLink), text);
        moveOnto(form->m_mailLink, form->m_mailLink->rect().center());
        QCOMPARE(textColour(form->m_mailLink), blue);
        QCOMPARE(textColour(form->m_homePageLink), text);
        moveOnto(form->m_homePageLink, form->m_homePageLink->rect().center());
        QCOMPARE(textColour(form->m_mailLink), text);
        QCOMPARE(textColour(form->m_homePageLink), blue);
        moveOnto(form->m_detailsFrame, QPoint(form->m_detailsFrame->width() - 6, 6));
        QCOMPARE(textColour(form->m_mailLink), text);
        QCOMPARE(textColour(form->m_homePageLink), text);
        // The other labels keep theirs: the note's caption stays red.
        QCOMPARE(textColour(form->m_noticeCaption), QColor(255, 0, 0));

        // A desktop that turns light while the screen is open: the links follow.
        QApplication::setPalette(QPalette(Qt::white));
        QTRY_COMPARE(textColour(form->m_mailLink), QPalette(Qt::white).color(QPalette::WindowText));
    }

    void tabReachesTheMailAddress()
    {
        AboutDialog *form = showActive();
        QCOMPARE(QApplication::focusWidget(), form->m_closeButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->m_homePageButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->m_mailLink);
        // Focused, it looks as when the mouse is on it, and loses that with the focus.
        QCOMPARE(textColour(form->m_mailLink), QColor(0, 0, 255));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->m_closeButton);
        QCOMPARE(textColour(form->m_mailLink), form->palette().color(QPalette::WindowText));
        QVERIFY(m_opened.isEmpty());
    }

    void keysOpenTheMailAddress_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void keysOpenTheMailAddress()
    {
        QFETCH(int, key);
        AboutDialog *form = showActive();
        form->m_mailLink->setFocus(Qt::TabFocusReason);
        QTest::keyPress(form->m_mailLink, Qt::Key(key));
        // Space opens when it is let go, as a click opens on release.
        QCOMPARE(m_opened.size(), key == Qt::Key_Space ? 0 : 1);
        QTest::keyRelease(form->m_mailLink, Qt::Key(key));
        QCOMPARE(m_opened, QStringList{QStringLiteral("mailto:plumeno@example.org")});
        QVERIFY2(form->isVisible(), "the key closed the about screen");
    }

    void enterOnTheIconButtonOpensTheHomePage_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterOnTheIconButtonOpensTheHomePage()
    {
        QFETCH(int, key);
        AboutDialog *form = showActive();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->m_homePageButton);
        QTest::keyClick(form->m_homePageButton, Qt::Key(key));
        QCOMPARE(m_opened, QStringList{QStringLiteral("https://plumeno.example.org/")});
        QVERIFY2(form->isVisible(), "the key closed the about screen");

        // Back on Close, Enter closes the screen as before.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), form->m_closeButton);
        QTest::keyClick(form->m_closeButton, Qt::Key_Return);
        QVERIFY(!form->isVisible());
        QCOMPARE(m_opened.size(), 1);
    }

private:
    AboutDialog *showActive()
    {
        AboutDialog *form = AboutDialog::instance();
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form))
            qWarning("the about screen did not become active");
        return form;
    }

    std::optional<TestEnvironment> m_env;
    QStringList m_opened;
};

QTEST_MAIN(tst_AboutKeyboard)
#include "tst_aboutkeyboard.moc"
