#include "CommandLine.h"

#include "ProgramIdentity.h"

#include <QCommandLineParser>
#include <QTextStream>

namespace {

// Options that QApplication takes for itself; they reach it unchanged.
constexpr const char *QtValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "display",  "geometry",           "style",         "stylesheet", "session",         "title",       "qmljsdebugger",
};
constexpr const char *QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

void addHidden(QCommandLineParser &parser, const char *name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

} // namespace

QString CommandLine::usage()
{
    return QStringLiteral("Usage: plumeno [--help] [--version]\n"
                          "Plumeno, a game for training flash mental arithmetic (フラッシュ暗算).\n"
                          "Started without options, it opens the game.\n"
                          "\n"
                          "  -h, --help     show this help and exit\n"
                          "  --version      show the version and exit\n");
}

std::optional<int> CommandLine::handle(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : QtValueOptions)
        addHidden(parser, name, true);
    for (const char *name : QtFlagOptions)
        addHidden(parser, name, false);

    if (!parser.parse(arguments)) {
        err << "plumeno: " << parser.errorText() << "\n\n" << usage();
        err.flush();
        return UsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "plumeno: unexpected argument '" << parser.positionalArguments().constFirst() << "'\n\n" << usage();
        err.flush();
        return UsageError;
    }
    if (parser.isSet(help)) {
        out << usage();
        out.flush();
        return 0;
    }
    if (parser.isSet(version)) {
        out << "Plumeno " << ProgramIdentity::DisplayVersion << "\n";
        out.flush();
        return 0;
    }
    return std::nullopt;
}
