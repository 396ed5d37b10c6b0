#pragma once
// The per-user data folder (Qt's application data location of "Lanternfish
// Works" / "Marigold Route"), where data files without a stored path live,
// for the desktop program and the command line alike.
#include <string>

namespace marigold {

// The folder's path, whether or not it exists yet; nothing is made here.
// Empty when the platform names none.
std::string UserDataFolder();

}  // namespace marigold
