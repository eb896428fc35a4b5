// The settings file in every state a disk, an editor or a player can leave
// it in. The program always starts with five usable settings and says at
// most once what it did; a value it cannot read takes its default.
#include "ModeScreen.h"
#include "OptionCommands.h"
#include "SettingsProcedures.h"
#include "SharedState.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QByteArray Mine = "255\r\n65535\r\n#TRUE#\r\n#TRUE#\r\n120\r\n";

} // namespace

class TestBadSettings : public QObject
{
    Q_OBJECT
private slots:
    void atStartUp_data();
    void atStartUp();
    void readOnlyFileIsNotReplacedOnExit();
};

void TestBadSettings::atStartUp_data()
{
    QTest::addColumn<QString>("how"); // "file", "read-only" or "folder"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // empty: none; it starts with this
    QTest::addColumn<int>("fore");
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("maxOn");
    QTest::addColumn<bool>("soundOff");
    QTest::addColumn<int>("fontSize");

    // The file keeps what it holds: only a save the player agrees to on
    // exit writes it.
    const QString unreadable = QStringLiteral("設定ファイルに読み取れない値がありました。\n読み取れない値には既定の設定を使います。");
    QTest::newRow("empty") << "file" << QByteArray() << unreadable << 65280 << 0 << false << false << 0;
    QTest::newRow("LF only") << "file" << QByteArray("255\n65535\n#TRUE#\n#TRUE#\n120\n") << "" << 255 << 65535
                             << true << true << 120;
    QTest::newRow("bytes that are no text") << "file" << QByteArray("2\x80\xff" "55\r\n65535\r\n#TRUE#\r\n#TRUE#\r\n120\r\n")
                                            << unreadable << 65280 << 65535 << true << true << 120;
    QTest::newRow("read-only") << "read-only" << Mine << "" << 255 << 65535 << true << true << 120;
    // A folder by the file's name is moved aside; the file is created.
    QTest::newRow("a folder where the file should be")
        << "folder" << QByteArray() << "設定ファイルが確認できません。自動生成します。\n設定ファイルの場所にあったフォルダは「"
        << 65280 << 0 << false << false << 0;
}

void TestBadSettings::atStartUp()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestEnvironment env;
    env.writeDefaultFiles();
    const QString path = env.path("Plumeno.config");
    QFile::remove(path);
    if (how == u"folder") {
        env.writeFile("Plumeno.config/inside.txt", "keep me");
    } else {
        env.writeFile("Plumeno.config", bytes);
        if (how == u"read-only")
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }

    ModeScreen *screen = ModeScreen::instance();
    QVERIFY(screen);
    if (message.isEmpty()) {
        QVERIFY2(env.messages.isEmpty(), qPrintable(env.messageTexts().join(u'|')));
    } else {
        QCOMPARE(env.messages.size(), 1);
        QVERIFY2(env.messages[0].text.startsWith(message), qPrintable(env.messages[0].text));
    }
    const SharedState &s = sharedState();
    QTEST(int(s.ForeColorSetting), "fore");
    QTEST(int(s.BackColorSetting), "back");
    QTEST(s.MaxDisplayOn, "maxOn");
    QTEST(s.SoundOff, "soundOff");
    QTEST(int(s.MaxFontSize), "fontSize");
    QCOMPARE(screen->m_maxDisplayAction->isChecked(), s.MaxDisplayOn);
    QCOMPARE(screen->m_soundOffAction->isChecked(), s.SoundOff);

    if (how != u"folder") {
        QCOMPARE(env.readFile("Plumeno.config"), bytes);
        return;
    }
    QCOMPARE(env.messages[0].title, QStringLiteral("自動生成"));
    QCOMPARE(env.readFile("Plumeno.config"), TestSupport::DefaultSettings);
    const QStringList aside = QDir(env.dir()).entryList({"Plumeno.config.bak-*"}, QDir::Dirs);
    QCOMPARE(aside.size(), 1);
    QVERIFY(env.messages[0].text.contains(QDir::toNativeSeparators(env.path(aside[0]))));
    QCOMPARE(env.readFile(aside[0] + "/inside.txt"), QByteArray("keep me"));
}

void TestBadSettings::readOnlyFileIsNotReplacedOnExit()
{
    TestEnvironment env;
    env.writeDefaultFiles();
    env.writeFile("Plumeno.config", Mine);
    QFile::setPermissions(env.path("Plumeno.config"), QFile::ReadOwner);
    ModeScreen::instance()->show();
    OptionCommands::toggleSound();
    env.messages.clear();

    ModeScreen::existing()->m_exitAction->trigger();
    QCOMPARE(env.messageTexts(), (QStringList{"設定が変更されています。保存しますか？",
                                              "設定ファイルに書き込めませんでした。\n設定は保存されていません。\n" + env.dir()}));
    QCOMPARE(env.messages[1].title, QStringLiteral("保存報告"));
    QCOMPARE(env.readFile("Plumeno.config"), Mine);
}

QTEST_MAIN(TestBadSettings)
#include "tst_badsettings.moc"
