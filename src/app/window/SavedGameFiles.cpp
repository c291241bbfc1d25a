// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/SavedGameFiles.h"

#include <QFile>

#include "app/prompts/FileFilter.h"
#include "app/prompts/Prompter.h"
#include "app/prompts/SaveGameMessages.h"
#include "savegame/KeptGame.h"
#include "savegame/SavedGameFile.h"

namespace tilora {
namespace {

std::filesystem::path ChooseFile(Prompter& prompter, QWidget* owner, FileRequest::Kind kind, const QString& title)
{
    const QString file = prompter.ChooseFile(
        owner, {kind, title, QtFileFilter(messages::SavedGameFilter()), messages::SavedGameSuffix()});
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

}  // namespace

std::filesystem::path ChooseSaveGameFile(Prompter& prompter, QWidget* owner)
{
    return ChooseFile(prompter, owner, FileRequest::Kind::Save, messages::SaveGameTitle());
}

std::filesystem::path ChooseOpenGameFile(Prompter& prompter, QWidget* owner)
{
    return ChooseFile(prompter, owner, FileRequest::Kind::Open, messages::OpenGameTitle());
}

std::optional<SavedGame> ReadGameFile(const std::filesystem::path& file, Prompter& prompter, QWidget* owner)
{
    ReadResult read = ReadSavedGame(file);
    switch (read.status) {
    case ReadStatus::Loaded:
        return std::move(read.game);
    case ReadStatus::CannotOpen:
        prompter.Ask(owner, messages::CannotOpenSavedGame());
        return std::nullopt;
    case ReadStatus::Invalid:
        prompter.Ask(owner, messages::InvalidSavedGame());
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<KeptGameAnswer> OfferKeptGameFile(const std::filesystem::path& file, Prompter& prompter, QWidget* owner)
{
    KeptGameRead kept = ReadKeptGame(file);
    if (kept.status == KeptGameRead::Status::None)
        return std::nullopt;
    if (kept.status == KeptGameRead::Status::Refused) {
        ForgetKeptGame(file);
        return std::nullopt;
    }
    const QMessageBox::StandardButton answer = prompter.Ask(owner, messages::ResumeKeptGame());
    if (answer != QMessageBox::Yes && answer != QMessageBox::No)
        return std::nullopt;
    ForgetKeptGame(file);
    if (answer != QMessageBox::Yes)
        return std::nullopt;
    return KeptGameAnswer{std::move(kept.game), kept.helped};
}

}  // namespace tilora
