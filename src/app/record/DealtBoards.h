// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "board/Board.h"

namespace tilora {

// The boards this program dealt on this machine, so that a deal pasted back from the
// clipboard is known as the player's own and may enter the best times, while a deal from
// elsewhere may not. Each board is kept as a fingerprint: the first 8 bytes of an
// HMAC-SHA-256 of its cells under a key drawn at random for this machine's file, so the
// file names no board, and a fingerprint copied from another machine's file matches
// nothing here. The last kKept deals are kept, in a file beside the record:
//
//   tilora-dealt 1 <the key, 64 hexadecimal digits>
//   <one fingerprint a line, 16 hexadecimal digits, oldest first>
//
// A file that cannot be read is begun anew; one that cannot be written keeps the
// fingerprints of this session only.
class DealtBoards {
public:
    static constexpr std::size_t kKept = 5000;

    // An empty `file` keeps the fingerprints for the session only.
    // `kept`: how many deals the file keeps.
    explicit DealtBoards(std::filesystem::path file, std::size_t kept = kKept);

    // The board was just dealt here.
    void Note(const Board& board);
    // The board is one dealt here, in this session or an earlier one.
    bool Dealt(const Board& board);

private:
    // The file as it is now (another running copy may have dealt since).
    void Read();
    std::uint64_t Fingerprint(const Board& board) const;

    std::filesystem::path m_file;
    std::size_t m_kept;
    QByteArray m_key;
    std::vector<std::uint64_t> m_prints;   // the file's
    std::vector<std::uint64_t> m_session;  // this session's, also when the file cannot be written
};

}  // namespace tilora
