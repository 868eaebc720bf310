#include "DataFolder.h"

#include <QStandardPaths>

namespace dzwonex {

QString PlayerDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

}  // namespace dzwonex
