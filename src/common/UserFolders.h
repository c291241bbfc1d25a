// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace tilora {

// One of the player's own folders, as the environment names it: the value of `variable`
// (XDG_DATA_HOME, XDG_STATE_HOME, XDG_CACHE_HOME, ...) when it is an absolute path, else
// `underHome` below $HOME. A relative value is ignored, as desktops do. Empty when neither
// gives an absolute path: the caller then keeps nothing on disk.
std::filesystem::path UserFolder(const char* variable, const std::filesystem::path& underHome);

}  // namespace tilora
