// The `plumeno` command's options, on the built executable itself.
#include "ProgramIdentity.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the game's executable where no window could open: the X11 platform
// is asked for and there is no display, so an option that started the
// application would end in Qt's fatal "could not connect to display".
Run runPlumeno(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("PLUMENO_EXECUTABLE"), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(qEnvironmentVariable("PLUMENO_EXECUTABLE")).isExecutable(),
                 "PLUMENO_EXECUTABLE names the built game");
    }

    void versionIsTheAboutScreensVersion()
    {
        const Run run = runPlumeno({QStringLiteral("--version")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Plumeno %1\n").arg(ProgramIdentity::DisplayVersion));
        QCOMPARE(run.err, QString());
    }

    void helpIsAShortUsageOnStdout()
    {
        for (const QString &option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
            const Run run = runPlumeno({option});
            QCOMPARE(run.status, 0);
            QVERIFY2(run.out.startsWith(QStringLiteral("Usage: plumeno")), qPrintable(run.out));
            QVERIFY(run.out.contains(QStringLiteral("--version")));
            QVERIFY(run.out.count(QLatin1Char('\n')) <= 12);
            QCOMPARE(run.err, QString());
        }
    }

    void badCommandLinesGetTheUsageOnStderrAndStatus2_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("unknown long") << QStringList{"--fullscreen"} << "Unknown option 'fullscreen'";
        QTest::newRow("unknown short") << QStringList{"-x"} << "Unknown option 'x'";
        QTest::newRow("value given to a flag") << QStringList{"--version=2"} << "Unexpected value after '--version'";
        QTest::newRow("argument") << QStringList{"ranking.txt"} << "unexpected argument 'ranking.txt'";
        QTest::newRow("Qt option without its value") << QStringList{"-platform"} << "Missing value after '-platform'";
    }

    void badCommandLinesGetTheUsageOnStderrAndStatus2()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        const Run run = runPlumeno(arguments);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.out, QString());
        QVERIFY2(run.err.startsWith(QStringLiteral("plumeno: ")), qPrintable(run.err));
        QVERIFY2(run.err.contains(complaint), qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("Usage: plumeno")));
    }

    // Qt's own options still reach the application, so they are no error.
    void qtOptionsAreAccepted()
    {
        const Run run = runPlumeno({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                    QStringLiteral("-reverse"), QStringLiteral("--version")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Plumeno %1\n").arg(ProgramIdentity::DisplayVersion));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
