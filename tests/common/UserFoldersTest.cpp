// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/UserFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tilora {
namespace {

// The variable when absolute, else below an absolute $HOME, else nothing: a relative
// value never puts the player's files below the current folder.
TEST(UserFoldersTest, AnAbsoluteVariableElseAnAbsoluteHomeElseNothing)
{
    struct Case {
        const char* variable;  // nullptr: unset
        const char* home;
        const char* folder;
    };
    const char* home = std::getenv("HOME");
    const std::string savedHome = home ? home : "";
    for (const Case c : {Case{"/data", "/home/p", "/data"}, Case{"rel/data", "/home/p", "/home/p/.local/share"},
                         Case{nullptr, "/home/p", "/home/p/.local/share"}, Case{"", "/home/p", "/home/p/.local/share"},
                         Case{nullptr, "rel", ""}, Case{nullptr, nullptr, ""}}) {
        c.variable ? setenv("TILORA_TEST_FOLDER", c.variable, 1) : unsetenv("TILORA_TEST_FOLDER");
        c.home ? setenv("HOME", c.home, 1) : unsetenv("HOME");
        EXPECT_EQ(UserFolder("TILORA_TEST_FOLDER", ".local/share"), std::filesystem::path(c.folder))
            << (c.variable ? c.variable : "(unset)") << " " << (c.home ? c.home : "(unset)");
    }
    home ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}

}  // namespace
}  // namespace tilora
