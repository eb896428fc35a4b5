// The about screen, the ReadMe command and what they hand to the shell.
#include "AboutDialog.h"
#include "HelpCommands.h"
#include "ModeScreen.h"
#include "ProgramIdentity.h"
#include "ShellTarget.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Mail = QStringLiteral("mailto:") + ProgramIdentity::MailAddress;
const QString HomePage = QString::fromUtf8(ProgramIdentity::HomePage);

const QColor DarkText(225, 225, 230); // on a dark desktop

QColor textColour(QLabel *l)
{
    return l->palette().color(QPalette::WindowText);
}

} // namespace

class tst_About : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env.emplace();
        m_opened.clear();
        Help::setShellHook([this](const QString &target) { m_opened << target; });
    }
    void cleanup()
    {
        m_env.reset();
        QApplication::setPalette(QPalette());
    }

    // What the screen shows is what the build defines, as the package and
    // "READ ME.txt" give it.
    void versionAndAddressesAreTheBuilds()
    {
        AboutDialog *form = AboutDialog::instance();
        QCOMPARE(form->m_versionLabel->text(), QStringLiteral("バージョン：") + ProgramIdentity::DisplayVersion);
        QCOMPARE(QStringLiteral("mailto:") + form->m_mailLink->text(), Mail);
        QCOMPARE(form->m_homePageLink->text(), HomePage);
        QCOMPARE(form->m_rightsLabel->text(), QStringLiteral("　　著作権：") + ProgramIdentity::RightsHolder);
        QCOMPARE(textColour(form->m_noticeCaption), QColor(255, 0, 0));
    }

    // With nothing to open it (offscreen, as without xdg-open), the player is told.
    void noOpenerIsReported()
    {
        Help::setShellHook({});
        Help::openReadMe();
        QCOMPARE(m_env->messages.size(), 1);
        QCOMPARE(m_env->messages[0].title, QStringLiteral("起動報告"));
        QVERIFY(m_env->messages[0].text.startsWith(QStringLiteral("「READ ME.txt」を開くプログラムが見つかりませんでした。")));
    }

    void hoverColours_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QColor>("mail");
        QTest::addColumn<QColor>("home");
        const QColor blue(0, 0, 255), black = DarkText; // the desktop's text colour
        QTest::newRow("e-mail") << QStringList{"mailLink"} << blue << black;
        QTest::newRow("e-mail, then home page") << QStringList{"mailLink", "homePageLink"} << black << blue;
        QTest::newRow("home page, then frame") << QStringList{"homePageLink", "detailsFrame"} << black << black;
        QTest::newRow("home page, then dialog") << QStringList{"homePageLink", "AboutDialog"} << black << black;
        for (const char *heading : {"releaseLabel", "mailCaption", "homePageCaption"})
            QTest::addRow("e-mail, then %s", heading) << QStringList{"mailLink", heading} << black << black;
        for (const char *other : {"rightsLabel", "versionLabel", "noticeText", "contactLabel", "homePageButton", "closeButton"})
            QTest::addRow("e-mail, then %s", other) << QStringList{"mailLink", other} << blue << black;
    }
    void hoverColours()
    {
        QFETCH(QStringList, path);
        QPalette dark;
        dark.setColor(QPalette::WindowText, DarkText);
        QApplication::setPalette(dark);
        AboutDialog *form = AboutDialog::instance();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (const QString &name : path) {
            // A point on the control itself, not on one of its children.
            QWidget *w = name == u"AboutDialog" ? form : form->findChild<QWidget *>(name);
            const QPoint local = w == form ? QPoint(4, 4) : w == form->m_detailsFrame ? QPoint(w->width() - 6, 6) : w->rect().center();
            QTest::mouseMove(form->windowHandle(), w->mapTo(form, local));
        }
        QTEST(form->m_mailLink->palette().color(QPalette::WindowText), "mail");
        QTEST(form->m_homePageLink->palette().color(QPalette::WindowText), "home");
    }

    void clicksOpenTheAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::newRow("e-mail link") << "mailLink" << Mail;
        QTest::newRow("home-page link") << "homePageLink" << HomePage;
        QTest::newRow("icon button") << "homePageButton" << HomePage;
    }
    void clicksOpenTheAddresses()
    {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QStringList &targets = m_opened;
        QWidget *w = AboutDialog::instance()->findChild<QWidget *>(name);
        // Pressed, then released away from it: nothing opens.
        QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
        QVERIFY(targets.isEmpty());
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().bottomRight() + QPoint(5, 5));
        QVERIFY(targets.isEmpty());
        // Released over it: it opens once.
        QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
        QVERIFY(targets.isEmpty());
        QTest::mouseRelease(w, Qt::LeftButton, {}, w->rect().center());
        QCOMPARE(targets, QStringList{target});
        QCOMPARE(ShellTarget::url(target).toString(), target); // handed on as it is
    }

    void helpMenuOfTheTrainingScreen()
    {
        TrainingScreen *training = TestSupport::openTrainingScreen(*m_env);
        QPoint at(-1, -1);
        TestSupport::whenDialogOpens(QStringLiteral("AboutDialog"), [&](QWidget *about) {
            at = about->frameGeometry().topLeft();
            static_cast<AboutDialog *>(about)->m_closeButton->click();
        });
        training->m_aboutAction->trigger();
        QCOMPARE(at, training->frameGeometry().topLeft());
        QVERIFY(!AboutDialog::existing());

        const QStringList &targets = m_opened;
        QVERIFY(!ModeScreen::existing());
        training->m_readMeAction->trigger();
        QCOMPARE(targets, QStringList{QStringLiteral("READ ME.txt")});
        QCOMPARE(ShellTarget::url(targets[0]), QUrl::fromLocalFile(m_env->path(QStringLiteral("READ ME.txt"))));
    }

    void tabReachesTheMailAddress()
    {
        AboutDialog *form = showActive();
        QCOMPARE(QApplication::focusWidget(), form->m_closeButton);
        // Focused, the mail link looks as when the mouse is on it, and loses that with the focus.
        for (auto [next, mail] : {std::pair<QWidget *, bool>{form->m_homePageButton, false}, {form->m_mailLink, true}, {form->m_closeButton, false}}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
            QCOMPARE(textColour(form->m_mailLink), mail ? QColor(0, 0, 255) : form->palette().color(QPalette::WindowText));
        }
        QVERIFY(m_opened.isEmpty());
    }

    void keysOpenTheAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        for (const char *name : {"mailLink", "homePageButton"})
            for (const auto &[keyName, key] : {std::pair{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}})
                QTest::addRow("%s, %s", name, keyName) << QString::fromLatin1(name) << int(key);
    }
    void keysOpenTheAddresses()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        AboutDialog *form = showActive();
        QWidget *w = form->findChild<QWidget *>(name);
        w->setFocus(Qt::TabFocusReason);
        QTest::keyPress(w, Qt::Key(key));
        // Space opens when it is let go, as a click opens on release.
        QCOMPARE(m_opened.size(), key == Qt::Key_Space ? 0 : 1);
        QTest::keyRelease(w, Qt::Key(key));
        QCOMPARE(m_opened, QStringList{name == u"mailLink" ? Mail : HomePage});
        QVERIFY2(form->isVisible(), "the key closed the about screen");
        QTest::keyClick(form->m_closeButton, Qt::Key_Return);
        QVERIFY(!form->isVisible());
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

QTEST_MAIN(tst_About)
#include "tst_about.moc"
