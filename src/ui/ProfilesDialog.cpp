#include "ProfilesDialog.h"

#include "InfoDialogs.h"
#include "InputDialog.h"
#include "model/library/ProfileName.h"
#include "CodePageText.h"
#include "ui_ProfilesDialog.h"

#include <QHeaderView>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {

// Beyond this the list of changes says only how many more there are.
constexpr int ShownChanges = 200;

QString Local(const std::string& text) {
    return QString::fromLocal8Bit(text);
}

QString ActiveText(const TProfileReview& review) {
    if (!review.Failure.empty())
        return u"unreadable"_s;
    return QString::fromStdString(ActiveSummary(review.Profile));
}

QStringList ChangeLines(const TProfileApplication& application) {
    QStringList lines;
    const std::size_t shown = std::min<std::size_t>(application.Changed.size(), ShownChanges);
    for (std::size_t i = 0; i < shown; ++i) {
        const TArea& area = application.Step.Document.Area(application.Changed[i]);
        lines.append(RecordToText(area.Title) + (area.Active ? u": switched on."_s : u": switched off."_s));
    }
    if (application.Changed.size() > shown)
        lines.append(u"... and %1 more"_s.arg(application.Changed.size() - shown));
    return lines;
}

} // namespace

TProfilesDlg::TProfilesDlg(TProfilesContext context, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TProfilesDlg>()), FContext(std::move(context)), FMemo(FContext.Check),
      FKeys(ProfileKeys(FContext.Document, FMemo.Folders(FContext.Document))) {
    ui->setupUi(this);
    PrepareDialogForm(*this, 600, 430);
    const int labelWidth = width() - 2 * ui->lLibrary->x();
    ui->lLibrary->setText(ui->lLibrary->fontMetrics().elidedText(
        u"Profiles of "_s + Local(FContext.Library) + u':', Qt::ElideMiddle, labelWidth));
    ui->lLibrary->adjustSize();
    ui->bbApply->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->bbApply->setDefault(true);
    ui->lvProfiles->setHeaderLabels({u"Name"_s, u"Areas"_s, u"Saved"_s});
    ui->lvProfiles->header()->setSectionsClickable(false);
    ui->lvProfiles->setColumnWidth(0, 260);
    ui->lvProfiles->setColumnWidth(1, 170);
    ui->cbOffUnknown->setChecked(FContext.OffUnknown);
    connect(ui->bbApply, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->bbClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->bbSaveAs, &QPushButton::clicked, this, &TProfilesDlg::bbSaveAsClick);
    connect(ui->bbRename, &QPushButton::clicked, this, &TProfilesDlg::bbRenameClick);
    connect(ui->bbDelete, &QPushButton::clicked, this, &TProfilesDlg::bbDeleteClick);
    connect(ui->cbOffUnknown, &QCheckBox::toggled, this, &TProfilesDlg::cbOffUnknownClick);
    connect(ui->lvProfiles, &QTreeWidget::itemSelectionChanged, this, &TProfilesDlg::lvProfilesChange);
    ShowProfiles({});
}

TProfilesDlg::~TProfilesDlg() = default;

void TProfilesDlg::ShowProfiles(const std::string& selected) {
    FReviews = ReviewProfiles(FContext.Store.List(FContext.Library), FContext.Files, FMemo);
    ui->lvProfiles->clear();
    QTreeWidgetItem* chosen = nullptr;
    for (const TProfileReview& review : FReviews) {
        auto* item = new QTreeWidgetItem(ui->lvProfiles, {Local(review.Stored.Name), ActiveText(review),
                                                          QString::fromStdString(review.Stored.Saved)});
        if (review.Stored.Name == selected || !chosen)
            chosen = item;
    }
    ui->lNoProfiles->setVisible(FReviews.empty());
    ui->lvProfiles->setCurrentItem(chosen);
    lvProfilesChange();
}

// Up, Down, Home and End choose a profile at once, and Enter applies it.
void TProfilesDlg::FormShow() {
    ui->lvProfiles->setFocus();
}

// The step is made for the chosen row alone, at once: Apply takes it as the dialog shows it.
void TProfilesDlg::lvProfilesChange() {
    const int row = SelectedRow();
    const TProfileReview* review = row >= 0 ? &FReviews[static_cast<std::size_t>(row)] : nullptr;
    FApplication.reset();
    ui->lbxChanges->clear();
    ui->lSummary->clear();
    if (review && !review->Failure.empty()) {
        ui->lSummary->setText(u"The profile cannot be applied: "_s + QString::fromUtf8(review->Failure) +
                              u'.');
    } else if (review) {
        TProfile profile = review->Profile;
        profile.Name = TextToRecord(Local(profile.Name));
        FApplication =
            ApplyProfile(FContext.Document, FKeys, FContext.Selected, profile, FContext.OffUnknown);
        ui->lSummary->setText(QString::fromStdString(ApplicationSummary(*FApplication, FContext.OffUnknown)));
        ui->lbxChanges->addItems(ChangeLines(*FApplication));
    }
    ui->lSummary->adjustSize();
    ui->bbApply->setEnabled(FApplication.has_value());
    ui->bbRename->setEnabled(review != nullptr);
    ui->bbDelete->setEnabled(review != nullptr);
}

void TProfilesDlg::cbOffUnknownClick() {
    FContext.OffUnknown = ui->cbOffUnknown->isChecked();
    lvProfilesChange();
}

std::string TProfilesDlg::AskName(const QString& caption, const QString& initial) {
    const QString typed = ShowInputDialog(u"Name:"_s, caption, initial);
    if (typed.isEmpty())
        return {};
    const std::string name = typed.toLocal8Bit().toStdString();
    if (const std::string error = ProfileNameError(name); !error.empty()) {
        ShowError(QString::fromUtf8(error));
        return {};
    }
    return name;
}

void TProfilesDlg::bbSaveAsClick() {
    const std::string name = AskName(u"Save Current As"_s, {});
    if (name.empty())
        return;
    if (const auto old = FContext.Store.Find(FContext.Library, name);
        old && !AskYesNo(u"A profile named %1 exists. Replace it?"_s.arg(Local(old->Name))))
        return;
    if (const std::string error = SaveProfile(FContext.Store, FContext.Library, name, FContext.Document);
        !error.empty()) {
        ShowError(u"Profile not saved! "_s + QString::fromUtf8(error));
        return;
    }
    ShowProfiles(FContext.Store.Find(FContext.Library, name).value_or(TStoredProfile{name, {}, {}}).Name);
}

void TProfilesDlg::bbRenameClick() {
    const std::string from = FReviews[static_cast<std::size_t>(SelectedRow())].Stored.Name;
    const std::string to = AskName(u"Rename Profile"_s, Local(from));
    if (to.empty() || to == from)
        return;
    if (const std::string error = FContext.Store.Rename(FContext.Library, from, to); !error.empty()) {
        ShowError(u"Profile not renamed: "_s + QString::fromUtf8(error) + u'.');
        return;
    }
    ShowProfiles(to);
}

void TProfilesDlg::bbDeleteClick() {
    const std::string name = FReviews[static_cast<std::size_t>(SelectedRow())].Stored.Name;
    if (!AskYesNo(u"Delete the profile %1?"_s.arg(Local(name))))
        return;
    if (const std::string error = FContext.Store.Delete(FContext.Library, name); !error.empty())
        ShowError(u"Profile not deleted: "_s + QString::fromUtf8(error) + u'.');
    ShowProfiles({});
}

int TProfilesDlg::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = ui->lvProfiles->selectedItems();
    return selected.isEmpty() ? -1 : ui->lvProfiles->indexOfTopLevelItem(selected.front());
}

QString TProfilesDlg::ChosenName() const {
    return Local(FReviews[static_cast<std::size_t>(SelectedRow())].Stored.Name);
}
