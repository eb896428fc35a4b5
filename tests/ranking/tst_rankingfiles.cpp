#include "Messages.h"
#include "RankingFiles.h"
#include "RankingProcedures.h"
#include "RankingScreen.h"
#include "TestSupport.h"

#include <QDir>
#include <QLabel>
#include <QTest>

class TestRankingFiles : public QObject
{
    Q_OBJECT
private slots:
    void readRows_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("cut");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("unreadable");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << false << QStringList{"a", "b", "", "", ""} << 3;
        QTest::newRow("lone CR") << QByteArray("a\rb") << false << QStringList{"a", "b", "", "", ""} << 3;
        QTest::newRow("lone LF is text") << QByteArray("a\nb\r\nc") << false << QStringList{"a\nb", "c", "", "", ""} << 3;
        QTest::newRow("LF ends lines in a file without CR") << QByteArray("a\nb\nc\nd\ne\n") << false
                                                            << QStringList{"a", "b", "c", "d", "e"} << 0;
        QTest::newRow("first five only") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n") << false
                                         << QStringList{"1", "2", "3", "4", "5"} << 0;
        QTest::newRow("empty sixth line ignored") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n\r\n") << false
                                                  << QStringList{"1", "2", "3", "4", "5"} << 0;
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n\r\n\r\n") << false
                                          << QStringList{"", "", "x", "", ""} << 0;
        QTest::newRow("shift-jis") << QByteArray("\x8e\x52\x93\x63\x91\xbe\x98\x59\r\n") << false
                                   << QStringList{"山田太郎", "", "", "", ""} << 4;
        QTest::newRow("not code page 932") << QByteArray("a\r\n\x80\r\nc\r\nd\r\ne") << false
                                           << QStringList{"a", "", "c", "d", "e"} << 1;
        QTest::newRow("half a character at the end") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\x81") << false
                                                     << QStringList{"a", "b", "c", "d", ""} << 1;
        QTest::newRow("last line cut by the read limit") << QByteArray("a\r\nb\r\nc\r\nd\r\neeee") << true
                                                         << QStringList{"a", "b", "c", "d", ""} << 1;
        QTest::newRow("the limit after the fifth line") << QByteArray("a\r\nb\r\nc\r\nd\r\ne\r\nff") << true
                                                        << QStringList{"a", "b", "c", "d", "e"} << 0;
    }
    void readRows()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cut);
        const RankingFiles::Reading reading = RankingFiles::readRows(bytes, cut);
        QTEST(reading.rows, "rows");
        QTEST(reading.unreadable, "unreadable");
    }

    void defaultFilesAreExact()
    {
        QCOMPARE(RankingFiles::fileBytes(RankingFiles::defaultNames(), false),
                 QByteArray("AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nEEEEEEEE\r\n"));
        QCOMPARE(RankingFiles::fileBytes(RankingFiles::defaultNames(), false).size(), 50);
        QCOMPARE(RankingFiles::fileBytes(RankingFiles::defaultScores(), false).size(), 38);
    }

    void encodesNamesInCodePage932()
    {
        QCOMPARE(RankingFiles::encode(QStringLiteral("山田太郎")), QByteArray("\x8e\x52\x93\x63\x91\xbe\x98\x59"));
        QVERIFY(RankingFiles::encodable(QStringLiteral("ﾔﾏﾀﾞ")));
        QVERIFY(!RankingFiles::encodable(QStringLiteral("😀")));
    }

    void ensureCreatesMissingFilesWithOneMessage()
    {
        TestEnvironment env;
        env.writeFile("DATA/Data1.data", "kept?\r\n");
        Ranking::ensureFiles();
        QCOMPARE(env.messages.size(), 1);
        QVERIFY(env.messages[0].text.startsWith(u"ランキングファイルが確認できません。自動生成します。\n"));
        QCOMPARE(env.messages[0].title, QStringLiteral("自動生成"));
        // Both files are rewritten, the names file that existed too, after
        // a copy of it has been kept aside.
        QCOMPARE(env.readFile("DATA/Data1.data"), QByteArray("AAAAAAAA\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nEEEEEEEE\r\n"));
        QCOMPARE(env.readFile("DATA/Data2.data"), QByteArray("150000\r\n130000\r\n100000\r\n70000\r\n50000\r\n"));
        const QStringList kept = QDir(env.path("DATA")).entryList({"Data1.data.bak-*"});
        QCOMPARE(kept.size(), 1);
        QVERIFY(env.messages[0].text.contains(kept[0]));
        QCOMPARE(env.readFile("DATA/" + kept[0]), QByteArray("kept?\r\n"));

        env.messages.clear();
        env.writeFile("DATA/Data2.data", "1\r\n2\r\n3\r\n4\r\n5\r\n");
        Ranking::ensureFiles();
        QVERIFY(env.messages.isEmpty());
        QCOMPARE(env.readFile("DATA/Data2.data"), QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n"));
    }

    void resetRanking()
    {
        TestEnvironment env;
        env.writeFile("DATA/Data1.data", "X\r\nX\r\nX\r\nX\r\nX\r\n");
        env.writeFile("DATA/Data2.data", "9\r\n9\r\n9\r\n9\r\n9\r\n");
        env.answers = {Messages::Answer::No};
        Ranking::reset();
        QCOMPARE(env.messageTexts(), (QStringList{"ランキングを初期化します。よろしいですか？", "キャンセルしました。"}));
        QCOMPARE(env.messages[1].title, QStringLiteral("キャンセル報告"));
        QCOMPARE(env.readFile("DATA/Data1.data"), QByteArray("X\r\nX\r\nX\r\nX\r\nX\r\n"));

        env.messages.clear();
        env.answers = {Messages::Answer::Yes};
        Ranking::reset();
        QCOMPARE(env.messageTexts(), (QStringList{"ランキングを初期化します。よろしいですか？", "初期化しました。"}));
        QCOMPARE(env.messages[1].title, QStringLiteral("初期化報告"));
        QCOMPARE(env.readFile("DATA/Data2.data").size(), 38);
    }

    void resetRankingWithFilesMissingCreatesThemFirst()
    {
        TestEnvironment env;
        env.answers = {Messages::Answer::No};
        Ranking::reset();
        QCOMPARE(env.messageTexts(), (QStringList{"ランキングファイルが確認できません。自動生成します。",
                                                  "ランキングを初期化します。よろしいですか？", "キャンセルしました。"}));
    }

    void screenRoundTripKeepsJapaneseNamesAndOddCharacters()
    {
        TestEnvironment env;
        const QByteArray names = RankingFiles::encode(QStringLiteral("山田太郎\r\na,b\r\n\"q\"\r\n  sp\r\nｶﾅ\r\nsixth\r\nseventh\r\n"));
        env.writeFile("DATA/Data1.data", names);
        env.writeFile("DATA/Data2.data", "5\r\n4\r\n3\r\n2\r\n1\r\n");
        RankingScreen *screen = RankingScreen::instance();
        screen->readRanking();
        QCOMPARE(screen->m_nameLabels[0]->text(), QStringLiteral("山田太郎"));
        QCOMPARE(screen->m_nameLabels[2]->text(), QStringLiteral("\"q\""));
        QCOMPARE(screen->m_nameLabels[3]->text(), QStringLiteral("  sp"));
        QVERIFY(screen->saveRanking());
        // Five lines and the empty sixth; the seven-line file loses lines 6 and 7.
        QCOMPARE(env.readFile("DATA/Data1.data"),
                 RankingFiles::encode(QStringLiteral("山田太郎\r\na,b\r\n\"q\"\r\n  sp\r\nｶﾅ\r\n\r\n")));
        QCOMPARE(env.readFile("DATA/Data2.data"), QByteArray("5\r\n4\r\n3\r\n2\r\n1\r\n\r\n"));
        screen->readRanking();
        QCOMPARE(screen->m_scoreLabels[4]->text(), QStringLiteral("1"));
        QCOMPARE(screen->m_nameLabels[4]->text(), QStringLiteral("ｶﾅ"));
    }

    void shortFilesReadAsEmptyRows()
    {
        TestEnvironment env;
        env.writeFile("DATA/Data1.data", "only\r\n");
        env.writeFile("DATA/Data2.data", "");
        RankingScreen *screen = RankingScreen::instance();
        screen->readRanking();
        QCOMPARE(screen->m_nameLabels[0]->text(), QStringLiteral("only"));
        QCOMPARE(screen->m_nameLabels[1]->text(), QString());
        QCOMPARE(screen->m_scoreLabels[0]->text(), QString());
    }
};

QTEST_MAIN(TestRankingFiles)
#include "tst_rankingfiles.moc"
