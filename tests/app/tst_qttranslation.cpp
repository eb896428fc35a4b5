// Qt's own dialogs and buttons speak Japanese, as the game does.
#include "Translations.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDir>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestQtTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QStringLiteral("qtbase_ja.qm")))
            QSKIP("qtbase_ja.qm is not installed (Debian: qt6-translations-l10n)");
        QVERIFY(Translations::installQtJapanese(*qApp));
    }

    void questionButtonsReadHaiAndIie()
    {
        // Built as the program builds its questions, and answered while open.
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("確認"), QStringLiteral("終了しますか？"));
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        QString yes;
        QString no;
        QTimer::singleShot(0, &box, [&] {
            yes = box.button(QMessageBox::Yes)->text();
            no = box.button(QMessageBox::No)->text();
            box.button(QMessageBox::No)->click();
        });
        QCOMPARE(box.exec(), int(QMessageBox::No));
        QVERIFY2(yes.startsWith(QStringLiteral("はい")), qPrintable(yes));
        QVERIFY2(no.startsWith(QStringLiteral("いいえ")), qPrintable(no));
    }

    void colourDialogIsInJapanese()
    {
        QColorDialog dialog(Qt::green);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        QVERIFY2(dialog.windowTitle() != QStringLiteral("Select Color"), qPrintable(dialog.windowTitle()));
        QStringList texts;
        for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>())
            texts << button->text();
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            texts << label->text();
        const QString all = texts.join(QLatin1Char('|'));
        QVERIFY2(!all.contains(QStringLiteral("Cancel")), qPrintable(all));
        QVERIFY2(!all.contains(QStringLiteral("Custom colors")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("キャンセル")), qPrintable(all));
    }
};

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"
