// The `plumeno` command's options, on the built executable itself.
#include "ProgramIdentity.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("outAndErr"); // patterns the whole output must match
        const QString version = "Plumeno " + QRegularExpression::escape(ProgramIdentity::DisplayVersion) + "\n";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << QStringList{version, ""};
        QTest::newRow("--help") << QStringList{"--help"} << 0 << QStringList{"Usage: plumeno.*--version.*", ""};
        QTest::newRow("-h") << QStringList{"-h"} << 0 << QStringList{"Usage: plumeno.*--version.*", ""};
        // Qt's own options still reach the application, so they are no error.
        QTest::newRow("Qt options") << QStringList{"-platform", "offscreen", "-reverse", "--version"} << 0 << QStringList{version, ""};
        const auto bad = [](const char *row, const QStringList &arguments, const QString &complaint) {
            QTest::newRow(row) << arguments << 2 << QStringList{"", "plumeno: " + QRegularExpression::escape(complaint) + ".*Usage: plumeno.*"};
        };
        bad("unknown long", {"--fullscreen"}, "Unknown option 'fullscreen'");
        bad("unknown short", {"-x"}, "Unknown option 'x'");
        bad("value given to a flag", {"--version=2"}, "Unexpected value after '--version'");
        bad("argument", {"ranking.txt"}, "unexpected argument 'ranking.txt'");
        bad("Qt option without its value", {"-platform"}, "Missing value after '-platform'");
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        // Where no window could open: the X11 platform is asked for and there
        // is no display, so an option that started the application would end
        // in Qt's fatal "could not connect to display".
        // The program inherits this test's environment, which needs no display.
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("QT_QPA_PLATFORM", "xcb");
        QProcess process;
        process.start(qEnvironmentVariable("PLUMENO_EXECUTABLE"), arguments);
        QVERIFY(process.waitForFinished(30000));
        QTEST(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, "status"); // -1: it crashed
        QFETCH(QStringList, outAndErr);
        for (const auto &[text, pattern] : {std::pair{process.readAllStandardOutput(), outAndErr[0]}, {process.readAllStandardError(), outAndErr[1]}}) {
            const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern), QRegularExpression::DotMatchesEverythingOption);
            QVERIFY2(whole.match(QString::fromUtf8(text)).hasMatch(), text.constData());
            QVERIFY(text.count('\n') <= 12); // a short usage
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
