// The about screen, the ReadMe command and what they hand to the shell.
#include "Form1.h"
#include "Form2.h"
#include "Form8.h"
#include "PictureButton.h"
#include "ShellTarget.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

// A point of the about screen's window that lies on the named control
// itself, not on one of its children.
QPoint pointOn(Form8 *form, const QString &name)
{
    if (name == u"Form8")
        return QPoint(4, 4);
    QWidget *w = form->findChild<QWidget *>(name);
    const QPoint local = name == u"Frame1" ? QPoint(w->width() - 6, 6) : w->rect().center();
    return w->mapTo(form, local);
}

} // namespace

class tst_About : public QObject
{
    Q_OBJECT
private slots:
    void fixedTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label3") << "Label3" << QStringLiteral("バージョン：1.01.02");
        QTest::newRow("Label4") << "Label4" << QStringLiteral("\u3000\u3000公開日：2003/08/29");
        QTest::newRow("Label5") << "Label5" << QStringLiteral("\u3000\u3000E-Mail：");
        QTest::newRow("Label6") << "Label6" << QStringLiteral("HP-Address：");
        QTest::newRow("Label10") << "Label10" << QStringLiteral("質問･要望･感想･バグ情報はメールおよびHP掲示板にてお気軽に");
        QTest::newRow("Label1") << "Label1" << QStringLiteral("注意：");
        QTest::newRow("Label9") << "Label9"
                                << QStringLiteral("表示されている E-Mailアドレス、HPのURLは2003/08/29現在のものです。");
    }
    void fixedTexts()
    {
        QFETCH(QString, name);
        TestEnvironment env;
        Form8 *form = Form8::instance();
        QTEST(form->findChild<QLabel *>(name)->text(), "text");
        QCOMPARE(form->windowTitle(), QStringLiteral("Plumeno-情報-"));
        QCOMPARE(form->size(), Twips::size(5385, 3600));
        QVERIFY(form->Label2->text().startsWith(QStringLiteral("\u3000\u3000著作権：")));
    }

    void coloncolumnInTheFixedPitchFont()
    {
        TestEnvironment env;
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
        TestEnvironment env;
        Form8 *form = Form8::instance();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        for (const QString &name : path)
            QTest::mouseMove(form->windowHandle(), pointOn(form, name));
        QTEST(form->Label7->palette().color(QPalette::WindowText), "mail");
        QTEST(form->Label8->palette().color(QPalette::WindowText), "home");
    }

    void pointingHandOverTheLinksOnly()
    {
        TestEnvironment env;
        Form8 *form = Form8::instance();
        for (QLabel *link : {form->Label7, form->Label8}) {
            const QCursor c = link->cursor();
            QVERIFY(c.shape() == Qt::PointingHandCursor || (c.shape() == Qt::BitmapCursor && c.hotSpot() == QPoint(12, 1)));
        }
        QCOMPARE(form->Label6->cursor().shape(), Qt::ArrowCursor);
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
        TestEnvironment env;
        QStringList targets;
        Module1::SetShellHook([&](const QString &target) { targets << target; });
        Form8 *form = Form8::instance();
        QTest::mouseClick(form->findChild<QWidget *>(name), Qt::LeftButton);
        QFETCH(QString, target);
        QCOMPARE(targets, QStringList{target});
    }

    void showAboutFromTrainingScreen()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
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
    }

    void readMeFromTrainingScreen()
    {
        TestEnvironment env;
        env.writeDefaultFiles();
        Form2::instance()->show();
        Form2::existing()->Command1->click();
        QStringList targets;
        Module1::SetShellHook([&](const QString &target) { targets << target; });
        QVERIFY(!Form2::existing());
        Form1::existing()->IDMReadMe->trigger();
        QCOMPARE(targets, QStringList{QStringLiteral("READ ME.txt")});
        QCOMPARE(ShellTarget::url(targets[0]), QUrl::fromLocalFile(env.path(QStringLiteral("READ ME.txt"))));
    }

    void addressesGoToTheShellAsTheyAre_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("web") << QStringLiteral("https://plumeno.example.org/");
        QTest::newRow("mail") << QStringLiteral("mailto:plumeno@example.org");
    }
    void addressesGoToTheShellAsTheyAre()
    {
        QFETCH(QString, target);
        QCOMPARE(ShellTarget::url(target).toString(), target);
    }
};

QTEST_MAIN(tst_About)
#include "tst_about.moc"
