// The two ranking files in every state a disk, an editor or a player can
// leave them in: the program always starts, says at most once what it did,
// and copies a damaged file aside only when the ranking is saved over it.
#include "Messages.h"
#include "ProgramPaths.h"
#include "RankingFiles.h"
#include "RankingStore.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

using TestSupport::DefaultNames;
using TestSupport::DefaultScores;
const QByteArray Scores = "90000\r\n80000\r\n70000\r\n60000\r\n50000\r\n";
const QStringList ScoreRows{"90000", "80000", "70000", "60000", "50000"};
const QStringList NameRows{"山田", "Taro", "Hana", "Jiro", "Ken"};
const QStringList EmptyRows(5);

QByteArray cp932(const QString &text)
{
    return RankingFiles::encode(text);
}

const QByteArray Names = cp932("山田\r\nTaro\r\nHana\r\nJiro\r\nKen\r\n");

// A megabyte with no line end in it, none of it code page 932.
const QByteArray Garbage(1024 * 1024, '\x80');

// "file": the bytes; "read-only": the bytes, marked read-only; "missing";
// "folder": a folder holding one file; "DATA file": the bytes as a file
// where the DATA folder belongs (the ranking files then cannot be there).
void place(TestEnvironment &env, const QString &relative, const QString &how, const QByteArray &bytes)
{
    if (how == u"missing")
        return;
    if (how == u"folder") {
        env.writeFile(relative + "/inside.txt", "keep me");
        return;
    }
    if (how == u"DATA file") {
        QDir(env.path("DATA")).removeRecursively();
        env.writeFile("DATA", bytes);
        return;
    }
    env.writeFile(relative, bytes);
    if (how == u"read-only")
        QFile::setPermissions(env.path(relative), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

QStringList column(const RankingStore::Rows &rows, QString RankingInsert::Row::*field)
{
    QStringList texts;
    for (const RankingInsert::Row &row : rows)
        texts << row.*field;
    return texts;
}

// Where the ranking files are, as a message names it on a line of its own.
QString folderLine(const TestEnvironment &env, const QString &data = QStringLiteral("DATA"))
{
    return u'\n' + QDir::toNativeSeparators(env.path(data));
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
        QTest::newRow("lone CR") << QByteArray("a\rb") << false << QStringList{"a", "b", "", "", ""} << 3;
        QTest::newRow("lone LF is text") << QByteArray("a\nb\r\nc") << false << QStringList{"a\nb", "c", "", "", ""} << 3;
        QTest::newRow("first five only, as they are") << QByteArray("a,b\r\n\"q\"\r\n  sp\r\n4 \r\n5\r\n6\r\n7\r\n") << false
                                                      << QStringList{"a,b", "\"q\"", "  sp", "4 ", "5"} << 0;
        QTest::newRow("LF only") << QByteArray("a\nb\n") << false << QStringList{"a", "b", "", "", ""} << 3;
        QTest::newRow("empty sixth line ignored") << QByteArray("1\r\n2\r\n3\r\n4\r\n5\r\n\r\n") << false
                                                  << QStringList{"1", "2", "3", "4", "5"} << 0;
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx\r\n\r\n\r\n") << false
                                          << QStringList{"", "", "x", "", ""} << 0;
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

    void encodesNamesInCodePage932()
    {
        QCOMPARE(RankingFiles::encode(QStringLiteral("山田太郎")), QByteArray("\x8e\x52\x93\x63\x91\xbe\x98\x59"));
        QVERIFY(RankingFiles::encodable(QStringLiteral("ﾔﾏﾀﾞ")));
        QVERIFY(!RankingFiles::encodable(QStringLiteral("😀")));
    }

    void atStartUp_data();
    void atStartUp();
    void readOnlyFileRefusesTheGameSave_data();
    void readOnlyFileRefusesTheGameSave();
    void damagedFileIsKeptAsideWhenTheRankingIsSaved();
    void reset_data();
    void reset();
    void unwritableDataDirectoryIsToldOnceAndKeepsTheRankingInMemory();
};

void TestRankingFiles::atStartUp_data()
{
    QTest::addColumn<QString>("namesHow");
    QTest::addColumn<QByteArray>("names");
    QTest::addColumn<QString>("scoresHow");
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<QString>("title"); // empty: no message at all
    QTest::addColumn<QStringList>("says");
    QTest::addColumn<QStringList>("keptAside"); // of Data1.data, Data2.data, DATA
    QTest::addColumn<QStringList>("shownNames");
    QTest::addColumn<QStringList>("shownScores");
    QTest::addColumn<QByteArray>("namesAfter");
    QTest::addColumn<QByteArray>("scoresAfter");

    const QString created = QStringLiteral("自動生成");
    const QString newFiles = QStringLiteral("ランキングファイルが確認できません。自動生成します。");
    const QStringList defaultNames = RankingFiles::defaultNames(), defaultScores = RankingFiles::defaultScores();

    // A missing file: the default ranking, as ever, but the partner that
    // it replaces is copied aside first.
    QTest::newRow("names missing") << "missing" << QByteArray() << "file" << Scores << created
                                   << QStringList{newFiles, "元の Data2.data（得点） は"} << QStringList{"Data2.data"}
                                   << defaultNames << defaultScores << DefaultNames << DefaultScores;
    QTest::newRow("a folder for the names") << "folder" << QByteArray() << "file" << Scores << created
                                            << QStringList{newFiles, "Data1.data（名前） の場所にあったフォルダは"}
                                            << QStringList{"Data1.data", "Data2.data"} << defaultNames << defaultScores
                                            << DefaultNames << DefaultScores;
    QTest::newRow("a file for the DATA folder") << "DATA file" << QByteArray("x") << "missing" << QByteArray() << created
                                                << QStringList{newFiles, "DATA フォルダの場所にあったファイルは"}
                                                << QStringList{"DATA"} << defaultNames << defaultScores << DefaultNames
                                                << DefaultScores;

    // Readable files are read as they are and not written.
    QTest::newRow("read-only") << "read-only" << Names << "read-only" << Scores << "" << QStringList() << QStringList()
                               << NameRows << ScoreRows << Names << Scores;
    const QByteArray oddScores = "99999999999999\r\n-5\r\nabc\r\n&HFFFF\r\n1E400\r\n";
    QTest::newRow("scores out of range are texts like any") << "file" << Names << "file" << oddScores << ""
                                                             << QStringList() << QStringList() << NameRows
                                                             << QStringList{"99999999999999", "-5", "abc", "&HFFFF", "1E400"}
                                                             << Names << oddScores;

    // A damaged file shows the rows it can give, the others empty, and is
    // left as it is until the ranking is next saved.
    QTest::newRow("empty names") << "file" << QByteArray() << "file" << Scores << "" << QStringList() << QStringList()
                                 << EmptyRows << ScoreRows << QByteArray() << Scores;
    QTest::newRow("names shorter than five lines, the last without its end")
        << "file" << cp932("山田\r\nTaro") << "file" << Scores << "" << QStringList() << QStringList()
        << QStringList{"山田", "Taro", "", "", ""} << ScoreRows << cp932("山田\r\nTaro") << Scores;
    QTest::newRow("a megabyte of garbage") << "file" << Garbage << "file" << Scores << "" << QStringList()
                                           << QStringList() << EmptyRows << ScoreRows << Garbage << Scores;
    QTest::newRow("damaged and read-only") << "read-only" << cp932("山田\r\n") << "file" << Scores << QStringLiteral("読込報告")
                                           << QStringList{"Data1.data（名前）", "書き込めないため直せませんでした", "\n/"}
                                           << QStringList() << QStringList{"山田", "", "", "", ""} << ScoreRows
                                           << cp932("山田\r\n") << Scores;
}

void TestRankingFiles::atStartUp()
{
    QFETCH(QString, namesHow);
    QFETCH(QByteArray, names);
    QFETCH(QString, scoresHow);
    QFETCH(QByteArray, scores);
    QFETCH(QString, title);
    QFETCH(QStringList, says);
    QFETCH(QStringList, keptAside);
    TestEnvironment env;
    env.writeDefaultFiles();
    QFile::remove(env.path("DATA/Data1.data"));
    QFile::remove(env.path("DATA/Data2.data"));
    place(env, "DATA/Data1.data", namesHow, names);
    place(env, "DATA/Data2.data", scoresHow, scores);

    // Later looks read the files as they are and say nothing more.
    RankingStore store;
    for (int i = 0; i < 3; ++i) {
        store.ensureFiles();
        store.rows();
    }
    if (title.isEmpty()) {
        QVERIFY2(env.messages.isEmpty(), qPrintable(env.messageTexts().join(u'|')));
    } else {
        QCOMPARE(env.messages.size(), 1);
        QCOMPARE(env.messages[0].title, title);
        for (const QString &part : says)
            QVERIFY2(env.messages[0].text.contains(part), qPrintable(env.messages[0].text));
    }

    // Each copy put aside is named in the message and holds what was there.
    QStringList aside = QDir(env.path("DATA")).entryList({"*.bak-*"}, QDir::AllEntries | QDir::System);
    aside += QDir(env.dir()).entryList({"DATA.bak-*"}, QDir::AllEntries | QDir::System);
    QCOMPARE(aside.size(), keptAside.size());
    for (const QString &kept : keptAside) {
        const QStringList found = aside.filter(QRegularExpression("^" + QRegularExpression::escape(kept) + "\\.bak-"));
        QCOMPARE(found.size(), 1);
        const QString relative = kept == u"DATA" ? found[0] : "DATA/" + found[0];
        QVERIFY(env.messages[0].text.contains(QDir::toNativeSeparators(env.path(relative))));
        const QString how = kept == u"Data2.data" ? scoresHow : namesHow;
        if (how == u"folder")
            QCOMPARE(env.readFile(relative + "/inside.txt"), QByteArray("keep me"));
        else
            QCOMPARE(env.readFile(relative), kept == u"Data2.data" ? scores : names);
    }

    QTEST(env.readFile("DATA/Data1.data"), "namesAfter");
    QTEST(env.readFile("DATA/Data2.data"), "scoresAfter");
    QTEST(column(store.rows(), &RankingInsert::Row::name), "shownNames");
    QTEST(column(store.rows(), &RankingInsert::Row::score), "shownScores");
}

void TestRankingFiles::readOnlyFileRefusesTheGameSave_data()
{
    QTest::addColumn<QByteArray>("scores");
    QTest::newRow("whole") << Scores;
    QTest::newRow("damaged: not copied aside either") << QByteArray("90000\r\n");
}

void TestRankingFiles::readOnlyFileRefusesTheGameSave()
{
    QFETCH(QByteArray, scores);
    TestEnvironment env;
    env.writeDefaultFiles();
    env.writeFile("DATA/Data1.data", Names);
    place(env, "DATA/Data2.data", "read-only", scores);
    RankingStore store;
    store.ensureFiles();
    env.messages.clear(); // what start-up says is checked above

    QVERIFY(!store.enter(100000, QStringLiteral("Newcomer")));
    QCOMPARE(env.messageTexts(), QStringList{"ランキングファイルに書き込めませんでした。\nランキングは保存されていません。" + folderLine(env)});
    QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
    // Neither file changed: the names never go in beside the old scores.
    QCOMPARE(env.readFile("DATA/Data1.data"), Names);
    QCOMPARE(env.readFile("DATA/Data2.data"), scores);
    QVERIFY(QDir(env.path("DATA")).entryList({"*.bak-*"}).isEmpty());
}

void TestRankingFiles::damagedFileIsKeptAsideWhenTheRankingIsSaved()
{
    TestEnvironment env;
    env.writeDefaultFiles();
    env.writeFile("DATA/Data1.data", Names);
    const QByteArray damaged = "90000\r\n80000\r\n";
    env.writeFile("DATA/Data2.data", damaged);

    // The game's save copies it aside first and says so once, naming the copy.
    RankingStore store;
    store.enter(85000, QStringLiteral("Newcomer"));
    QCOMPARE(env.messages.size(), 1);
    QCOMPARE(env.messages[0].title, QStringLiteral("保存報告"));
    const QStringList copies = QDir(env.path("DATA")).entryList({"Data2.data.bak-*"});
    QCOMPARE(copies.size(), 1);
    QVERIFY(env.messages[0].text.contains(u"Data2.data（得点）"));
    QVERIFY(env.messages[0].text.contains(QDir::toNativeSeparators(env.path("DATA/" + copies[0]))));
    QCOMPARE(env.readFile("DATA/" + copies[0]), damaged);
    // The rows that could be read take part in the game as ever.
    QCOMPARE(env.readFile("DATA/Data2.data"), QByteArray("90000\r\n85000\r\n80000\r\n0\r\n0\r\n\r\n"));
    QCOMPARE(env.readFile("DATA/Data1.data"), cp932("山田\r\nNewcomer\r\nTaro\r\nHana\r\nJiro\r\n\r\n"));
    store.enter(85000, QStringLiteral("Newcomer"));
    QCOMPARE(env.messages.size(), 1);
}

void TestRankingFiles::reset_data()
{
    QTest::addColumn<QString>("how"); // of the scores file
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("says");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("reset");
    const QString ask = QStringLiteral("ランキングを初期化します。よろしいですか？");
    QTest::newRow("cancelled") << "file" << int(Messages::Answer::No) << QStringList{ask, "キャンセルしました。"}
                               << "キャンセル報告" << false;
    QTest::newRow("done") << "file" << int(Messages::Answer::Yes) << QStringList{ask, "初期化しました。"} << "初期化報告" << true;
    QTest::newRow("files missing: created first")
        << "missing" << int(Messages::Answer::No)
        << QStringList{"ランキングファイルが確認できません。自動生成します。", ask, "キャンセルしました。"} << "キャンセル報告" << true;
    QTest::newRow("read-only: not half reset")
        << "read-only" << int(Messages::Answer::Yes)
        << QStringList{ask, "ランキングファイルに書き込めませんでした。\nランキングは初期化されていません。\nTMP/DATA"} << "初期化報告"
        << false;
}

void TestRankingFiles::reset()
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
    QCOMPARE(env.readFile("DATA/Data1.data"), reset ? DefaultNames : Names);
    QCOMPARE(env.readFile("DATA/Data2.data"), reset ? DefaultScores : Scores);
}

void TestRankingFiles::unwritableDataDirectoryIsToldOnceAndKeepsTheRankingInMemory()
{
    TestEnvironment env;
    env.writeFile("blocker", "x");
    ProgramPaths::setProgramDir(env.path("blocker/Plumeno"));
    ProgramPaths::setUserDataDirForTests(env.path("blocker/user"));
    RankingStore store;
    store.ensureFiles(); // tells of both files being impossible to create, naming the folder
    QCOMPARE(env.messages.last().text, "ランキングファイルを作成できませんでした。\nランキングは保存されません。" + folderLine(env, "blocker/user/DATA"));
    env.messages.clear();

    // A later look at the ranking does not ask again; the game's save fails
    // honestly, and the store keeps the result for the run.
    store.ensureFiles();
    QVERIFY(env.messages.isEmpty());
    QVERIFY(!store.enter(140000, QStringLiteral("Newcomer")));
    QCOMPARE(env.messageTexts(), QStringList{"ランキングファイルに書き込めませんでした。\nランキングは保存されていません。" + folderLine(env, "blocker/user/DATA")});
    const RankingStore::Rows rows = store.rows();
    QCOMPARE(rows[1].name, QStringLiteral("Newcomer"));
    QCOMPARE(rows[0].score, QStringLiteral("150000"));
}

QTEST_MAIN(TestRankingFiles)
#include "tst_rankingfiles.moc"
