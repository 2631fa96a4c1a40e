#include "AirportsDialog.h"

#include "ButtonKinds.h"
#include "model/scan/AirportCheck.h"
#include "ui_AirportsDialog.h"

using namespace Qt::Literals::StringLiterals;

namespace {
QTreeWidgetItem* AirportItem(const TAirportClash& clash, const QStringList& titles) {
    QStringList others;
    for (std::size_t i = 1; i < clash.Positions.size(); ++i)
        others.append(titles.value(clash.Positions[i]));
    return new QTreeWidgetItem({QString::fromLatin1(clash.Icao), titles.value(clash.Positions.front()),
                                others.join(u", "_s), QString::number(clash.Files.size())});
}
} // namespace

TAirportsDlg::TAirportsDlg(const TAirportCheck& check, const QStringList& titles, QWidget* parent)
    : TFormDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::TAirportsDlg>()), FCheck(check) {
    ui->setupUi(this);
    MakeOkButton(ui->bbSelect, this);
    ui->bbSelect->setText(u"Select Areas"_s);
    ui->bbClose->setText(u"Close"_s);
    connect(ui->bbClose, &QPushButton::clicked, this, &QDialog::reject);
    ui->lbSummary->setText(QString::fromStdString(AirportCheckSummary(check)));
    PrepareDialogForm(*this, 560, 420);
    QList<QTreeWidgetItem*> items;
    for (const TAirportClash& clash : check.Clashes)
        items.append(AirportItem(clash, titles));
    ui->lvAirports->addTopLevelItems(items);
    // The last column takes the rest, so no scroll bar shows beneath.
    ui->lvAirports->setColumnWidth(0, 56);
    ui->lvAirports->setColumnWidth(1, 180);
    ui->lvAirports->setColumnWidth(2, 200);
    ui->lvFiles->setColumnWidth(0, 440);
    connect(ui->lvAirports, &QTreeWidget::itemSelectionChanged, this, &TAirportsDlg::lvAirportsChange);
    connect(ui->lvAirports, &QTreeWidget::itemActivated, this, &QDialog::accept);
    ui->lvAirports->setCurrentItem(ui->lvAirports->topLevelItem(0));
}

TAirportsDlg::~TAirportsDlg() = default;

void TAirportsDlg::FormShow() {
    ui->lvAirports->setFocus();
}

void TAirportsDlg::lvAirportsChange() {
    ui->lvFiles->clear();
    const int row = ui->lvAirports->indexOfTopLevelItem(ui->lvAirports->currentItem());
    if (row < 0)
        return;
    QList<QTreeWidgetItem*> items;
    for (const TClashFile& file : FCheck.Clashes[static_cast<std::size_t>(row)].Files)
        items.append(
            new QTreeWidgetItem({QString::fromLocal8Bit(file.Path), QString::number(file.Position + 1)}));
    ui->lvFiles->addTopLevelItems(items);
}

// The dialog always has a current row: the first one until the user picks another.
const TAirportClash& TAirportsDlg::Chosen() const {
    const int row = ui->lvAirports->indexOfTopLevelItem(ui->lvAirports->currentItem());
    return FCheck.Clashes[static_cast<std::size_t>(row < 0 ? 0 : row)];
}

const std::vector<int>& TAirportsDlg::ChosenAreas() const {
    return Chosen().Positions;
}

QString TAirportsDlg::ChosenIcao() const {
    return QString::fromLatin1(Chosen().Icao);
}
