#include "SettingsFile.h"

#include <QTest>

using Values = StoredSettings;

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void writesFlagsAndNegativesAsText()
    {
        const Values v{16777215, -1, true, true, 250};
        QCOMPARE(SettingsFile::serialize(v), QByteArray("16777215\r\n-1\r\n#TRUE#\r\n#TRUE#\r\n250\r\n"));
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("fore");
        QTest::addColumn<int>("back");
        QTest::addColumn<bool>("maxOn");
        QTest::addColumn<bool>("soundOff");
        QTest::addColumn<int>("fontSize");
        QTest::addColumn<int>("unreadable");
        QTest::newRow("default file") << QByteArray("65280\r\n0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n")
                                      << 65280 << 0 << false << false << 0 << 0;
        QTest::newRow("all set") << QByteArray("255\r\n16777215\r\n#TRUE#\r\n#TRUE#\r\n130\r\n")
                                 << 255 << 16777215 << true << true << 130 << 0;
        QTest::newRow("negative colour kept") << QByteArray("-5\r\n0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n")
                                              << -5 << 0 << false << false << 0 << 0;
        QTest::newRow("LF only") << QByteArray("1\n2\n#TRUE#\n#FALSE#\n30\n") << 1 << 2 << true << false << 30 << 0;
        QTest::newRow("CR only, no last end") << QByteArray("1\r2\r#TRUE#\r#FALSE#\r30") << 1 << 2 << true << false << 30 << 0;
        QTest::newRow("extra lines ignored") << QByteArray("1\r\n2\r\n#TRUE#\r\n#TRUE#\r\n3\r\nrubbish\r\n")
                                             << 1 << 2 << true << true << 3 << 0;
        QTest::newRow("blanks around") << QByteArray(" 7 \r\n 8\r\n #true# \r\n#False#\r\n9 \r\n")
                                       << 7 << 8 << true << false << 9 << 0;
        QTest::newRow("empty") << QByteArray() << 65280 << 0 << false << false << 0 << 5;
        QTest::newRow("short") << QByteArray("123\r\n456\r\n") << 123 << 456 << false << false << 0 << 3;
        QTest::newRow("flag without closing sign") << QByteArray("1\r\n2\r\n#TRUE\r\n#TRUE#\r\n3\r\n")
                                                   << 1 << 2 << false << true << 3 << 1;
        QTest::newRow("flag as number") << QByteArray("1\r\n2\r\n-1\r\n0\r\n3\r\n") << 1 << 2 << false << false << 3 << 2;
        QTest::newRow("font size past 16 bits") << QByteArray("1\r\n2\r\n#TRUE#\r\n#TRUE#\r\n99999\r\n")
                                                << 1 << 2 << true << true << 0 << 1;
        QTest::newRow("colour past 32 bits") << QByteArray("4294967296\r\n2\r\n#TRUE#\r\n#TRUE#\r\n3\r\n")
                                             << 65280 << 2 << true << true << 3 << 1;
        QTest::newRow("colours below 32 bits") << QByteArray("-2147483649\r\n-2147483649\r\n#TRUE#\r\n#TRUE#\r\n3\r\n")
                                               << 65280 << 0 << true << true << 3 << 2;
        QTest::newRow("garbage") << QByteArray("\x81\x82zz\r\n\x00\x01\r\n") << 65280 << 0 << false << false << 0 << 5;
        QTest::newRow("decimal colour") << QByteArray("1.5\r\n2\r\n#TRUE#\r\n#TRUE#\r\n3\r\n")
                                        << 65280 << 2 << true << true << 3 << 1;
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        const SettingsFile::Parsed p = SettingsFile::parse(bytes);
        QTEST(int(p.values.foreColour), "fore");
        QTEST(int(p.values.backColour), "back");
        QTEST(p.values.fullScreenDisplay, "maxOn");
        QTEST(p.values.soundOff, "soundOff");
        QTEST(int(p.values.maxFontSize), "fontSize");
        QTEST(p.unreadable, "unreadable");
    }

    void roundTrip()
    {
        const Values v{0x123456, -2147483647 - 1, true, false, -32768};
        const auto p = SettingsFile::parse(SettingsFile::serialize(v));
        QCOMPARE(p.unreadable, 0);
        QVERIFY(p.values == v);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
