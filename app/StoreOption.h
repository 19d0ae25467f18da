#pragma once
// The command-line option the game and the replay driver share.

#include <QCommandLineOption>

namespace brackenhollow {

// "--store FILE": play with this store file instead of the one in the user's data folder.
QCommandLineOption StoreOption();

}  // namespace brackenhollow
