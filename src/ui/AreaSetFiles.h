#pragma once

#include <QString>

// The pickers of area set files: the filter and the extension a name typed without one gets. The
// extension is lower case as the filter shows it, so a set saved on a case-sensitive file system
// is named as the filter promises.
inline const QString AreaSetFilter = QStringLiteral("Quarrow Area Sets (*.sas)|*.sas");
inline const QString AreaSetExtension = QStringLiteral("sas");
