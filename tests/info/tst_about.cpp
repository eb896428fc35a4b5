// The about screen, the ReadMe command and what they hand to the shell.
#include "AboutDialog.h"
#include "HelpCommands.h"
#include "ModeScreen.h"
#include "PictureButton.h"
#include "ShellTarget.h"
#include "TestSupport.h"
#include "TrainingScreen.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_About : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env.emplace(); }
    void cleanup() { m_env.reset(); }

    void coloncolumnInTheFixedPitchFont()
    {
        AboutDialog *form = AboutDialog::instance();
        QSet<int> columns;
        for (QLabel *l : {form->m_rightsLabel, form->m_versionLabel, form->m_releaseLabel, form->m_mailCaption, form->m_homePageCaption}) {
            QCOMPARE(l->parentWidget(), form->m_detailsFrame);
            const QString head = l->text().left(l->text().indexOf(u'：') + 1);
            columns << l->x() + QFontMetrics(l->font()).horizontalAdvance(head);
        }
        QCOMPARE(columns.size(), 1);
    }

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
        QStringList targets;
        Help::setShellHook([&](const QString &target) { targets << target; });
        QTest::mouseClick(AboutDialog::instance()->findChild<QWidget *>(name), Qt::LeftButton);
        QFETCH(QString, target);
        QCOMPARE(targets, QStringList{target});
        QCOMPARE(ShellTarget::url(target).toString(), target); // handed on as it is
    }

    void helpMenuOfTheTrainingScreen()
    {
        m_env->writeDefaultFiles();
        ModeScreen::instance()->show();
        ModeScreen::existing()->m_trainingButton->click();
        TrainingScreen *training = TrainingScreen::existing();
        QPoint at(-1, -1);
        QTimer::singleShot(0, this, [&] {
            if (auto *about = qobject_cast<AboutDialog *>(QApplication::activeModalWidget())) {
                at = about->frameGeometry().topLeft();
                about->m_closeButton->click();
            }
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
