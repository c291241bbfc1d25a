// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the hint's table file, as the package build does:
//   tilora_tables FILE           builds the tables and writes FILE
//   tilora_tables --check FILE   maps FILE, verifies it and prints the time it took
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "solver/PatternDatabase.h"
#include "solver/TableFile.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace tilora::solver;
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: tilora_tables [--check] FILE\n");
        return 2;
    }
    const char* file = argv[argc - 1];
    std::string why;
    const auto start = std::chrono::steady_clock::now();
    if (check) {
        if (!MapTableFile(file, why)) {
            std::fprintf(stderr, "tilora_tables: %s: %s\n", file, why.c_str());
            return 1;
        }
        std::printf("%s: verified and mapped in %.1f ms, %llu bytes\n", file, MillisecondsSince(start),
                    static_cast<unsigned long long>(TableFileBytes()));
        return 0;
    }
    const PatternDatabases tables;
    const double buildMs = MillisecondsSince(start);
    if (!WriteTableFile(file, tables, why)) {
        std::fprintf(stderr, "tilora_tables: %s: %s\n", file, why.c_str());
        return 1;
    }
    std::printf("%s: built in %.0f ms, %llu bytes\n", file, buildMs, static_cast<unsigned long long>(TableFileBytes()));
    return 0;
}
