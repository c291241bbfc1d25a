// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "solver/PatternDatabase.h"

namespace tilora::solver {

// The hint's tables as a file: a header of 4 KiB, then every table in the order of
// kTableBytes, page-aligned. The header names the file (a magic word and a format
// version), the layout of the tables (their count, each one's size and a hash of the
// partitions they were built for) and a checksum over all the tables. A file is used only
// when all of these match and its size is the header's; it is mapped read-only and shared,
// so its pages cost the process no private memory and the system may drop them at will.
inline constexpr const char* kTableFileName = "hint-tables.bin";

// The folders the file is looked for in, in order, and the one it is written to when
// none holds a usable file.
struct TableFolders {
    std::vector<std::filesystem::path> installed;
    std::filesystem::path cache;
};

// The game's folders: the data folder beside the program (../share/tilora, where the
// package puts the file), the one of the configured install prefix, and the cache folder,
// $XDG_CACHE_HOME/tilora or ~/.cache/tilora.
TableFolders DefaultTableFolders();

// The tables that ObtainTables found, and what the caller should tell once.
struct ObtainedTables {
    // Nothing when the build was stopped or failed.
    std::shared_ptr<const PatternDatabases> tables;
    // The file the tables are mapped from; empty when they were built in memory.
    std::filesystem::path file;
    // Why a file found was refused, or why the built tables could not be cached; empty
    // when a good file was found at once.
    std::string note;
};

using TableBuild = std::function<std::shared_ptr<const PatternDatabases>(std::stop_token)>;

// The tables from the first folder that holds a verified file; else built (by `build`,
// by default PatternDatabases' own build), written to the cache folder and mapped from
// there. Only one process builds at a time: the others wait for it on a lock file in the
// cache folder and then map what it wrote. When the cache folder cannot be written, the
// tables built in memory are returned, and the note says so. A stop request abandons the
// wait or the build and gives no tables.
ObtainedTables ObtainTables(const TableFolders& folders, std::stop_token stop = {}, const TableBuild& build = {});

// The tables of a verified file, mapped; nothing, with the reason in `why`, for a file
// that is missing, short, long, damaged or not of this layout.
std::shared_ptr<const PatternDatabases> MapTableFile(const std::filesystem::path& file, std::string& why);

// Writes the tables to `file` atomically: a temporary file in the same folder, flushed
// to disk and renamed over it, so that no reader ever sees half a file. False, with the
// reason in `why`, when it cannot be written.
bool WriteTableFile(const std::filesystem::path& file, const PatternDatabases& tables, std::string& why);

// The bytes of a table file.
std::uint64_t TableFileBytes();

}  // namespace tilora::solver
