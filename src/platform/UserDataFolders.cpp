#include "platform/UserDataFolders.h"

#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {
QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}
} // namespace

QString RestorePointsFolder() {
    return UserDataFolder() + u"/Restore Points"_s;
}

QString ProfilesFolder() {
    return UserDataFolder() + u"/Profiles"_s;
}
