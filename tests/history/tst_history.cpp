// The history file byte for byte, its damaged lines, and what the history
// window makes of it.
#include "HistoryChart.h"
#include "HistoryFile.h"
#include "HistoryLog.h"
#include "HistoryWindow.h"
#include "TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

namespace {

// A wrong training round, as the tests below append it.
const HistoryRecord Round{.date = {2026, 12, 7}, .time = {10, 0, 0}, .digits = 2, .terms = 5, .intervalMs = 500, .answerMs = 1500};

const QByteArray OldHeader =
    "date,mode,digits,terms,interval_ms,total_ms,flash_percent,minus_percent,replay,result,answer_ms,level,score\n";
const QByteArray Header = OldHeader.chopped(1) + ",adaptive\n";

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT
private slots:
    void linesByteForByte()
    {
        TestEnvironment env;
        const QString path = env.path("PlumenoHistory.csv");
        using R = HistoryRecord::Result;
        const HistoryRecord a{.date = {2026, 12, 7}, .time = {9, 5, 3}, .digits = 3, .terms = 15, .intervalMs = 110, .totalMs = 1650,
                              .flashPercent = 80, .minusPercent = 20, .result = R::Right, .answerMs = 4321};
        const HistoryRecord b{.date = {2026, 12, 7}, .time = {9, 6, 0}, .digits = 1, .terms = 1, .intervalMs = 1000, .replay = true, .adaptive = true};
        const HistoryRecord c{.date = {2026, 12, 8}, .time = {23, 59, 59}, .mode = HistoryRecord::Mode::Challenge, .level = 37, .score = 412345};
        HistoryRecord d = c;
        d.result = R::Complete;
        d.level = 155;
        for (const HistoryRecord &r : {a, b, c, d})
            QVERIFY(HistoryFile::append(path, r));
        QCOMPARE(env.readFile("PlumenoHistory.csv"), Header
                                    + "2026-12-07 09:05:03,training,3,15,110,1650,80,20,0,right,4321,,,0\n"
                                      "2026-12-07 09:06:00,training,1,1,1000,0,100,0,1,wrong,0,,,1\n"
                                      "2026-12-08 23:59:59,challenge,,,,,,,,wrong,,37,412345,\n"
                                      "2026-12-08 23:59:59,challenge,,,,,,,,complete,,155,412345,\n");
        const HistoryFile::Contents back = HistoryFile::read(path);
        QCOMPARE(back.skippedLines, 0);
        QCOMPARE(back.records, (std::vector<HistoryRecord>{a, b, c, d}));
    }

    void aLineCutByACrashIsClosedAndSkipped()
    {
        TestEnvironment env;
        const QString path = env.path("PlumenoHistory.csv");
        const QByteArray good = "2026-12-07 09:05:03,training,3,15,110,0,100,0,0,right,4321,,\n";
        env.writeFile("PlumenoHistory.csv", OldHeader + good + "2026-12-07 09:06:00,training,1,1,10"); // as before the adaptive column
        QVERIFY(HistoryFile::append(path, Round));
        QCOMPARE(env.readFile("PlumenoHistory.csv"), OldHeader + good + "2026-12-07 09:06:00,training,1,1,10\n"
                                                "2026-12-07 10:00:00,training,2,5,500,0,100,0,0,wrong,1500,,,0\n");
        const HistoryFile::Contents back = HistoryFile::read(path);
        QCOMPARE(back.records.size(), size_t(2));
        QCOMPARE(back.skippedLines, 1);
        QVERIFY(back.records[0].intervalMs == 110 && !back.records[0].adaptive);
    }

    void damagedLinesAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("cut short") << QByteArray("2026-12-07 09:05:03,training,3,15");
        QTest::newRow("a field too many") << QByteArray("2026-12-07 09:05:03,training,3,15,110,0,100,0,0,right,4321,,,0,");
        QTest::newRow("adaptive neither 0 nor 1") << QByteArray("2026-12-07 09:05:03,training,3,15,110,0,100,0,0,right,4321,,,2");
        QTest::newRow("no such day") << QByteArray("2026-02-30 09:05:03,training,3,15,110,0,100,0,0,right,4321,,");
        QTest::newRow("time in another form") << QByteArray("2026-12-07T09:05:03,training,3,15,110,0,100,0,0,right,4321,,");
        QTest::newRow("unknown mode") << QByteArray("2026-12-07 09:05:03,flash,3,15,110,0,100,0,0,right,4321,,");
        QTest::newRow("letters for digits") << QByteArray("2026-12-07 09:05:03,training,x,15,110,0,100,0,0,right,4321,,");
        QTest::newRow("ten digits") << QByteArray("2026-12-07 09:05:03,training,10,15,110,0,100,0,0,right,4321,,");
        QTest::newRow("no interval") << QByteArray("2026-12-07 09:05:03,training,3,15,0,0,100,0,0,right,4321,,");
        QTest::newRow("unknown result") << QByteArray("2026-12-07 09:05:03,training,3,15,110,0,100,0,0,maybe,4321,,");
        QTest::newRow("huge number") << QByteArray("2026-12-07 09:05:03,training,3,15,99999999999999999999,0,100,0,0,right,1,,");
        QTest::newRow("challenge with a round's fields") << QByteArray("2026-12-07 09:05:03,challenge,3,,,,,,,wrong,,37,100");
        QTest::newRow("challenge without a level") << QByteArray("2026-12-07 09:05:03,challenge,,,,,,,,wrong,,,100");
        QTest::newRow("binary") << QByteArray("\xff\xfe\x00\x01garbage", 11);
    }
    void damagedLinesAreSkipped()
    {
        QFETCH(QByteArray, line);
        const QByteArray good = "2026-12-07 09:05:03,training,3,15,110,0,100,0,0,right,4321,,\n";
        const HistoryFile::Contents c = HistoryFile::parse(Header + good + line + "\r\n" + good);
        QCOMPARE(c.records.size(), size_t(2));
        QCOMPARE(c.skippedLines, 1);
        QCOMPARE(c.records[1].answerMs, qint64(4321));
    }

    void missingFileIsAnEmptyHistoryAndAFolderCannotBeWritten()
    {
        TestEnvironment env;
        const HistoryFile::Contents none = HistoryFile::read(env.path("absent.csv"));
        QVERIFY(none.readable && none.records.empty() && none.skippedLines == 0);
        QVERIFY(QDir(env.dir()).mkdir("PlumenoHistory.csv"));
        QVERIFY(!HistoryFile::append(env.path("PlumenoHistory.csv"), Round));
        QVERIFY(!HistoryFile::read(env.path("PlumenoHistory.csv")).readable);
        // A run that cannot write its history says so once, not after every round.
        HistoryLog log(env.path("PlumenoHistory.csv"));
        log.add(Round);
        log.addChallengeGame(3, 1000, false);
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
        QVERIFY(env.messages[0].text.contains(QDir::toNativeSeparators(env.path("PlumenoHistory.csv"))));
    }

    void moreDaysThanPixelsGiveOnePointPerColumn()
    {
        // Columns 0, 1 and 3: the points in a column are averaged.
        const QPolygonF line{{0.1, 10}, {0.5, 20}, {0.9, 60}, {1.0, 5}, {3.7, 1}, {3.9, 3}};
        QCOMPARE(HistoryChart::perPixelColumn(line), (QPolygonF{{0, 30}, {1, 5}, {3, 2}}));
    }

    void windowShowsChartTableAndSkippedLines()
    {
        TestEnvironment env;
        const QString path = env.path("PlumenoHistory.csv");
        QByteArray bytes = Header;
        for (int day = 1; day <= 3; ++day)
            for (int i = 0; i < 4; ++i)
                bytes += QStringLiteral("2026-12-0%1 10:0%2:00,training,2,5,500,0,100,0,0,%3,1500,,\n")
                             .arg(day).arg(i).arg(i < day ? "right" : "wrong").toLatin1();
        // A replay is not counted among the rounds of its setting.
        bytes += "2026-12-03 10:09:00,training,2,5,500,0,100,0,1,wrong,9000,,\n";
        // The automatic speed: one setting whatever the interval; its sixth
        // turn (400 500 400 500 300 360) on the second day.
        for (int i = 0; const int ms : {500, 400, 500, 400, 500, 400, 300, 360, 330})
            bytes += QStringLiteral("2026-12-0%1 09:00:0%2,training,1,3,%3,0,100,0,0,right,800,,,1\n").arg(i < 6 ? 1 : 2).arg(i).arg(ms).toLatin1(), ++i;
        bytes += "2026-12-04 10:00:00,training,3,10,200,0,100,0,0,right,900,,\n";
        bytes += "broken line\n";
        bytes += "2026-12-04 11:00:00,challenge,,,,,,,,wrong,,12,34567\n";
        env.writeFile("PlumenoHistory.csv", bytes);
        HistoryWindow window(path);
        window.show();
        QCOMPARE(window.m_settingBox->count(), 3);
        QVERIFY(window.m_settingBox->itemText(0).startsWith(QStringLiteral("2桁 × 5コマ × 0.500秒（12回）")));
        QCOMPARE(window.m_chart->days().size(), size_t(3));
        const auto &lastDay = window.m_chart->days()[2];
        QVERIFY(lastDay.accuracyPercent() == 75 && lastDay.meanAnswerMs == 1500 && lastDay.paceMs == 0);
        window.m_settingBox->setCurrentIndex(1);
        QCOMPARE(window.m_settingBox->currentText(), QStringLiteral("1桁 × 3コマ × 速さの自動調整（9回）"));
        QCOMPARE(window.m_chart->days().size(), size_t(2));
        QVERIFY(window.m_chart->days()[0].paceMs == 0 && window.m_chart->days()[1].paceMs == 410);
        window.m_settingBox->setCurrentIndex(2);
        QCOMPARE(window.m_chart->days().size(), size_t(1));
        QCOMPARE(window.m_table->rowCount(), 24);
        QVERIFY(window.m_table->item(0, 1)->text().contains(QStringLiteral("LV.12")));
        QCOMPARE(window.m_table->item(1, 2)->text(), QStringLiteral("正解"));
        QVERIFY(window.m_noteLabel->isVisible() && window.m_noteLabel->text().contains(u'1'));
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
