// The per-user folders of the XDG base directory rules.
#pragma once

#include <filesystem>

namespace xdg {

std::filesystem::path Home();
// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
std::filesystem::path DataHome();
// $XDG_CONFIG_HOME, or ~/.config when it is unset or not absolute.
std::filesystem::path ConfigHome();
// $XDG_CACHE_HOME, or ~/.cache when it is unset or not absolute.
std::filesystem::path CacheHome();

}  // namespace xdg
