// The two ranking files in every state a disk, an editor or a player can
// leave them in: the program always starts, says at most once what it did,
// and copies a damaged file aside only when the ranking is saved over it.
#include "RankingFiles.h"
#include "RankingStore.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QByteArray Defaults = TestSupport::DefaultNames + TestSupport::DefaultScores;
const QByteArray Scores = "90000\r\n80000\r\n70000\r\n60000\r\n50000\r\n";

constexpr auto cp932 = &RankingFiles::encode;

const QByteArray Names = cp932("山田\r\nTaro\r\nHana\r\nJiro\r\nKen\r\n");

// A megabyte with no line end in it, none of it code page 932.
const QByteArray Garbage(1024 * 1024, '\x80');

// "file": the bytes; "read-only": the bytes, marked read-only; "missing";
// "folder": a folder holding them as a file; "DATA file": the bytes as a file
// where the DATA folder belongs (the ranking files then cannot be there).
void place(TestEnvironment &env, const QString &relative, const QString &how, const QByteArray &bytes)
{
    if (how != u"missing")
        env.writeFile(how == u"folder" ? relative + "/inside.txt" : how == u"DATA file" ? QStringLiteral("DATA") : relative, bytes);
    if (how == u"read-only")
        QFile::setPermissions(env.path(relative), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

} // namespace

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
        // The rows, '|' between them.
        const auto row = [](const char *name, const QByteArray &bytes, bool cut, const QString &rows, int unreadable) {
            QTest::newRow(name) << bytes << cut << rows.split(u'|') << unreadable;
        };
        row("lone CR", "a\rb", false, "a|b|||", 3);
        row("lone LF is text", "a\nb\r\nc", false, "a\nb|c|||", 3);
        row("first five only, as they are", "a,b\r\n\"q\"\r\n  sp\r\n4 \r\n5\r\n6\r\n7\r\n", false, "a,b|\"q\"|  sp|4 |5", 0);
        row("LF only", "a\nb\n", false, "a|b|||", 3);
        row("empty lines kept", "\r\n\r\nx\r\n\r\n\r\n", false, "||x||", 0);
        row("not code page 932", "a\r\n\x80\r\nc\r\nd\r\ne", false, "a||c|d|e", 1);
        row("last line cut by the read limit", "a\r\nb\r\nc\r\nd\r\neeee", true, "a|b|c|d|", 1);
        row("the limit after the fifth line", "a\r\nb\r\nc\r\nd\r\ne\r\nff", true, "a|b|c|d|e", 0);
    }
    void readRows()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, cut);
        const RankingFiles::Reading reading = RankingFiles::readRows(bytes, cut);
        QTEST(reading.rows, "rows");
        QTEST(reading.unreadable, "unreadable");
    }

    void atStartUp_data()
    {
        QTest::addColumn<QString>("namesHow");
        QTest::addColumn<QByteArray>("names");
        QTest::addColumn<QString>("scoresHow");
        QTest::addColumn<QByteArray>("scores");
        QTest::addColumn<QString>("title"); // empty: no message at all; 自動生成: the default ranking written
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QStringList>("keptAside"); // of Data1.data, Data2.data, DATA
        const QString created = QStringLiteral("自動生成"), newFiles = QStringLiteral("ランキングファイルが確認できません。自動生成します。");

        // A missing file: the default ranking, as ever, but the partner that
        // it replaces is copied aside first.
        QTest::newRow("names missing") << "missing" << QByteArray() << "file" << Scores << created
                                       << QStringList{newFiles, "元の Data2.data（得点） は"} << QStringList{"Data2.data"};
        QTest::newRow("a folder for the names") << "folder" << QByteArray("keep me") << "file" << Scores << created
            << QStringList{newFiles, "Data1.data（名前） の場所にあったフォルダは"} << QStringList{"Data1.data", "Data2.data"};
        QTest::newRow("a file for the DATA folder") << "DATA file" << QByteArray("x") << "missing" << QByteArray() << created
                                                    << QStringList{newFiles, "DATA フォルダの場所にあったファイルは"} << QStringList{"DATA"};
        // Readable files are read as they are and not written; a damaged one
        // shows the rows it can give, the others empty, and is left as it is
        // until the ranking is next saved.
        for (const auto &[row, how, names, scores] : std::initializer_list<std::tuple<const char *, const char *, QByteArray, QByteArray>>{
                 {"read-only", "read-only", Names, Scores},
                 {"scores out of range are texts like any", "file", Names, "99999999999999\r\n-5\r\nabc\r\n&HFFFF\r\n1E400\r\n"},
                 {"empty names", "file", "", Scores},
                 {"names shorter than five lines, the last without its end", "file", cp932("山田\r\nTaro"), Scores},
                 {"a megabyte of garbage", "file", Garbage, Scores}})
            QTest::newRow(row) << how << names << how << scores << "" << QStringList() << QStringList();
        QTest::newRow("damaged and read-only") << "read-only" << cp932("山田\r\n") << "file" << Scores << QStringLiteral("読込報告")
                                               << QStringList{"Data1.data（名前）", "書き込めないため直せませんでした", "\n/"} << QStringList();
    }
    void atStartUp()
    {
        QFETCH(QString, namesHow);
        QFETCH(QByteArray, names);
        QFETCH(QString, scoresHow);
        QFETCH(QByteArray, scores);
        QFETCH(QString, title);
        QFETCH(QStringList, says);
        QFETCH(QStringList, keptAside);
        TestEnvironment env;
        place(env, "DATA/Data1.data", namesHow, names);
        place(env, "DATA/Data2.data", scoresHow, scores);

        // Later looks read the files as they are and say nothing more.
        RankingStore store;
        for (int i = 0; i < 3; ++i) {
            store.ensureFiles();
            store.rows();
        }
        QCOMPARE(env.messages.size(), title.isEmpty() ? 0 : 1);
        for (const QString &part : says)
            QVERIFY2(env.messages[0].text.contains(part), qPrintable(env.messages[0].text));
        QCOMPARE(env.messages.value(0).title, title);

        // Each copy put aside is named in the message and holds what was there.
        QStringList aside = QDir(env.path("DATA")).entryList({"*.bak-*"}, QDir::AllEntries | QDir::System);
        aside += QDir(env.dir()).entryList({"DATA.bak-*"}, QDir::AllEntries | QDir::System);
        QCOMPARE(aside.size(), keptAside.size());
        for (const QString &kept : keptAside) {
            const QStringList found = aside.filter(QRegularExpression("^" + QRegularExpression::escape(kept) + "\\.bak-"));
            QCOMPARE(found.size(), 1);
            const QString relative = kept == u"DATA" ? found[0] : "DATA/" + found[0];
            QVERIFY(env.messages[0].text.contains(QDir::toNativeSeparators(env.path(relative))));
            const bool scoresKept = kept == u"Data2.data";
            const QString inside = (scoresKept ? scoresHow : namesHow) == u"folder" ? "/inside.txt" : "";
            QCOMPARE(env.readFile(relative + inside), scoresKept ? scores : names);
        }

        // What is shown is what the files hold: the default ranking where it was written.
        QCOMPARE(env.readFile("DATA/Data1.data") + env.readFile("DATA/Data2.data"), title == u"自動生成" ? Defaults : names + scores);
        const auto shown = [&](const char *file) { return RankingFiles::readRows(env.readFile(file), false).rows; };
        for (int i = 0; i < RankingFiles::Rows; ++i)
            QVERIFY(store.rows().value(i).name == shown("DATA/Data1.data")[i] && store.rows().value(i).score == shown("DATA/Data2.data")[i]);
    }

    void theGameSave_data()
    {
        QTest::addColumn<QString>("how"); // of the scores file
        QTest::addColumn<QByteArray>("scores");
        QTest::newRow("read-only and damaged: not copied aside either") << "read-only" << QByteArray("90000\r\n");
        QTest::newRow("damaged: copied aside first") << "file" << QByteArray("90000\r\n80000\r\n");
    }
    void theGameSave()
    {
        QFETCH(QString, how);
        QFETCH(QByteArray, scores);
        TestEnvironment env;
        env.writeFile("DATA/Data1.data", Names);
        place(env, "DATA/Data2.data", how, scores);
        RankingStore store;
        store.ensureFiles();
        env.messages.clear(); // what start-up says is checked above

        const bool saved = store.enter(85000, QStringLiteral("Newcomer"));
        QCOMPARE(saved, how == u"file");
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
        const QStringList copies = QDir(env.path("DATA")).entryList({"*.bak-*"});
        if (!saved) {
            // Neither file changed: the names never go in beside the old scores.
            QCOMPARE(env.messages[0].text, "ランキングファイルに書き込めませんでした。\nランキングは保存されていません。\n" + QDir::toNativeSeparators(env.path("DATA")));
            QCOMPARE(env.readFile("DATA/Data1.data") + env.readFile("DATA/Data2.data"), Names + scores);
            QVERIFY(copies.isEmpty());
            return;
        }
        // Copied aside and said so once, naming the copy; the rows that
        // could be read take part in the game as ever.
        QCOMPARE(copies.size(), 1);
        QVERIFY(env.messages[0].text.contains(u"Data2.data（得点）") && env.messages[0].text.contains(QDir::toNativeSeparators(env.path("DATA/" + copies[0]))));
        QCOMPARE(env.readFile("DATA/" + copies[0]), scores);
        QCOMPARE(env.readFile("DATA/Data1.data") + env.readFile("DATA/Data2.data"), cp932("山田\r\nNewcomer\r\nTaro\r\nHana\r\nJiro\r\n\r\n") + "90000\r\n85000\r\n80000\r\n0\r\n0\r\n\r\n");
        store.enter(85000, QStringLiteral("Newcomer"));
        QCOMPARE(env.messages.size(), 1);
    }

    void reset_data()
    {
        QTest::addColumn<QString>("how"); // of the scores file
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("says");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("reset");
        const QString ask = QStringLiteral("ランキングを初期化します。よろしいですか？");
        QTest::newRow("cancelled") << "file" << int(Messages::Answer::No) << QStringList{ask, "キャンセルしました。"} << "キャンセル報告" << false;
        QTest::newRow("done") << "file" << int(Messages::Answer::Yes) << QStringList{ask, "初期化しました。"} << "初期化報告" << true;
        QTest::newRow("files missing: created first") << "missing" << int(Messages::Answer::No)
            << QStringList{"ランキングファイルが確認できません。自動生成します。", ask, "キャンセルしました。"} << "キャンセル報告" << true;
        QTest::newRow("read-only: not half reset") << "read-only" << int(Messages::Answer::Yes)
            << QStringList{ask, "ランキングファイルに書き込めませんでした。\nランキングは初期化されていません。\nTMP/DATA"} << "初期化報告" << false;
    }

    void reset()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        QFETCH(bool, reset);
        TestEnvironment env;
        if (how != u"missing")
            env.writeFile("DATA/Data1.data", Names);
        place(env, "DATA/Data2.data", how, Scores);
        env.answers = {Messages::Answer(answer)};
        RankingStore().reset();
        QTEST(env.messageTexts().replaceInStrings(QDir::toNativeSeparators(env.dir()), "TMP"), "says");
        QTEST(env.messages.last().title, "title");
        QCOMPARE(env.readFile("DATA/Data1.data") + env.readFile("DATA/Data2.data"), reset ? Defaults : Names + Scores);
    }
};

QTEST_MAIN(TestRankingFiles)
#include "tst_rankingfiles.moc"
