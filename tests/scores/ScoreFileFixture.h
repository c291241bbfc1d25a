// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/AtomicFile.h"
#include "scores/ProfileStore.h"
#include "support/TempDir.h"

namespace tilora {

// A score file of its own in a private folder, written and read byte for byte beside the
// store that the code under test uses.
class ScoreFileFixture : public ::testing::Test {
protected:
    std::filesystem::path File() const { return m_dir / "Tilora.hi"; }
    void WriteRaw(const std::string& text) { ASSERT_TRUE(WriteFileAtomically(File(), text)); }
    std::string ReadRaw() const
    {
        std::string text;
        ReadWholeFile(File(), text);
        return text;
    }

    test::TempDir m_dir;
    ProfileStore m_store{m_dir / "Tilora.hi"};
};

}  // namespace tilora
