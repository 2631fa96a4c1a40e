#pragma once

#include "platform/ProfileFolder.h"
#include "platform/RestorePointFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemSceneryFiles.h"
#include "support/FakeHostSystem.h"
#include "support/FakePrefsEnvironment.h"
#include "ui/Main.h"

#include <QTemporaryDir>

// What the windows reach outside themselves in tests and benchmarks: the system's own files, folders
// and scenery files, a host key and a simulator the caller decides, and restore points and profiles in a
// data folder of their own, apart from any host folder.
struct TTestServices {
    TSystemFileAccess Files;
    TSystemHostFolders Folders;
    TSystemSceneryFiles Scenery;
    TFakeHostLocator Host;
    TFakeHostSystem System;
    TPrefs TestPrefs;
    QTemporaryDir DataFolder;
    TRestorePointFolder Points{DataFolder.filePath(QStringLiteral("Restore Points"))};
    TProfileFolder Profiles{DataFolder.filePath(QStringLiteral("Profiles"))};

    TWindowServices Services() { return Services(Host, TestPrefs, Points); }
    // The same with a host key, preferences or restore points of the caller's own.
    TWindowServices Services(const THostLocator& host, TPrefs& prefs, const TRestorePoints& points) {
        return {Files, Folders, host, System, prefs, Scenery, points, Profiles};
    }
};
