// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/DealtBoards.h"

#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

#include <algorithm>
#include <optional>
#include <charconv>
#include <string_view>

#include "common/AtomicFile.h"
#include "common/ReadOnlyFile.h"

namespace tilora {
namespace {

constexpr std::string_view kMagic = "tilora-dealt 1 ";
constexpr int kKeyBytes = 32;
// kKept lines and the header, with room to spare.
constexpr std::uint64_t kSizeLimit = 256 * 1024;

QByteArray NewKey()
{
    QByteArray key(kKeyBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(key.data()), kKeyBytes / 4);
    return key;
}

std::string Hex(std::uint64_t value)
{
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    return std::string(16 - count, '0') + std::string(digits, count);
}

}  // namespace

DealtBoards::DealtBoards(std::filesystem::path file, std::size_t kept)
    : m_file(std::move(file)), m_kept(std::max<std::size_t>(kept, 1)), m_key(NewKey())
{
    // The file's key, when there is one, is settled before the first fingerprint.
    Read();
}

void DealtBoards::Read()
{
    if (m_file.empty())
        return;
    const WholeFile whole = ReadWholeRegularFile(m_file, kSizeLimit);
    if (whole.status != WholeFile::Status::Read)
        return;
    std::string_view text = whole.bytes;
    const std::size_t headerEnd = text.find('\n');
    const std::string_view header = text.substr(0, headerEnd);
    const QByteArray key = QByteArray::fromHex(QByteArray::fromRawData(header.data() + std::min(header.size(), kMagic.size()),
                                                                       static_cast<qsizetype>(header.size() - std::min(header.size(), kMagic.size()))));
    if (headerEnd == std::string_view::npos || !header.starts_with(kMagic) || key.size() != kKeyBytes)
        return;  // no such file of ours: it is begun anew at the next deal
    m_key = key;
    m_prints.clear();
    text.remove_prefix(headerEnd + 1);
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::uint64_t print = 0;
        const auto [at, ec] = std::from_chars(text.data(), text.data() + end, print, 16);
        if (ec == std::errc{} && at == text.data() + end)
            m_prints.push_back(print);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

void DealtBoards::Note(const Board& board)
{
    std::optional<FileLock> lock;
    if (!m_file.empty())
        lock.emplace(m_file);
    // Under the file's key, which another running copy may have set since.
    Read();
    const std::uint64_t print = Fingerprint(board);
    m_session.push_back(print);
    if (m_session.size() > m_kept)
        m_session.erase(m_session.begin());
    if (m_file.empty())
        return;
    m_prints.push_back(print);
    if (m_prints.size() > m_kept)
        m_prints.erase(m_prints.begin(), m_prints.end() - static_cast<std::ptrdiff_t>(m_kept));
    std::string text(kMagic);
    text += m_key.toHex().toStdString();
    text += '\n';
    for (const std::uint64_t print : m_prints)
        text += Hex(print) + '\n';
    std::error_code ec;
    std::filesystem::create_directories(m_file.parent_path(), ec);
    // A file that cannot be written leaves the fingerprints of this session in memory.
    (void)WriteFileAtomically(m_file, text);
}

bool DealtBoards::Dealt(const Board& board)
{
    Read();
    const std::uint64_t print = Fingerprint(board);
    return std::find(m_prints.begin(), m_prints.end(), print) != m_prints.end() ||
           std::find(m_session.begin(), m_session.end(), print) != m_session.end();
}

std::uint64_t DealtBoards::Fingerprint(const Board& board) const
{
    const int n = board.GridSize();
    QByteArray cells;
    cells.append(static_cast<char>(n));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            cells.append(static_cast<char>(board.Cell(r, c)));
    const QByteArray mac = QMessageAuthenticationCode::hash(cells, m_key, QCryptographicHash::Sha256);
    std::uint64_t print = 0;
    for (int i = 0; i < 8; ++i)
        print = (print << 8) | static_cast<std::uint8_t>(mac[i]);
    return print;
}

}  // namespace tilora
