#pragma once

#include <QString>

// The program's folders in the user's data folder, which is named after the application: its name is
// set before the first call.
QString RestorePointsFolder();
QString ProfilesFolder();
