#include "app/Application.h"

#include "InfoDialogs.h"
#include "Main.h"
#include "model/prefs/Global.h"
#include "platform/PrefsSettingsStore.h"
#include "platform/ProfileFolder.h"
#include "platform/RestorePointFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemHostLocator.h"
#include "platform/SystemHostSystem.h"
#include "platform/SystemSceneryFiles.h"
#include "platform/UserDataFolders.h"

#include <QCommandLineParser>

using namespace Qt::Literals::StringLiterals;

namespace {

// --help and --version print and end the process here, before any window, box or setting exists, so
// they need no display. Other options are left alone for QApplication (-platform, -style, ...).
void AnswerCommandLine(int argc, char* argv[]) {
    const QCoreApplication probe(argc, argv);
    QCoreApplication::setApplicationName(u"Quarrow"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(QUARROW_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Editor for the scenery library of Flight Simulator 2004: the areas of Scenery.cfg as an ordered "
        u"list.\nThe simulator's folder and the other preferences are set in Quarrow > Settings."_s);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
}

void WarnUser(const std::string& text) {
    ShowWarning(QString::fromUtf8(text));
}

} // namespace

// The start-up order: the application object (no box can show without it), the preferences (which may
// warn before any window of ours exists), the title, the main window and the loop; after the loop the
// window goes first, then the preferences are saved.
int main(int argc, char* argv[]) {
    AnswerCommandLine(argc, argv);
    TQuarrowApplication application(argc, argv);
    TPrefsSettingsStore store;
    TSystemHostLocator host = TSystemHostLocator::OfThisSystem();
    TPrefs prefs;
    LoadPrefs(prefs, {&store, &host, WarnUser});
    QApplication::setApplicationName(u"Quarrow"_s);
    int result = 0;
    {
        const TSystemFileAccess files;
        const TSystemHostFolders folders;
        const TSystemHostSystem system;
        const TSystemSceneryFiles scenery;
        // The application's name is set by now: the data folder is named after it.
        const TRestorePointFolder points(RestorePointsFolder());
        const TProfileFolder profiles(ProfilesFolder());
        THauptformular mainWindow({files, folders, host, system, prefs, scenery, points, profiles});
        mainWindow.show();
        result = QApplication::exec();
    }
    // Stored whether anything changed or not, as the settings were shown.
    SavePrefs(prefs, store);
    return result;
}
