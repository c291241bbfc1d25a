// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/SavedGameFile.h"

#include <string>

#include "common/AtomicFile.h"
#include "common/ReadOnlyFile.h"

namespace tilora {

bool WriteSavedGame(const std::filesystem::path& file, const Board& board, int seconds)
{
    return WriteFileAtomically(file, EncodeSavedGame(board, seconds));
}

ReadResult ReadSavedGame(const std::filesystem::path& file)
{
    // Only the head that the largest saved game fills is read; a FIFO or a device is
    // refused rather than read, so that opening one can neither block nor run on forever.
    const OpenedFile opened = OpenRegularFile(file);
    std::string head;
    if (!opened.fd.IsOpen() || !ReadAtMost(opened.fd.Get(), savegame::kLargestFileSize, head))
        return {ReadStatus::CannotOpen, {}};
    DecodeResult decoded = DecodeSavedGame(head);
    if (!decoded.game)
        return {ReadStatus::Invalid, {}};
    return {ReadStatus::Loaded, std::move(*decoded.game)};
}

}  // namespace tilora
