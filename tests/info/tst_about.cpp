// The about screen, the ReadMe command and what they hand to the shell.
#include "AboutDialog.h"
#include "HelpCommands.h"
#include "ModeScreen.h"
#include "ShellTarget.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_About : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.emplace(); }
    void cleanup() { m_env.reset(); }

    void hoverColours_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QColor>("mail");
        QTest::addColumn<QColor>("home");
        const QColor blue(0, 0, 255), black(Qt::black);
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
        QTest::newRow("e-mail link") << "mailLink" << QStringLiteral("mailto:plumeno@example.org");
        QTest::newRow("home-page link") << "homePageLink" << QStringLiteral("https://plumeno.example.org/");
        QTest::newRow("icon button") << "homePageButton" << QStringLiteral("https://plumeno.example.org/");
    }
    void clicksOpenTheAddresses()
    {
        QFETCH(QString, name);
        QFETCH(QString, target);
        QStringList targets;
        Help::setShellHook([&](const QString &t) { targets << t; });
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

        QStringList targets;
        Help::setShellHook([&](const QString &target) { targets << target; });
        QVERIFY(!ModeScreen::existing());
        training->m_readMeAction->trigger();
        QCOMPARE(targets, QStringList{QStringLiteral("READ ME.txt")});
        QCOMPARE(ShellTarget::url(targets[0]), QUrl::fromLocalFile(m_env->path(QStringLiteral("READ ME.txt"))));
    }

private:
    std::optional<TestEnvironment> m_env;
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
