// Qt's own dialogs and buttons speak Japanese, as the game does.
#include "Translations.h"

#include <QAbstractButton>
#include <QDir>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTest>

class TestQtTranslation : public QObject
{
    Q_OBJECT
private slots:
    void questionButtonsReadHaiAndIie()
    {
        if (!QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).exists(QStringLiteral("qtbase_ja.qm")))
            QSKIP("qtbase_ja.qm is not installed (Debian: qt6-translations-l10n)");
        QVERIFY(Translations::installQtJapanese(*qApp));
        // Built as the program builds its questions.
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("確認"), QStringLiteral("終了しますか？"),
                        QMessageBox::Yes | QMessageBox::No);
        const QString yes = box.button(QMessageBox::Yes)->text(), no = box.button(QMessageBox::No)->text();
        QVERIFY2(yes.startsWith(QStringLiteral("はい")) && no.startsWith(QStringLiteral("いいえ")), qPrintable(yes + u'|' + no));
    }
};

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"
