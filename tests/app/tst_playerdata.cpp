// Where the player's settings and ranking live for each way of running the
// game, and that installing and uninstalling never lose them.
// Installs the real build into scratch prefixes, with a scratch HOME.
#include "ProgramPaths.h"
#include "SettingsFile.h"
#include "Program.h"
#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <unistd.h>

namespace {

QString run(const QString &program, const QStringList &args, int *exitCode = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(120000);
    if (exitCode)
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromLocal8Bit(p.readAll());
}

QString install(const QString &prefix)
{
    int code = -1;
    const QString out = run("cmake", {"--install", QCoreApplication::applicationDirPath() + "/..", "--prefix", prefix}, &code);
    if (code != 0)
        qWarning("%s", qPrintable(out));
    return QFileInfo(prefix + "/lib/plumeno").canonicalFilePath(); // GNUInstallDirs' libdir outside /usr
}

QStringList filesUnder(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

const QByteArray Settings = SettingsFile::serialize({255, 0, false, true, 130});
const QByteArray Names = "Taro\r\nBBBBBBBB\r\nCCCCCCCC\r\nDDDDDDDD\r\nEEEEEEEE\r\n\r\n";
const QByteArray Scores = "170000\r\n130000\r\n100000\r\n70000\r\n50000\r\n\r\n";

} // namespace

class TestPlayerData : public QObject
{
    Q_OBJECT

private slots:
    void installedCopyUsesTheUserDataFolderAndUninstallsWhole()
    {
        QTemporaryDir scratch;
        const QString prefix = scratch.path() + "/prefix", other = scratch.path() + "/other";
        const QString program = install(prefix);
        QVERIFY(!program.isEmpty());
        // A later install elsewhere (as the install check of `make test` does)
        // rewrites the build's install_manifest.txt.
        QVERIFY(!install(other).isEmpty());

        // The program folder can be written (it is ours), and still the
        // player's files go to the data folder.
        TestEnvironment env;
        const QString userData = env.path("user/Plumeno"); // XDG_DATA_HOME/Plumeno
        ProgramPaths::setProgramDir(program);
        QCOMPARE(ProgramPaths::dataDir(), userData);
        QVERIFY(env.program().start());
        QCOMPARE(env.messages.size(), 2); // the first start: settings and ranking made
        const QStringList dataBefore = filesUnder(userData);
        // The files a first start makes, first in order (the data lock's file may follow).
        QCOMPARE(dataBefore.mid(0, 3), (QStringList{"DATA/Data1.data", "DATA/Data2.data", "Plumeno.config"}));

        int code = -1;
        const QString said = run("sh", {program + "/uninstall.sh"}, &code);
        QCOMPARE(code, 0);
        QVERIFY2(said.contains(userData), qPrintable(said));
        QVERIFY2(filesUnder(prefix).isEmpty(), qPrintable(filesUnder(prefix).join(u' ')));
        QVERIFY(!QFileInfo::exists(program));
        QVERIFY(!QFileInfo::exists(prefix + "/share/doc/plumeno"));
        QCOMPARE(filesUnder(userData), dataBefore);

        // The other install, untouched so far, holds a player's files from an
        // older install; run with sudo, the script names the sudo user's folder.
        const QString otherProgram = other + "/lib/plumeno";
        for (const char *name : {"Plumeno.config", "PlumenoHistory.csv"})
            QVERIFY(QFile(otherProgram + "/" + name).open(QIODevice::WriteOnly));
        const QString saidWithSudo = run("env", {"SUDO_USER=nobody", "sh", otherProgram + "/uninstall.sh"});
        QVERIFY2(saidWithSudo.contains("they stay there: Plumeno.config PlumenoHistory.csv"), qPrintable(saidWithSudo));
        QCOMPARE(filesUnder(other), (QStringList{"lib/plumeno/Plumeno.config", "lib/plumeno/PlumenoHistory.csv"}));
        if (geteuid() == 0)
            QVERIFY2(saidWithSudo.contains("yours is /nonexistent/.local/share/Plumeno"), qPrintable(saidWithSudo));
    }

    void filesInTheProgramFolderAreTakenAlongNeverOverwriting_data()
    {
        QTest::addColumn<QString>("userHas");
        QTest::newRow("user folder empty") << "";
        QTest::newRow("user folder with its own settings") << "Plumeno.config";
        // Names and scores go together: a lone names file is never paired with
        // the program folder's scores.
        QTest::newRow("user folder with names only") << "DATA/Data1.data";
    }

    void filesInTheProgramFolderAreTakenAlongNeverOverwriting()
    {
        QFETCH(QString, userHas);
        // A program folder the game may not keep files in (installed here; a
        // read-only one goes the same way) that holds a player's files already.
        TestEnvironment env;
        env.writeFile("Plumeno.installed", QFile::encodeName(QDir(env.dir()).canonicalPath()) + "\n");
        env.writeFile("Plumeno.config", Settings);
        env.writeFile("DATA/Data1.data", Names);
        env.writeFile("DATA/Data2.data", Scores);
        for (const QString name : {"PlumenoExtras.ini", "PlumenoHistory.csv"})
            env.writeFile(name, name.toUtf8());
        const QByteArray own = SettingsFile::serialize(SettingsFile::Defaults);
        if (!userHas.isEmpty())
            env.writeFile("user/Plumeno/" + userHas, own);
        QVERIFY(TestSupport::program().start());
        const bool ownSettings = userHas == u"Plumeno.config", loneNames = userHas == u"DATA/Data1.data";
        // No first-start messages; a lone names file is reported and replaced.
        QVERIFY2(env.messages.size() == (loneNames ? 1 : 0), qPrintable(env.messageTexts().join(u'|')));
        QCOMPARE(env.readFile("user/Plumeno/Plumeno.config"), ownSettings ? own : Settings);
        QCOMPARE(env.settings().maxFontSize, ownSettings ? 0 : 130);
        QCOMPARE(env.readFile("user/Plumeno/DATA/Data1.data"), loneNames ? TestSupport::DefaultNames : Names);
        QCOMPARE(env.readFile("user/Plumeno/DATA/Data2.data"), loneNames ? TestSupport::DefaultScores : Scores);
        QCOMPARE(env.readFile("Plumeno.config"), Settings); // left where it was
        for (const QString name : {"PlumenoExtras.ini", "PlumenoHistory.csv"})
            QCOMPARE(env.readFile("user/Plumeno/" + name), name.toUtf8());
    }

    void unpackedCopyKeepsFilesBesideTheExecutable()
    {
        // Copied or unpacked from an installed tree to a folder of its own.
        TestEnvironment env;
        env.writeFile("Plumeno.installed", "/usr/lib/plumeno\n");
        QCOMPARE(ProgramPaths::dataDir(), env.dir());
        QVERIFY(TestSupport::program().start());
        QVERIFY(!QFileInfo::exists(env.path("user")));
    }
};

QTEST_MAIN(TestPlayerData)
#include "tst_playerdata.moc"
