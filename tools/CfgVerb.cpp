#include "CfgVerb.h"

#include "model/format/ProfileFile.h"
#include "model/library/FileAccess.h"
#include "model/prefs/Global.h"
#include "platform/PrefsSettingsStore.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostLocator.h"

#include <QFileInfo>

#include <cstdio>

namespace {

// The document of the file; no value (after saying why) when it exists but cannot be read, or is
// missing where missing is an error.
std::optional<TSceneryDocument> ReadFile(const TFileAccess& files, const std::string& path,
                                         bool missingIsEmpty) {
    const TProfileRead read = files.ReadProfile(path);
    if (!read.Failure.empty()) {
        Fail("cannot read " + path + ": " + read.Failure);
        return std::nullopt;
    }
    if (!missingIsEmpty && read.Stamp.State == TFileStamp::TState::Missing) {
        Fail("cannot read " + path + ": no such file");
        return std::nullopt;
    }
    return ReadDocument(*read.Profile);
}

std::optional<QString> HostFolderOf(const std::string& cfg, const std::string& host) {
    const QString folder =
        host.empty() ? QFileInfo(QString::fromLocal8Bit(cfg)).absolutePath() : QString::fromLocal8Bit(host);
    if (QFileInfo(folder).isDir())
        return folder;
    Fail("cannot read the host folder " + host + ": no such folder");
    return std::nullopt;
}

// No value, after saying why, when the library is missing or cannot be read, or the host folder is
// missing.
std::optional<TLibraryInFolder> ReadLibraryInFolder(const std::string& cfgAsGiven, const std::string& host) {
    const TSystemFileAccess files;
    const std::string cfg = files.ExistingSpelling(cfgAsGiven);
    std::optional<TSceneryDocument> document = ReadFile(files, cfg, false);
    const std::optional<QString> hostFolder = document ? HostFolderOf(cfg, host) : std::nullopt;
    if (!hostFolder)
        return std::nullopt;
    return TLibraryInFolder{std::move(*document), *hostFolder};
}

} // namespace

int Fail(const std::string& message) {
    std::fprintf(stderr, "quarrow-cfg: %s\n", message.c_str());
    return 2;
}

std::optional<std::string> HostOption(const std::vector<std::string>& args, std::size_t fixed) {
    if (args.size() == fixed)
        return std::string();
    if (args.size() == fixed + 2 && args[fixed] == "--host")
        return args[fixed + 1];
    return std::nullopt;
}

TPrefs ConfiguredPrefs() {
    TPrefsSettingsStore store;
    const TSystemHostLocator host = TSystemHostLocator::OfThisSystem();
    TPrefs prefs;
    LoadPrefs(prefs, {&store, &host, [](const std::string&) {}});
    return prefs;
}

std::string ConfiguredHostFolder() {
    return ConfiguredPrefs().FSPath;
}

int RunOnLibraryInFolder(const std::vector<std::string>& arguments, int (*run)(const TLibraryInFolder&)) {
    const std::optional<std::string> host = arguments.empty() ? std::nullopt : HostOption(arguments, 1);
    if (!host)
        return UsageError;
    const std::optional<TLibraryInFolder> library = ReadLibraryInFolder(arguments[0], *host);
    return library ? run(*library) : 2;
}
