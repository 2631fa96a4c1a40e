#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Reads the string value `name` of the first key in `keys` (in that order of preference) that the
// Wine registry file (system.reg, user.reg) holds. Key paths are relative to the file's root with '\'
// between components; key and value names are compared without regard to case, as the registry does.
// No value when the file or every key is missing; an empty text when the key exists but holds no
// string value of that name.
std::optional<QString> ReadWineRegistryString(const QString& regFile, const QStringList& keys,
                                              const QString& name);
