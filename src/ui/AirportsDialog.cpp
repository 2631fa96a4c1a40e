#include "AirportsDialog.h"

#include "ButtonKinds.h"
#include "ui_AirportsDialog.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QTreeWidgetItem* AirportItem(const TAirportClash& clash, const QStringList& titles) {
    const int used = clash.Positions.front();
    const auto inUsed = std::count_if(clash.Files.begin(), clash.Files.end(),
                                      [used](const TClashFile& file) { return file.Position == used; });
    QString usedText = titles.value(used);
    if (inUsed > 1)
        usedText += u" (one of %1 files in this area)"_s.arg(inUsed);
    QStringList others;
    for (std::size_t i = 1; i < clash.Positions.size(); ++i)
        others.append(titles.value(clash.Positions[i]));
    return new QTreeWidgetItem({QString::fromLatin1(clash.Icao), usedText, others.join(u", "_s),
                                QString::number(clash.Files.size())});
}

// A heading over its files, open, or nothing when there are none.
void AddNoteGroup(QTreeWidget* list, const QString& heading, const std::vector<TCheckedFile>& files,
                  const QStringList& titles) {
    if (files.empty())
        return;
    auto* group = new QTreeWidgetItem(list, {heading});
    group->setFirstColumnSpanned(true);
    for (const TCheckedFile& file : files) {
        auto* item =
            new QTreeWidgetItem(group, {titles.value(file.Position), QString::fromLocal8Bit(file.Path),
                                        QString::fromStdString(file.Reason)});
        // Long paths and reasons are cut in the narrow columns.
        for (int column = 0; column < item->columnCount(); ++column)
            item->setToolTip(column, item->text(column));
    }
    group->setExpanded(true);
}

} // namespace

TAirportsDlg::TAirportsDlg(const TAirportCheck& check, const TAreaNames& names, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TAirportsDlg>()), FCheck(check), FNames(names) {
    ui->setupUi(this);
    MakeOkButton(ui->bbSelect, this);
    ui->bbSelect->setText(u"Select Areas"_s);
    ui->bbUse->setText(u"&Use This Area"_s);
    ui->bbClose->setText(u"Close"_s);
    connect(ui->bbClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->bbUse, &QPushButton::clicked, this, &TAirportsDlg::bbUseClick);
    // The summary is there before the form sizes its labels to their texts.
    ShowCheck();
    PrepareDialogForm(*this, 560, 540);
    // The last column takes the rest (at least its 100 pixels), so no scroll bar shows beneath.
    ui->lvAirports->setColumnWidth(0, 48);
    ui->lvAirports->setColumnWidth(1, 222);
    ui->lvAirports->setColumnWidth(2, 170);
    ui->lvFiles->setColumnWidth(0, 440);
    ui->lvNotes->setColumnWidth(0, 130);
    ui->lvNotes->setColumnWidth(1, 240);
    connect(ui->lvAirports, &QTreeWidget::itemSelectionChanged, this, &TAirportsDlg::lvAirportsChange);
    connect(ui->lvAirports, &QTreeWidget::itemActivated, this, &QDialog::accept);
    connect(ui->lvFiles, &QTreeWidget::itemSelectionChanged, this, &TAirportsDlg::lvFilesChange);
    ui->lvAirports->setCurrentItem(ui->lvAirports->topLevelItem(0));
}

TAirportsDlg::~TAirportsDlg() = default;

void TAirportsDlg::FormShow() {
    ui->lvAirports->setFocus();
}

void TAirportsDlg::ShowCheck() {
    ui->lbSummary->setText(QString::fromStdString(AirportCheckSummary(FCheck)));
    const QSignalBlocker quiet(ui->lvAirports);
    ui->lvAirports->clear();
    QList<QTreeWidgetItem*> items;
    for (const TAirportClash& clash : FCheck.Clashes)
        items.append(AirportItem(clash, FNames.Titles));
    ui->lvAirports->addTopLevelItems(items);
    ui->bbSelect->setEnabled(!items.isEmpty());
    ShowNotes();
}

void TAirportsDlg::ShowNotes() {
    ui->lvNotes->clear();
    for (const TListedTwice& twice : FCheck.Twice) {
        auto* item = new QTreeWidgetItem(ui->lvNotes, {u"Listed twice: %1 (No. %2) and %3 (No. %4)"_s
                                                           .arg(FNames.Titles.value(twice.Higher))
                                                           .arg(FNames.Numbers.value(twice.Higher))
                                                           .arg(FNames.Titles.value(twice.Lower))
                                                           .arg(FNames.Numbers.value(twice.Lower))});
        item->setFirstColumnSpanned(true);
    }
    AddNoteGroup(ui->lvNotes, u"Made for a later simulator (FS2004 does not use their airports)"_s,
                 FCheck.Later, FNames.Titles);
    AddNoteGroup(ui->lvNotes, u"Could not read"_s, FCheck.Unreadable, FNames.Titles);
}

void TAirportsDlg::lvAirportsChange() {
    ui->lvFiles->clear();
    const int row = ChosenRow();
    if (row >= 0) {
        QList<QTreeWidgetItem*> items;
        for (const TClashFile& file : FCheck.Clashes[static_cast<std::size_t>(row)].Files)
            items.append(
                new QTreeWidgetItem({QString::fromLocal8Bit(file.Path), QString::number(file.Position + 1)}));
        ui->lvFiles->addTopLevelItems(items);
    }
    lvFilesChange();
}

// Only a file of another area than the one used can be made the one used.
void TAirportsDlg::lvFilesChange() {
    const int row = ChosenRow();
    const int file = ui->lvFiles->indexOfTopLevelItem(ui->lvFiles->currentItem());
    bool enabled = false;
    if (row >= 0 && file >= 0) {
        const TAirportClash& clash = FCheck.Clashes[static_cast<std::size_t>(row)];
        enabled = clash.Positions.size() > 1 &&
                  clash.Files[static_cast<std::size_t>(file)].Position != clash.Positions.front();
    }
    ui->bbUse->setEnabled(enabled);
}

void TAirportsDlg::bbUseClick() {
    const int row = ChosenRow();
    const int file = ui->lvFiles->indexOfTopLevelItem(ui->lvFiles->currentItem());
    if (row >= 0 && file >= 0)
        emit useArea(
            row,
            FCheck.Clashes[static_cast<std::size_t>(row)].Files[static_cast<std::size_t>(file)].Position);
}

void TAirportsDlg::Recheck(const TAirportCheck& check, const TAreaNames& names) {
    const QString icao = ChosenIcao();
    FCheck = check;
    FNames = names;
    ShowCheck();
    const auto found =
        std::find_if(FCheck.Clashes.begin(), FCheck.Clashes.end(),
                     [&icao](const TAirportClash& clash) { return QString::fromLatin1(clash.Icao) == icao; });
    ui->lvAirports->setCurrentItem(
        ui->lvAirports->topLevelItem(static_cast<int>(found - FCheck.Clashes.begin())));
    lvAirportsChange();
    ui->lvFiles->setCurrentItem(ui->lvFiles->topLevelItem(0));
}

int TAirportsDlg::ChosenRow() const {
    return ui->lvAirports->indexOfTopLevelItem(ui->lvAirports->currentItem());
}

std::vector<int> TAirportsDlg::ChosenAreas() const {
    const int row = ChosenRow();
    return row < 0 ? std::vector<int>{} : FCheck.Clashes[static_cast<std::size_t>(row)].Positions;
}

QString TAirportsDlg::ChosenIcao() const {
    const int row = ChosenRow();
    return row < 0 ? QString() : QString::fromLatin1(FCheck.Clashes[static_cast<std::size_t>(row)].Icao);
}
