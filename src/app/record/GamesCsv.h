// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "app/record/KeptGame.h"

namespace tilora {

// The kept games as CSV for the players who keep their own logs: the header
// finished,size,level,seconds,moves,shortest,helped,result and one row per game in the
// order given; `finished` in ISO 8601 UTC, `shortest` empty where unknown and prefixed
// with ">=" where a lower bound, `helped` 0 or 1, `result` won or abandoned.
std::string GamesCsv(const std::vector<KeptGame>& games);

// The time as ISO 8601 UTC, e.g. 2026-12-08T07:15:00Z.
std::string IsoUtc(std::int64_t secondsSince1970);

}  // namespace tilora
