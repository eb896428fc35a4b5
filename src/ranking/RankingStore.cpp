#include "RankingStore.h"

#include "Messages.h"
#include "RankingFiles.h"
#include "SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRanking, "plumeno.ranking", QtWarningMsg)

namespace {

const QString SaveReport = QStringLiteral("保存報告");
const QString Busy = QStringLiteral("ほかに起動している Plumeno がランキングファイルを使用中のため、書き込めませんでした。");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The folder the ranking files are in, on a line of its own, so that a
// player told they cannot be written knows where to look.
QString folderLine()
{
    return u'\n' + shown(QFileInfo(RankingFiles::namesPath()).absolutePath());
}

QString fileLabel(const QString &path)
{
    return path == RankingFiles::namesPath() ? QStringLiteral("Data1.data（名前）") : QStringLiteral("Data2.data（得点）");
}

void tell(const QStringList &notes, const QString &title)
{
    if (!notes.isEmpty())
        Messages::show(notes.join(u'\n'), title);
}

RankingStore::Rows defaultRows()
{
    RankingStore::Rows rows;
    for (int i = 0; i < RankingFiles::Rows; ++i)
        rows.append({RankingFiles::defaultNames()[i], RankingFiles::defaultScores()[i]});
    return rows;
}

} // namespace

RankingStore::RankingStore(int lockWaitMs)
    : m_lockWaitMs(lockWaitMs)
    , m_rows(defaultRows())
{}

// The default ranking is about to replace both files: whatever stands at
// either path, or a file where the DATA folder belongs, is kept aside first.
QStringList RankingStore::keepAsideBeforeDefaults()
{
    QStringList notes;
    const QString data = QFileInfo(RankingFiles::namesPath()).absolutePath();
    const QFileInfo dataInfo(data);
    if ((dataInfo.exists() || dataInfo.isSymLink()) && !dataInfo.isDir()) {
        const QString moved = SafeFile::moveAside(data);
        if (!moved.isEmpty())
            notes << QStringLiteral("DATA フォルダの場所にあったファイルは「%1」に移しました。").arg(shown(moved));
    }
    for (const QString &path : {RankingFiles::namesPath(), RankingFiles::scoresPath()}) {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            continue;
        const bool plain = SafeFile::isPlainFile(path);
        const bool folder = info.isDir();
        const QString kept = SafeFile::keepAside(path);
        if (kept.isEmpty())
            continue; // writing there fails as well, and that is told
        if (plain)
            notes << QStringLiteral("元の %1 は「%2」に控えとして残しました。").arg(fileLabel(path), shown(kept));
        else if (folder)
            notes << QStringLiteral("%1 の場所にあったフォルダは「%2」に移しました。").arg(fileLabel(path), shown(kept));
        else
            notes << QStringLiteral("%1 の場所にあったものは「%2」に移しました。").arg(fileLabel(path), shown(kept));
    }
    return notes;
}

// Just before the ranking is saved over them: a file with rows that cannot
// be read is copied aside; until then it is read as it is.
QStringList RankingStore::keepDamagedAside()
{
    QStringList notes;
    for (const QString &path : {RankingFiles::namesPath(), RankingFiles::scoresPath()}) {
        const auto reading = RankingFiles::readFile(path);
        if (!reading || reading->unreadable == 0 || SafeFile::markedReadOnly(path))
            continue;
        const QString kept = SafeFile::keepAside(path);
        if (!kept.isEmpty())
            notes << QStringLiteral("ランキングファイル %1 に読み取れない行があったため、元のファイルを「%2」に控えとして残しました。")
                         .arg(fileLabel(path), shown(kept));
    }
    return notes;
}

// A damaged file that could not be saved over even then, being marked
// read-only, is told about once.
void RankingStore::tellUnmendable()
{
    QStringList notes;
    for (const QString &path : {RankingFiles::namesPath(), RankingFiles::scoresPath()}) {
        if (m_toldUnmended.contains(path) || !SafeFile::markedReadOnly(path))
            continue;
        const auto reading = RankingFiles::readFile(path);
        if (!reading || reading->unreadable == 0)
            continue;
        m_toldUnmended.insert(path);
        notes << QStringLiteral("ランキングファイル %1 に読み取れない行がありますが、書き込めないため直せませんでした。\n"
                                "読み取れた行だけを使います。")
                     .arg(fileLabel(path));
    }
    if (!notes.isEmpty())
        Messages::show(notes.join(u'\n') + folderLine(), QStringLiteral("読込報告"));
}

bool RankingStore::writeDefaults()
{
    if (!RankingFiles::writePair(RankingFiles::fileBytes(RankingFiles::defaultNames(), false),
                                 RankingFiles::fileBytes(RankingFiles::defaultScores(), false)))
        return false;
    m_rows = defaultRows();
    return true;
}

void RankingStore::ensureFiles()
{
    // Only a glance: whatever reads the ranking next waits for the lock in
    // full and finishes such a save then. Taking the lock costs a file
    // opened in the data folder, so it is taken only when a note is there.
    if (QFileInfo::exists(RankingFiles::notePath())) {
        QStringList notes;
        {
            DataLock lock(200);
            if (lock.held())
                notes = readFiles();
        }
        tell(notes, SaveReport);
    }
    if (SafeFile::isPlainFile(RankingFiles::scoresPath()) && SafeFile::isPlainFile(RankingFiles::namesPath())) {
        tellUnmendable();
        return;
    }
    if (m_unwritable)
        return;
    const QStringList notes = keepAsideBeforeDefaults();
    Messages::show((QStringList{QStringLiteral("ランキングファイルが確認できません。自動生成します。")} + notes).join(u'\n'),
                   QStringLiteral("自動生成"));
    bool written = false;
    {
        DataLock lock(m_lockWaitMs);
        written = lock.held() && writeDefaults();
    }
    if (!written) {
        m_unwritable = true;
        qCWarning(lcRanking, "cannot create the ranking files in %s", qPrintable(folderLine().mid(1)));
        Messages::show(QStringLiteral("ランキングファイルを作成できませんでした。\nランキングは保存されません。") + folderLine(),
                       QStringLiteral("自動生成報告"));
    }
}

QStringList RankingStore::readFiles()
{
    QStringList notes;
    // A save that a crashed copy left half done is finished before anything
    // reads the pair.
    if (RankingFiles::finishCutShortSave())
        notes << QStringLiteral("前回ランキングを保存している途中でプログラムが終了していたため、その保存を最後まで行いました。");
    loadColumns();
    return notes;
}

void RankingStore::loadColumns()
{
    // A file that is not there leaves its column as it stands: that happens
    // only where the files cannot be created, and the ranking of this run
    // then lives here.
    if (const auto names = RankingFiles::readFile(RankingFiles::namesPath()))
        for (int i = 0; i < RankingFiles::Rows; ++i)
            m_rows[i].name = names->rows[i];
    if (const auto scores = RankingFiles::readFile(RankingFiles::scoresPath()))
        for (int i = 0; i < RankingFiles::Rows; ++i)
            m_rows[i].score = scores->rows[i];
}

bool RankingStore::writeWaiting(QStringList &notes)
{
    for (const Entry &entry : std::as_const(m_waiting))
        RankingInsert::insert(m_rows, entry.score, entry.name);
    m_waiting.clear();
    notes << keepDamagedAside();
    QStringList names, scores;
    for (const RankingInsert::Row &row : std::as_const(m_rows)) {
        names << row.name;
        scores << row.score;
    }
    if (RankingFiles::writePair(RankingFiles::fileBytes(names, true), RankingFiles::fileBytes(scores, true)))
        return true;
    qCWarning(lcRanking, "cannot write the ranking files in %s", qPrintable(folderLine().mid(1)));
    notes << QStringLiteral("ランキングファイルに書き込めませんでした。\nランキングは保存されていません。") + folderLine();
    return false;
}

RankingStore::Rows RankingStore::rows()
{
    QStringList notes;
    {
        // Under the lock, so that a save by another copy is never read half
        // done; while another copy keeps it, the files are read as they are.
        DataLock lock(m_lockWaitMs);
        if (!lock.held()) {
            loadColumns();
        } else {
            notes = readFiles();
            if (!m_waiting.isEmpty())
                writeWaiting(notes);
        }
    }
    tell(notes, SaveReport);
    return m_rows;
}

bool RankingStore::enter(std::int32_t score, const QString &name)
{
    // The files were there at start-up, but a player may have deleted them
    // since; reading nothing would write a ranking of empty rows.
    ensureFiles();
    m_waiting.append({score, name});
    QStringList notes;
    bool saved = false;
    {
        // Read, insert and write as one step: another copy entering its
        // score at the same moment waits, then inserts into this result.
        DataLock lock(m_lockWaitMs);
        if (lock.held()) {
            notes = readFiles();
            saved = writeWaiting(notes);
        } else {
            qCInfo(lcRanking, "score %d waits: another copy holds the ranking", score);
            notes << Busy
                         + QStringLiteral(
                             "\n得点は覚えておき、次にランキングを開くか保存するとき、または挑戦モードを離れるときにもう一度保存します。");
        }
    }
    tell(notes, SaveReport);
    return saved;
}

void RankingStore::offerWaitingScores()
{
    while (!m_waiting.isEmpty()) {
        QStringList notes;
        bool busy = false;
        {
            DataLock lock(m_lockWaitMs);
            busy = !lock.held();
            if (!busy) {
                notes = readFiles();
                writeWaiting(notes);
            }
        }
        tell(notes, SaveReport);
        if (!busy)
            return;
        QStringList scores;
        for (const Entry &entry : std::as_const(m_waiting))
            scores << QStringLiteral("%1 %2").arg(entry.name).arg(entry.score);
        const QString question = Busy
                                 + QStringLiteral("\nまだ保存されていない得点があります（%1）。\nもう一度保存してみますか？")
                                       .arg(scores.join(QStringLiteral("、")));
        if (Messages::show(question, QStringLiteral("確認"), Messages::Buttons::YesNo) == Messages::Answer::No) {
            qCWarning(lcRanking, "%lld waiting scores left unsaved by the player", qlonglong(m_waiting.size()));
            m_waiting.clear();
            Messages::show(QStringLiteral("得点を保存しませんでした。"), QStringLiteral("キャンセル報告"));
        }
    }
}

void RankingStore::reset()
{
    ensureFiles();
    const Messages::Answer answer =
        Messages::show(QStringLiteral("ランキングを初期化します。よろしいですか？"), QStringLiteral("確認"), Messages::Buttons::YesNo);
    if (answer != Messages::Answer::Yes) {
        Messages::show(QStringLiteral("キャンセルしました。"), QStringLiteral("キャンセル報告"));
        return;
    }
    bool busy = false, written = false;
    {
        DataLock lock(m_lockWaitMs);
        busy = !lock.held();
        written = !busy && writeDefaults();
    }
    if (written)
        Messages::show(QStringLiteral("初期化しました。"), QStringLiteral("初期化報告"));
    else
        Messages::show((busy ? Busy : QStringLiteral("ランキングファイルに書き込めませんでした。"))
                           + QStringLiteral("\nランキングは初期化されていません。") + (busy ? QString() : folderLine()),
                       QStringLiteral("初期化報告"));
}
