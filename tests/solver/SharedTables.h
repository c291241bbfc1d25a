// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "solver/PatternDatabase.h"

namespace tilora::solver {

// The databases take a few seconds to build; one set serves every test of this program.
inline const std::shared_ptr<const PatternDatabases>& SharedTables()
{
    static const auto tables = std::make_shared<const PatternDatabases>();
    return tables;
}

}  // namespace tilora::solver
