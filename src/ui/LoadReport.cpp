#include "LoadReport.h"

#include "CodePageText.h"
#include "InfoDialogs.h"
#include "MainParts.h"
#include "model/format/CountText.h"
#include "model/library/DeclinedAreas.h"
#include "model/library/LibraryFile.h"
#include "ui_Main.h"

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int TitlesNamed = 10;

QString TitleList(const std::vector<TArea>& areas) {
    QStringList titles;
    for (std::size_t i = 0; i < areas.size() && i < TitlesNamed; ++i)
        titles.append(RecordToText(areas[i].Title));
    if (areas.size() > TitlesNamed)
        titles.append(u"..."_s);
    return titles.join(u", "_s);
}
} // namespace

void TLoadReport::ShowLibraryPath() {
    Parts.Ui.bbSave->setStatusTip(u"Save changes to "_s +
                                  QString::fromLocal8Bit(Parts.Library.Choice().File));
}

// The per-user folder's path alone fills the status bar: the bar names the copy, its tooltip the folder.
void TLoadReport::ShowNotice(const TLibraryLoad& load) {
    const TLibraryChoice& choice = Parts.Library.Choice();
    QStringList notice, whole;
    if (!load.Warning.empty())
        notice.append(QString::fromLocal8Bit(load.Warning));
    whole = notice;
    if (choice.Kind() == TLibraryKind::Pending) {
        notice.append(QString::fromLocal8Bit(FileNameOf(choice.Pending)) +
                      u" loaded: the simulator's own pending changes, which it applies at its next start."_s);
        whole.append(notice.back());
    } else if (choice.Kind() == TLibraryKind::PerUser) {
        const QString loaded =
            QString::fromLocal8Bit(FileNameOf(choice.File)) + u" loaded from the simulator's per-user copy"_s;
        notice.append(loaded + u'.');
        whole.append(loaded + u" in "_s + QString::fromLocal8Bit(choice.Folder) + u'.');
    }
    if (!notice.isEmpty())
        Parts.Status.Set((notice << Parts.Status.Text()).join(u' '),
                         (whole << Parts.Status.Text()).join(u' '));
}

void TLoadReport::Report(const TLibraryLoad& load) {
    if (!load.Failure.empty())
        ShowError(u"Scenery.cfg could not be read: "_s +
                  QString::fromLocal8Bit(Parts.Library.Choice().ReadFrom()) + u": "_s +
                  QString::fromUtf8(load.Failure));
    if (!load.Warning.empty())
        ShowWarning(QString::fromLocal8Bit(load.Warning));
    OfferInstalledAreas(load);
}

// Installers run as administrator write the host folder's file, which the simulator no longer reads
// once it has a per-user copy: their areas would never show in the simulator.
void TLoadReport::OfferInstalledAreas(const TLibraryLoad& load) {
    const std::vector<TArea> offered =
        AreasToOffer(load.HostOnly, load.HostFileHash, Parts.Services.Prefs.DeclinedAreas);
    const std::size_t count = offered.size();
    if (count == 0)
        return;
    const QString verb = count == 1 ? u" is"_s : u" are"_s;
    if (!AskYesNo(QString::fromStdString(Counted(count, "area", "areas")) + u" of "_s +
                  QString::fromLocal8Bit(load.HostFile) + verb +
                  u" not in the library the simulator reads: "_s + TitleList(offered) +
                  (count == 1 ? u". Add it?"_s : u". Add them?"_s))) {
        Parts.Services.Prefs.DeclinedAreas = DeclinedAreasValue(load.HostFileHash, load.HostOnly);
        return;
    }
    Parts.Core.Perform(InsertAreas(Parts.Document(), Parts.Session.Selected(), Parts.Document().Count(),
                                   offered, "Add installed areas"));
}
