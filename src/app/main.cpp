#include "app/Application.h"

#include "InfoDialogs.h"
#include "Main.h"
#include "model/Global.h"
#include "platform/PrefsSettingsStore.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostLocator.h"
#include "platform/WinePaths.h"

using namespace Qt::Literals::StringLiterals;

namespace {

void WarnUser(const std::string& text) {
    ShowWarning(QString::fromUtf8(text));
}

} // namespace

// The start-up order: the application object (no box can show without it), the preferences (which may
// warn before any window of ours exists), the title, the main window and the loop; after the loop the
// window goes first, then the preferences are saved.
int main(int argc, char* argv[]) {
    TQuarrowApplication application(argc, argv);
    TPrefsSettingsStore store;
#ifdef Q_OS_WIN
    TSystemHostLocator host;
#else
    TSystemHostLocator host(DefaultWinePrefix());
#endif
    GlobalStart({&store, &host, WarnUser});
    QApplication::setApplicationName(u"Quarrow"_s);
    int result = 0;
    {
        const TSystemFileAccess files;
        THauptformular mainWindow(files);
        mainWindow.show();
        result = QApplication::exec();
    }
    GlobalEnd();
    return result;
}
