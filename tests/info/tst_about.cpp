// The about screen, the ReadMe command and what they hand to the shell.
#include "AboutDialog.h"
#include "HelpCommands.h"
#include "ModeScreen.h"
#include "ProgramIdentity.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString Mail = QStringLiteral("mailto:") + ProgramIdentity::MailAddress;
const QString HomePage = QString::fromUtf8(ProgramIdentity::HomePage);

const QColor DarkText(225, 225, 230); // on a dark desktop

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_env.emplace();
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
        QCOMPARE((QStringList{form->m_versionLabel->text(), "mailto:" + form->m_mailLink->text(), form->m_homePageLink->text(), form->m_rightsLabel->text()}),
                 (QStringList{QStringLiteral("バージョン：") + ProgramIdentity::DisplayVersion, Mail, HomePage, QStringLiteral("　　著作権：") + ProgramIdentity::RightsHolder}));
        QCOMPARE(form->m_noticeCaption->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    }

    void hoverColours_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QColor>("mail");
        QTest::addColumn<QColor>("home");
        const QColor blue(0, 0, 255), black = DarkText; // the desktop's text colour
        QTest::newRow("e-mail") << QStringList{"mailLink"} << blue << black;
        QTest::newRow("e-mail, then home page") << QStringList{"mailLink", "homePageLink"} << black << blue;
        for (const QStringList &path : {QStringList{"homePageLink", "detailsFrame"}, {"homePageLink", "AboutDialog"}, // away, or
                                        {"mailLink", "releaseLabel"}, {"mailLink", "mailCaption"}, {"mailLink", "homePageCaption"}}) // headings
            QTest::addRow("%s", qPrintable(path.join(", then "))) << path << black << black;
        // Reached by Tab, the mail link looks as when the mouse is on it, and
        // loses that with the focus (the order is the accessibility test's).
        QTest::newRow("Tab to the e-mail address") << QStringList{"Tab", "Tab"} << blue << black;
        QTest::newRow("Tab past it") << QStringList{"Tab", "Tab", "Tab"} << black << black;
        // The controls that keep mouse moves to themselves, one after another.
        QTest::newRow("e-mail, then the others") << QStringList{"mailLink", "rightsLabel", "versionLabel", "noticeText", "contactLabel", "homePageButton", "closeButton"} << blue << black;
    }
    void hoverColours()
    {
        QFETCH(QStringList, path);
        QPalette dark;
        dark.setColor(QPalette::WindowText, DarkText);
        QApplication::setPalette(dark);
        AboutDialog *form = showActive();
        for (const QString &name : path) {
            if (name == u"Tab") {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                continue;
            }
            // A point on the control itself, not on one of its children.
            QWidget *w = name == u"AboutDialog" ? form : form->findChild<QWidget *>(name);
            const QPoint local = w == form ? QPoint(4, 4) : w == form->m_detailsFrame ? QPoint(w->width() - 6, 6) : w->rect().center();
            QTest::mouseMove(form->windowHandle(), w->mapTo(form, local));
        }
        QTEST(form->m_mailLink->palette().color(QPalette::WindowText), "mail");
        QTEST(form->m_homePageLink->palette().color(QPalette::WindowText), "home");
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
        QVERIFY(!AboutDialog::existing() && !ModeScreen::existing());

        // With nothing to open it (offscreen, as without xdg-open), the player is told.
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        Help::openReadMe();
        QCOMPARE(m_env->messages.size(), 1);
        QVERIFY(m_env->messages[0].title == u"起動報告" && m_env->messages[0].text.startsWith(QStringLiteral("「READ ME.txt」を開くプログラムが見つかりませんでした。")));
    }

    void activationOpensTheAddress_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key"); // 0: a click
        for (const char *name : {"mailLink", "homePageLink", "homePageButton"})
            QTest::addRow("%s, click", name) << QString::fromLatin1(name) << 0;
        for (const char *name : {"mailLink", "homePageButton"})
            for (const auto &[keyName, key] : {std::pair{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Space", Qt::Key_Space}})
                QTest::addRow("%s, %s", name, keyName) << QString::fromLatin1(name) << int(key);
    }
    void activationOpensTheAddress()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        AboutDialog *form = showActive();
        QWidget *w = form->findChild<QWidget *>(name);
        if (key == 0) {
            // Pressed, then released away from it: nothing opens; released over it: it opens.
            for (const QPoint release : {w->rect().bottomRight() + QPoint(5, 5), w->rect().center()}) {
                QTest::mousePress(w, Qt::LeftButton, {}, w->rect().center());
                QVERIFY(m_env->opened.isEmpty());
                QTest::mouseRelease(w, Qt::LeftButton, {}, release);
            }
        } else {
            w->setFocus(Qt::TabFocusReason);
            QTest::keyPress(w, Qt::Key(key));
            // Space opens when it is let go, as a click opens on release.
            QCOMPARE(m_env->opened.size(), key == Qt::Key_Space ? 0 : 1);
            QTest::keyRelease(w, Qt::Key(key));
        }
        QCOMPARE(m_env->opened.size(), 1);
        QCOMPARE(m_env->opened[0].toString(), name == u"mailLink" ? Mail : HomePage); // handed on as it is
        QVERIFY2(form->isVisible(), "the activation closed the about screen");
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
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
