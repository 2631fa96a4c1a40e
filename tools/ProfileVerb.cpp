#include "CfgVerb.h"

#include "model/format/CountText.h"
#include "model/format/InOutError.h"
#include "model/library/FolderMemo.h"
#include "model/library/HostFolders.h"
#include "model/library/LibraryFile.h"
#include "model/library/LibraryProfiles.h"
#include "model/library/ProfileName.h"
#include "model/prefs/Global.h"
#include "platform/ProfileFolder.h"
#include "platform/RestorePointFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemHostSystem.h"
#include "platform/UserDataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TProfileArguments {
    std::string Action;
    std::string Name;
    std::string Host;
    bool OffUnknown = false;
    bool Yes = false;
};

// No value when the arguments do not fit the action: list takes no name, save and apply one, and only
// apply its two switches.
std::optional<TProfileArguments> ParseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty())
        return std::nullopt;
    TProfileArguments parsed;
    parsed.Action = arguments[0];
    std::vector<std::string> names;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--host" && i + 1 < arguments.size())
            parsed.Host = arguments[++i];
        else if (parsed.Action == "apply" && argument == "--off-unknown")
            parsed.OffUnknown = true;
        else if (parsed.Action == "apply" && argument == "--yes")
            parsed.Yes = true;
        else if (argument.starts_with("--"))
            return std::nullopt;
        else
            names.push_back(argument);
    }
    const bool named = parsed.Action == "save" || parsed.Action == "apply";
    if ((!named && parsed.Action != "list") || names.size() != (named ? 1U : 0U))
        return std::nullopt;
    parsed.Name = named ? names[0] : std::string();
    return parsed;
}

// The save's questions as a script can hear them: each is a reason not to write, said on standard error,
// unless --yes answers it; a running simulator always is one.
class TRefusingQuestions : public TSaveQuestions {
public:
    explicit TRefusingQuestions(bool yes) : FYes(yes) {}

    bool Ask(const TSaveQuestion& question) override {
        const bool running = question.Kind == TSaveQuestionKind::SimulatorRunning;
        std::fprintf(stderr, "quarrow-cfg: %s\n", Reason(question).c_str());
        FRunning = FRunning || running;
        return FYes && !running;
    }

    bool SimulatorRan() const { return FRunning; }

private:
    static std::string Reason(const TSaveQuestion& question) {
        switch (question.Kind) {
        case TSaveQuestionKind::SimulatorRunning:
            return "Flight Simulator 2004 is running: it reads the library only when it starts.";
        case TSaveQuestionKind::OutsideChange:
            return "the library was changed by another program while it was read.";
        case TSaveQuestionKind::NoLocalPath:
        case TSaveQuestionKind::NotALibrary:
        case TSaveQuestionKind::UnshownAreas:
            return question.Text;
        case TSaveQuestionKind::PerUserCopy:
            return "Scenery.cfg cannot be written in " + question.Path +
                   " without administrator rights; the simulator's per-user copy " + question.OtherPath +
                   " would be written instead.";
        case TSaveQuestionKind::NoBackup:
            return "the backup Scenery.qrw could not be made.";
        case TSaveQuestionKind::OtherHostFolder:
        case TSaveQuestionKind::ReadFailed:
            break;
        }
        return "the library could not be read.";
    }

    bool FYes;
    bool FRunning = false;
};

// What every action works on: the host folder's library, its profiles and the settings' backup rule.
struct TProfileSetting {
    std::string HostFolder;
    TPrefs Prefs;
    TSystemFileAccess Files;
    TSystemHostSystem System;
    TSystemHostFolders Folders;
    TRestorePointFolder Points{RestorePointsFolder()};
    TProfileFolder Store{ProfilesFolder()};
    TLibraryFile Library{Files, System, &Points};
};

int List(TProfileSetting& setting, const std::string& library) {
    const std::unique_ptr<TFolderCheck> check = setting.Folders.StartCheck(setting.HostFolder);
    TFolderMemo memo(*check);
    for (const TProfileReview& review : ReviewProfiles(setting.Store.List(library), setting.Files, memo)) {
        const std::string active =
            review.Failure.empty() ? ActiveSummary(review.Profile) : "unreadable: " + review.Failure;
        const std::string line = review.Stored.Name + "\t" + active + "\t" + review.Stored.Saved + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

int Save(TProfileSetting& setting, const TSceneryDocument& document, const std::string& library,
         const std::string& name) {
    try {
        if (const std::string error = SaveProfile(setting.Store, library, name, document); !error.empty())
            return Fail(error);
    } catch (const EInOutError& error) {
        std::fprintf(stderr, "quarrow-cfg: cannot write the profile %s: %s (code %d)\n", name.c_str(),
                     error.Reason().c_str(), error.Code());
        return 1;
    }
    std::printf("Profile %s saved: %s.\n", name.c_str(),
                Counted(document.Areas.size(), "area", "areas").c_str());
    return 0;
}

// The step is written as the window's Save writes it; nothing to change writes nothing.
int Apply(TProfileSetting& setting, const TSceneryDocument& document, const TProfileArguments& arguments,
          const std::string& library) {
    const std::optional<TStoredProfile> stored = setting.Store.Find(library, arguments.Name);
    if (!stored)
        return Fail("no profile named " + arguments.Name + " for " + library);
    const std::unique_ptr<TFolderCheck> check = setting.Folders.StartCheck(setting.HostFolder);
    TFolderMemo memo(*check);
    const TProfileReview review = ReadStoredProfile(*stored, setting.Files, memo);
    if (!review.Failure.empty())
        return Fail("cannot read the profile " + stored->File + ": " + review.Failure);
    const TProfileApplication application = ApplyProfile(
        document, ProfileKeys(document, memo.Folders(document)), {}, review.Profile, arguments.OffUnknown);
    if (application.Changed.empty()) {
        std::printf("%s: the library already has the flags of profile %s; nothing written.\n",
                    SwitchedSummary(application).c_str(), stored->Name.c_str());
        return 0;
    }
    TRefusingQuestions questions(arguments.Yes);
    const TSaveOutcome outcome =
        setting.Library.Save(application.Step.Document, setting.HostFolder, setting.Prefs.Backup, questions);
    if (outcome.Result != TSaveResult::Saved) {
        const char* why = outcome.Result == TSaveResult::ReadOnly ? " (it is read-only)"
                          : questions.SimulatorRan()              ? " while the simulator runs"
                                                                  : "; --yes writes it all the same";
        std::fprintf(stderr, "quarrow-cfg: %s not written%s.\n",
                     outcome.File.empty() ? library.c_str() : outcome.File.c_str(), why);
        return 1;
    }
    if (!outcome.PendingLeft.empty())
        std::fprintf(stderr, "quarrow-cfg: %s could not be removed: %s\n", outcome.PendingLeft.c_str(),
                     outcome.PendingFailure.c_str());
    if (!outcome.RestorePointFailure.empty())
        std::fprintf(stderr, "quarrow-cfg: no restore point kept: %s\n", outcome.RestorePointFailure.c_str());
    std::printf("%s.\n", SwitchedSummary(application).c_str());
    return 0;
}

// The host folder in the form the settings hold it, so that its profiles are the window's.
std::string HostFolderOf(const std::string& given, const TPrefs& prefs) {
    if (given.empty())
        return prefs.FSPath;
    return WithTrailingSeparator(
        QDir::toNativeSeparators(QFileInfo(QString::fromLocal8Bit(given)).absoluteFilePath())
            .toLocal8Bit()
            .toStdString());
}

int Run(const TProfileArguments& arguments) {
    // The user's data folder is named after the program, as the window names it.
    QCoreApplication::setApplicationName(u"Quarrow"_s);
    TProfileSetting setting;
    setting.Prefs = ConfiguredPrefs();
    setting.HostFolder = HostFolderOf(arguments.Host, setting.Prefs);
    if (setting.HostFolder.empty())
        return Fail("no host folder: set the simulator's folder in Quarrow's settings, or give --host");
    if (!QFileInfo(QString::fromLocal8Bit(setting.HostFolder)).isDir())
        return Fail("cannot read the host folder " + setting.HostFolder + ": no such folder");
    const TLibraryLoad load = setting.Library.Load(setting.HostFolder, nullptr);
    const std::string library = setting.Library.Choice().File;
    if (!load.Failure.empty())
        return Fail("cannot read " + setting.Library.Choice().ReadFrom() + ": " + load.Failure);
    if (arguments.Action == "list")
        return List(setting, library);
    if (const std::string error = ProfileNameError(arguments.Name); !error.empty())
        return Fail(error);
    return arguments.Action == "save" ? Save(setting, load.Document, library, arguments.Name)
                                      : Apply(setting, load.Document, arguments, library);
}

int RunProfile(const std::vector<std::string>& arguments) {
    const std::optional<TProfileArguments> parsed = ParseArguments(arguments);
    return parsed ? Run(*parsed) : UsageError;
}

} // namespace

const TCfgVerb ProfileVerb{
    "profile", "list|save NAME|apply NAME [--off-unknown] [--yes] [--host FOLDER]",
    "  profile works on the profiles of the library the simulator will read for the host folder\n"
    "  (default: the one Quarrow's settings name), the same the window's Quarrow > Profiles shows.\n"
    "  list prints each, newest first: name, how many of its areas are active, when it was saved,\n"
    "  separated by tabs. save NAME keeps the library's Active flags as profile NAME, replacing\n"
    "  one of that name. apply NAME sets each area's flag as the profile says and saves the library\n"
    "  as the window saves it (backup, the pending NewScenery.cfg consumed, a restore point kept).\n"
    "  --off-unknown  also switch off the areas the profile does not know\n"
    "  --yes          save where the window would ask first (never while the simulator runs)\n"
    "  Exit status: 0 done (also when nothing had to change: then nothing is written), 1 not\n"
    "  written (said why), 2 usage, no such profile, or a library or folder that cannot be read.\n",
    RunProfile};
