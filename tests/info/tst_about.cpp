// The about screen, the ReadMe command and what they hand to the shell.
#include "Form1.h"
#include "Form2.h"
#include "Form8.h"
#include "PictureButton.h"
#include "ShellTarget.h"
#include "TestSupport.h"

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
        Form8 *form = Form8::instance();
        QSet<int> columns;
        for (QLabel *l : {form->Label2, form->Label3, form->Label4, form->Label5, form->Label6}) {
            QCOMPARE(l->parentWidget(), form->Frame1);
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
        QTest::newRow("e-mail") << QStringList{"Label7"} << blue << black;
        QTest::newRow("e-mail, then home page") << QStringList{"Label7", "Label8"} << black << blue;
        QTest::newRow("home page, then frame") << QStringList{"Label8", "Frame1"} << black << black;
        QTest::newRow("home page, then form") << QStringList{"Label8", "Form8"} << black << black;
        for (const char *heading : {"Label4", "Label5", "Label6"})
            QTest::addRow("e-mail, then %s", heading) << QStringList{"Label7", heading} << black << black;
        for (const char *other : {"Label2", "Label3", "Label9", "Label10", "Command1", "Command2"})
            QTest::addRow("e-mail, then %s", other) << QStringList{"Label7", other} << blue << black;
    }
    void hoverColours()
    {
        QFETCH(QStringList, path);
        Form8 *form = Form8::instance();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (const QString &name : path) {
            // A point on the control itself, not on one of its children.
            QWidget *w = name == u"Form8" ? form : form->findChild<QWidget *>(name);
            const QPoint local = w == form ? QPoint(4, 4) : w == form->Frame1 ? QPoint(w->width() - 6, 6) : w->rect().center();
            QTest::mouseMove(form->windowHandle(), w->mapTo(form, local));
        }
        QTEST(form->Label7->palette().color(QPalette::WindowText), "mail");
        QTEST(form->Label8->palette().color(QPalette::WindowText), "home");
    }

    void clicksOpenTheAddresses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("target");
        QTest::newRow("e-mail link") << "Label7" << QStringLiteral("mailto:plumeno@example.org");
        QTest::newRow("home-page link") << "Label8" << QStringLiteral("https://plumeno.example.org/");
        QTest::newRow("icon button") << "Command1" << QStringLiteral("https://plumeno.example.org/");
    }
    void clicksOpenTheAddresses()
    {
        QFETCH(QString, name);
        QStringList targets;
        Module1::SetShellHook([&](const QString &target) { targets << target; });
        QTest::mouseClick(Form8::instance()->findChild<QWidget *>(name), Qt::LeftButton);
        QFETCH(QString, target);
        QCOMPARE(targets, QStringList{target});
        QCOMPARE(ShellTarget::url(target).toString(), target); // handed on as it is
    }

    void helpMenuOfTheTrainingScreen()
    {
        m_env->writeDefaultFiles();
        Form2::instance()->show();
        Form2::existing()->Command1->click();
        Form1 *training = Form1::existing();
        QPoint at(-1, -1);
        QTimer::singleShot(0, this, [&] {
            if (auto *about = qobject_cast<Form8 *>(QApplication::activeModalWidget())) {
                at = about->frameGeometry().topLeft();
                about->Command2->click();
            }
        });
        training->IDMVersion->trigger();
        QCOMPARE(at, training->frameGeometry().topLeft());
        QVERIFY(!Form8::existing());

        QStringList targets;
        Module1::SetShellHook([&](const QString &target) { targets << target; });
        QVERIFY(!Form2::existing());
        training->IDMReadMe->trigger();
        QCOMPARE(targets, QStringList{QStringLiteral("READ ME.txt")});
        QCOMPARE(ShellTarget::url(targets[0]), QUrl::fromLocalFile(m_env->path(QStringLiteral("READ ME.txt"))));
    }

private:
    std::optional<TestEnvironment> m_env;
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
