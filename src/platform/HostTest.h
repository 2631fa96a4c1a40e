#pragma once

#include <QString>

// True when the file exists with its name (the last component of the path) compared without regard
// to case, as the host's file system does: "FS9.EXE" finds fs9.exe on a case-sensitive disk too.
bool FileExistsIgnoringCase(const QString& path);
// True when folder (with its trailing separator) followed by FS9.exe names an existing file.
bool FolderHoldsHost(const QString& folder);
