#pragma once

#include <QDir>
#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

// The name with every letter in the upper case Windows' own table gives it (FileNameUpperCase): two
// names with the same key open one file there.
QString CaseBlindKey(const QString& name);

// One folder's entries of some kinds, looked up as the host's file system opens a name: the exact
// spelling first, else the first entry in name order that matches without regard to letter case.
class TCaseBlindListing {
public:
    TCaseBlindListing() = default;
    // A folder that cannot be listed gives an empty listing.
    TCaseBlindListing(const QString& folder, QDir::Filters kinds);

    std::optional<QString> Find(const QString& name) const;

private:
    QSet<QString> FExact;
    QHash<QString, QString> FByKey;
};

// The path with its last component as spelt on the disk when an entry of that name (a file, or a folder
// or anything else that would stop the file from being made) exists there in any letter case; the path
// as given when none does. Windows matches names this way itself.
QString ExistingFileSpelling(const QString& path);
