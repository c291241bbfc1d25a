// SPDX-License-Identifier: GPL-3.0-or-later
#include "solver/TableFile.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <span>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/AtomicFile.h"
#include "common/ReadOnlyFile.h"
#include "common/UserFolders.h"
#include "solver/MappedFile.h"

namespace tilora::solver {
namespace {

constexpr std::array<char, 8> kMagic{'T', 'I', 'L', 'O', 'R', 'A', 'H', 'T'};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint64_t kPayloadOffset = 4096;

struct Header {
    std::array<char, 8> magic{};
    std::uint32_t version = 0;
    std::uint32_t tableCount = 0;
    std::uint64_t layout = 0;
    std::uint64_t payloadBytes = 0;
    std::uint64_t checksum = 0;
    std::array<std::uint64_t, kTableCount> tableBytes{};
};
static_assert(sizeof(Header) <= kPayloadOffset);

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ULL;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;

// FNV-1a over 64-bit words, going on from `hash`: a whole word at a time keeps the check
// of 40 MiB within a few milliseconds. The tables' sizes are multiples of eight.
std::uint64_t Checksum(std::span<const unsigned char> bytes, std::uint64_t hash = kFnvOffset)
{
    for (std::size_t at = 0; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        hash = (hash ^ word) * kFnvPrime;
    }
    return hash;
}

// A hash of the partitions the tables belong to: tables built for other groups of the
// same sizes are refused as well.
std::uint64_t Layout()
{
    std::uint64_t hash = kFnvOffset;
    const auto mix = [&hash](std::uint64_t value) { hash = (hash ^ value) * kFnvPrime; };
    for (const Pattern& pattern : kPartition)
        for (int k = 0; k < pattern.size; ++k)
            mix(static_cast<std::uint64_t>(pattern.tiles[k]));
    mix(kSide);
    for (const auto& partition : kFivePartitions)
        for (const Pattern& pattern : partition)
            for (int k = 0; k < pattern.size; ++k)
                mix(static_cast<std::uint64_t>(pattern.tiles[k]));
    mix(kFiveSide);
    return hash;
}

Header ExpectedHeader()
{
    Header header;
    header.magic = kMagic;
    header.version = kVersion;
    header.tableCount = kTableCount;
    header.layout = Layout();
    header.payloadBytes = PatternDatabases::Bytes();
    for (int t = 0; t < kTableCount; ++t)
        header.tableBytes[t] = kTableBytes[t];
    return header;
}

std::string Describe(const std::filesystem::path& file, const std::string& why)
{
    return file.string() + ": " + why;
}

}  // namespace

std::uint64_t TableFileBytes()
{
    return kPayloadOffset + PatternDatabases::Bytes();
}

TableFolders DefaultTableFolders()
{
    TableFolders folders;
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        folders.installed.push_back(program.parent_path().parent_path() / "share" / "tilora");
#ifdef TILORA_DATA_DIR
    folders.installed.emplace_back(TILORA_DATA_DIR);
#endif
    if (const std::filesystem::path cache = UserFolder("XDG_CACHE_HOME", ".cache"); !cache.empty())
        folders.cache = cache / "tilora";
    return folders;
}

std::shared_ptr<const PatternDatabases> MapTableFile(const std::filesystem::path& file, std::string& why)
{
    // Opened without waiting and only as a regular file: a FIFO or a device in the
    // tables' place is passed over, never waited on or read.
    const OpenedFile opened = OpenRegularFile(file);
    switch (opened.status) {
    case OpenStatus::Opened:
        break;
    case OpenStatus::Missing:
        why = "missing";
        return nullptr;
    case OpenStatus::NotAFile:
        why = "not a regular file";
        return nullptr;
    case OpenStatus::CannotOpen:
        why = std::strerror(opened.error);
        return nullptr;
    }
    // The header and the size are checked before anything is mapped, so that a file of
    // any size costs no more than the header's read.
    const Header expected = ExpectedHeader();
    Header header;
    if (opened.size < sizeof header) {
        why = "too short for its header";
        return nullptr;
    }
    if (::pread(opened.fd.Get(), &header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) {
        why = "its header cannot be read";
        return nullptr;
    }
    if (header.magic != kMagic) {
        why = "not a table file of this game";
        return nullptr;
    }
    if (header.version != kVersion || header.tableCount != expected.tableCount || header.layout != expected.layout
        || header.tableBytes != expected.tableBytes || header.payloadBytes != expected.payloadBytes) {
        why = "tables of another version or layout";
        return nullptr;
    }
    if (opened.size != kPayloadOffset + header.payloadBytes) {
        why = "cut short or grown: " + std::to_string(opened.size) + " bytes, not "
              + std::to_string(kPayloadOffset + header.payloadBytes);
        return nullptr;
    }
    std::shared_ptr<const MappedFile> mapped = MappedFile::Map(opened.fd.Get(), opened.size, why);
    if (!mapped)
        return nullptr;
    const std::span<const unsigned char> payload(mapped->Data() + kPayloadOffset, header.payloadBytes);
    if (Checksum(payload) != header.checksum) {
        why = "damaged: the checksum does not match";
        return nullptr;
    }
    PatternDatabases::Tables tables{};
    std::size_t at = 0;
    for (int t = 0; t < kTableCount; ++t) {
        tables[t] = payload.data() + at;
        at += kTableBytes[t];
    }
    return std::make_shared<const PatternDatabases>(tables, std::move(mapped));
}

bool WriteTableFile(const std::filesystem::path& file, const PatternDatabases& tables, std::string& why)
{
    if (!tables.Complete()) {
        why = "the tables are incomplete";
        return false;
    }
    Header header = ExpectedHeader();
    // The checksum runs on over the tables in turn, as over the one payload they make.
    header.checksum = kFnvOffset;
    for (int t = 0; t < kTableCount; ++t)
        header.checksum = Checksum({tables.All()[t], kTableBytes[t]}, header.checksum);

    std::string temporary = file.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    std::vector<unsigned char> head(kPayloadOffset, 0);
    std::memcpy(head.data(), &header, sizeof header);
    const auto writeAll = [fd](const unsigned char* data, std::size_t size) {
        while (size > 0) {
            const ssize_t written = ::write(fd, data, size);
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            data += written;
            size -= static_cast<std::size_t>(written);
        }
        return true;
    };
    bool ok = writeAll(head.data(), head.size());
    for (int t = 0; ok && t < kTableCount; ++t)
        ok = writeAll(tables.All()[t], kTableBytes[t]);
    // Readable by all, as an installed data file is; mkstemp makes it private.
    ok = ok && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    if (!ok)
        why = std::strerror(errno);
    if (::close(fd) != 0 && ok) {
        why = std::strerror(errno);
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), file.c_str()) != 0) {
        why = std::strerror(errno);
        ok = false;
    }
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

ObtainedTables ObtainTables(const TableFolders& folders, std::stop_token stop, const TableBuild& build)
{
    ObtainedTables result;
    const auto note = [&result](const std::string& text) { result.note += (result.note.empty() ? "" : "; ") + text; };
    std::vector<std::filesystem::path> files;
    for (const auto& folder : folders.installed)
        files.push_back(folder / kTableFileName);
    if (!folders.cache.empty())
        files.push_back(folders.cache / kTableFileName);
    for (const auto& file : files) {
        std::error_code error;
        if (!std::filesystem::exists(file, error))
            continue;
        std::string why;
        if ((result.tables = MapTableFile(file, why))) {
            result.file = file;
            return result;
        }
        note(Describe(file, "refused, " + why));
    }

    const auto buildNow = [&build, &stop]() -> std::shared_ptr<const PatternDatabases> {
        auto tables = build ? build(stop) : std::make_shared<const PatternDatabases>(stop);
        return tables && tables->Complete() ? tables : nullptr;
    };
    const auto inMemory = [&](const std::string& why) {
        note(why + ": the tables are built in memory for this run only");
        result.tables = buildNow();
        return result;
    };
    std::error_code error;
    if (folders.cache.empty())
        return inMemory("no cache folder");
    if (std::filesystem::create_directories(folders.cache, error); error)
        return inMemory(Describe(folders.cache, error.message()));
    // Waits for another process's build; an unwritable cache folder gives no lock.
    const FileLock lock(folders.cache / kTableFileName, stop);
    if (!lock.Locked())
        return stop.stop_requested() ? ObtainedTables{} : inMemory(Describe(folders.cache, "cannot be locked"));
    // Another process may have written the file while this one waited for the lock.
    const std::filesystem::path file = folders.cache / kTableFileName;
    std::string why;
    if ((result.tables = MapTableFile(file, why))) {
        result.file = file;
        return result;
    }
    result.tables = buildNow();
    if (!result.tables)
        return {};
    if (!WriteTableFile(file, *result.tables, why)) {
        note(Describe(file, "cannot be written, " + why) + ": the tables are kept in memory for this run only");
        return result;
    }
    // The file's pages are shared and can be dropped; the built copy is private memory.
    if (auto mapped = MapTableFile(file, why)) {
        result.tables = std::move(mapped);
        result.file = file;
    }
    note(Describe(file, "built and written"));
    return result;
}

}  // namespace tilora::solver
