// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/UserFolders.h"

#include <cstdlib>

namespace tilora {
namespace {

std::filesystem::path Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

}  // namespace

std::filesystem::path UserFolder(const char* variable, const std::filesystem::path& underHome)
{
    if (const std::filesystem::path folder = Variable(variable); folder.is_absolute())
        return folder;
    if (const std::filesystem::path home = Variable("HOME"); home.is_absolute())
        return home / underHome;
    return {};
}

}  // namespace tilora
