// The settings file, as text and in every state a disk, an editor or a
// player can leave it in. The program always starts with five usable
// settings and says at most once what it did; a value it cannot read takes
// its default.
#include "ModeScreen.h"
#include "Program.h"
#include "SettingsFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("read"); // what was read, written out again
        QTest::addColumn<int>("unreadable");
        // Flags and negatives are written as text, and the extremes read back whole.
        for (const QByteArray &same : {QByteArray("16777215\r\n-1\r\n#TRUE#\r\n#FALSE#\r\n250\r\n"), QByteArray("1193046\r\n-2147483648\r\n#FALSE#\r\n#TRUE#\r\n-32768\r\n")})
            QTest::newRow(same.left(8).constData()) << same << same << 0;
        QTest::newRow("blanks around") << QByteArray(" 7 \r\n -8\r\n #true# \r\n#False#\r\n9 \r\n")
                                       << QByteArray("7\r\n-8\r\n#TRUE#\r\n#FALSE#\r\n9\r\n") << 0;
        QTest::newRow("LF, CR and no last end") << QByteArray("1\n2\r#FALSE#\r\n#TRUE#\n30")
                                                << QByteArray("1\r\n2\r\n#FALSE#\r\n#TRUE#\r\n30\r\n") << 0;
        QTest::newRow("short") << QByteArray("123\r\n456\r\n") << QByteArray("123\r\n456\r\n#FALSE#\r\n#FALSE#\r\n0\r\n") << 3;
        QTest::newRow("flags without closing sign or as numbers") << QByteArray("1\r\n2\r\n#TRUE\r\n-1\r\n3\r\n")
                                                                  << QByteArray("1\r\n2\r\n#FALSE#\r\n#FALSE#\r\n3\r\n") << 2;
        QTest::newRow("past 32 bits, decimal") << QByteArray("4294967296\r\n-2147483649\r\n#TRUE#\r\n#TRUE#\r\n1.5\r\n")
                                               << QByteArray("65280\r\n0\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << 3;
        QTest::newRow("font size past 16 bits") << QByteArray("1\r\n2\r\n#TRUE#\r\n#TRUE#\r\n32768\r\n")
                                                << QByteArray("1\r\n2\r\n#TRUE#\r\n#TRUE#\r\n0\r\n") << 1;
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        const SettingsFile::Parsed p = SettingsFile::parse(bytes);
        QTEST(SettingsFile::serialize(p.values), "read");
        QTEST(p.unreadable, "unreadable");
    }

    void atStartUp_data()
    {
        QTest::addColumn<QString>("how"); // "file", "read-only" or "folder"
        QTest::addColumn<QByteArray>("bytes"); // of the file, or of one in the folder
        QTest::addColumn<QString>("message"); // empty: none; it starts with this
        QTest::addColumn<QByteArray>("read");
        // The file keeps what it holds: only a save the player agrees to on exit writes it.
        const QString unreadable = QStringLiteral("設定ファイルに読み取れない値がありました。\n読み取れない値には既定の設定を使います。");
        const QByteArray mine = "255\r\n65535\r\n#TRUE#\r\n#TRUE#\r\n120\r\n";
        QTest::newRow("empty") << "file" << QByteArray() << unreadable << TestSupport::DefaultSettings;
        QTest::newRow("bytes that are no text") << "file" << QByteArray("2\x80\xff" "55\r\n65535\r\n#TRUE#\r\n#TRUE#\r\n120\r\n")
                                                << unreadable << QByteArray("65280\r\n65535\r\n#TRUE#\r\n#TRUE#\r\n120\r\n");
        QTest::newRow("read-only") << "read-only" << mine << "" << mine;
        // A folder by the file's name is moved aside; the file is created.
        QTest::newRow("a folder where the file should be")
            << "folder" << QByteArray("keep me") << "設定ファイルが確認できません。自動生成します。\n設定ファイルの場所にあったフォルダは「"
            << TestSupport::DefaultSettings;
    }
    void atStartUp()
    {
        QFETCH(QString, how);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestEnvironment env;
        env.writeDefaultFiles();
        const QString path = env.path("Plumeno.config");
        QFile::remove(path);
        env.writeFile(how == u"folder" ? "Plumeno.config/inside.txt" : "Plumeno.config", bytes);
        if (how == u"read-only")
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        ModeScreen *screen = env.program().start();
        QCOMPARE(env.messages.size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(message.isEmpty() || env.messages[0].text.startsWith(message), qPrintable(env.messageTexts().join(u'|')));
        QTEST(SettingsFile::serialize(env.settings()), "read"); // what the program holds now
        QVERIFY(screen->m_fullScreenDisplayAction->isChecked() == env.settings().fullScreenDisplay && screen->m_soundOffAction->isChecked() == env.settings().soundOff);
        QCOMPARE(env.readFile("Plumeno.config"), how == u"folder" ? TestSupport::DefaultSettings : bytes);
        const QStringList aside = QDir(env.dir()).entryList({"Plumeno.config.bak-*"}, QDir::Dirs);
        QCOMPARE(aside.size(), how == u"folder" ? 1 : 0);
        QVERIFY(aside.isEmpty() || env.messages[0].text.contains(QDir::toNativeSeparators(env.path(aside[0]))));
    }
};

QTEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
