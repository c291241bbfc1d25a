// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include "app/record/GamesCsv.h"
#include "app/record/RecordFile.h"

namespace tilora {
namespace {

// Options that Qt's graphical application takes from the command line itself
// (-platform wayland, -style fusion, ...): accepted here and left for it to act on.
constexpr const char* kQtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                           "qwindowgeometry", "geometry", "qwindowicon", "icon",
                                           "qwindowtitle", "title", "display", "name", "session",
                                           "style", "stylesheet", "qmljsdebugger"};
constexpr const char* kQtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The parser of the game's options. The texts are translated when the game's
// translations are installed, and stay English when not (while merely parsing).
void AddOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Sliding-block picture puzzle: restore the picture by sliding its blocks."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("export-games"),
        QCoreApplication::translate("main", "Print every kept game as CSV (oldest first) and exit.")));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("main", "A picture file to play on, as with Open Picture."),
                                 QStringLiteral("[FILE]"));
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The kept games on standard output; a record that cannot be read is said on standard
// error, with what could be read of it still printed.
int ExportGames(const std::filesystem::path& record)
{
    record_file::Contents contents = record_file::Read(record);
    record_file::ReadPlayed(record, contents.games);
    const std::string csv = GamesCsv(contents.games);
    std::fwrite(csv.data(), 1, csv.size(), stdout);
    std::fflush(stdout);
    const QString file = QFile::decodeName(record.c_str());
    switch (contents.state) {
    case record_file::State::Missing:
    case record_file::State::Fine:
    case record_file::State::Newer:
        return 0;
    case record_file::State::Damaged:
        Print(stderr, QCoreApplication::translate("main", "The game record \"%1\" is damaged.").arg(file) + u'\n');
        return 1;
    case record_file::State::Unreadable:
        Print(stderr, QCoreApplication::translate("main", "The game record \"%1\" could not be read (%2).")
                          .arg(file, QString::fromLocal8Bit(contents.error.c_str())) +
                          u'\n');
        return 1;
    }
    return 1;
}

}  // namespace

CommandLine::CommandLine(const QStringList& arguments) : m_arguments(arguments)
{
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(m_arguments) || parser.positionalArguments().size() > 1)
        m_answer = Answer::Error;
    else if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        m_answer = Answer::Help;
    else if (parser.isSet(QStringLiteral("version")))
        m_answer = Answer::Version;
    else if (parser.isSet(QStringLiteral("export-games")))
        m_answer = Answer::ExportGames;
    else if (!parser.positionalArguments().isEmpty())
        m_file = parser.positionalArguments().constFirst();
    m_platform = parser.value(QStringLiteral("platform"));
    m_display = parser.value(QStringLiteral("display"));
}

int CommandLine::Reply(const std::filesystem::path& record) const
{
    QCommandLineParser parser;
    AddOptions(parser);
    const bool parsed = parser.parse(m_arguments);
    switch (m_answer) {
    case Answer::None:
        return 0;
    case Answer::Help:
        // Only Qt's own parser lists Qt's options; it prints them and ends the process.
        if (parser.isSet(QStringLiteral("help-all")))
            parser.process(*QCoreApplication::instance());
        Print(stdout, parser.helpText().trimmed() + u'\n');
        return 0;
    case Answer::Version:
        Print(stdout, QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return 0;
    case Answer::ExportGames:
        return ExportGames(record);
    case Answer::Error:
        break;
    }
    // The program's own name, whatever path started it (a build folder, a link).
    const QString program = QStringLiteral("tilora");
    const QStringList files = parser.positionalArguments();
    const QString error =
        !parsed ? parser.errorText()
                : QCoreApplication::translate("main", "Only one picture file can be given; \"%1\" is one too many.")
                      .arg(files.value(1));
    Print(stderr, program + QStringLiteral(": ") + error + u'\n' +
                      QCoreApplication::translate("main", "Try \"%1 --help\" for more information.").arg(program) +
                      u'\n');
    return kUsageError;
}

}  // namespace tilora
