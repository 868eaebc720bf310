#pragma once
#include <QString>

namespace dzwonex {

// The player's data folder, where the kept games, the records and the
// milestones live (~/.local/share/dzwonex/dzwonex).
QString PlayerDataFolder();

}  // namespace dzwonex
