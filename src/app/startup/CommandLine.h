// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>

namespace tilora {

// The program's command line, read before any graphical application exists, so that
// --help, --version, --export-games and a wrong option answer in a terminal without a
// display.
class CommandLine {
public:
    // The exit code of a command line that names an unknown option or more than one file.
    static constexpr int kUsageError = 2;

    // Reads `arguments` (the program's name first). Needs no application object.
    explicit CommandLine(const QStringList& arguments);

    // Whether the game starts: no --help, no --version, no --export-games, nothing wrong.
    bool StartsGame() const { return m_answer == Answer::None; }
    // The picture file to open at start, or an empty text.
    const QString& File() const { return m_file; }
    // The values of Qt's -platform and -display options, empty when not given.
    const QString& Platform() const { return m_platform; }
    const QString& Display() const { return m_display; }

    // Prints the help, the version, the kept games or the error for a command line that
    // does not start the game, in the player's language, and gives the exit code. Needs a
    // QCoreApplication with the game's translations installed. The games are read from
    // `record`.
    int Reply(const std::filesystem::path& record = {}) const;

private:
    enum class Answer { None, Help, Version, ExportGames, Error };

    QStringList m_arguments;
    Answer m_answer = Answer::None;
    QString m_file;
    QString m_platform;
    QString m_display;
};

}  // namespace tilora
