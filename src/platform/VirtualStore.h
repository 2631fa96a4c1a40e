#pragma once

#include <QString>
#include <QStringList>

// Where Windows keeps a 32-bit program's per-user copies of the files it writes into a protected
// folder: the local application data folder's "VirtualStore", then the path without its drive. Empty
// for a folder outside every protected one, a network (UNC) path, or when the data folder is unknown.
// Paths in Windows form, compared without regard to letter case; the answer ends in a backslash.
QString VirtualStoreFolder(const QString& hostFolder, const QStringList& protectedFolders,
                           const QString& localAppData);

// The same for this system: on Windows the Program Files folders and the Windows folder; elsewhere the
// system keeps no per-user copies and the answer is always empty.
QString SystemVirtualStoreFolder(const QString& hostFolder);
