#pragma once

#include "DialogForm.h"
#include "model/scan/AirportCheck.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace Ui {
class TAirportsDlg;
}

// How the main list names each area, by position: its title and its number.
struct TAreaNames {
    QStringList Titles;
    QList<int> Numbers;
};

// Lists the airports that several files of the active areas define, one row each, and below the
// chosen one the files that define it; beneath them the folders listed twice, the files made for a
// later simulator and those that could not be read. "Select Areas" ends it with that airport's areas;
// "Use This Area" asks for the chosen file's area to become the one used, and the window answers
// with the check again.
class TAirportsDlg : public TFormDialog {
    Q_OBJECT
public:
    TAirportsDlg(const TAirportCheck& check, const TAreaNames& names, QWidget* parent = nullptr);
    ~TAirportsDlg() override;

    const TAirportCheck& Check() const { return FCheck; }
    // The positions of the chosen airport's areas, the one the simulator uses first; none when no
    // airport is listed.
    std::vector<int> ChosenAreas() const;
    QString ChosenIcao() const;
    // Shows the check after the areas moved, with the same airport chosen.
    void Recheck(const TAirportCheck& check, const TAreaNames& names);

signals:
    // The area at the position is to be used for the airport of the clash.
    void useArea(int clash, int position);

public slots:
    void FormShow() override;
    void lvAirportsChange();
    void lvFilesChange();
    void bbUseClick();

private:
    int ChosenRow() const;
    void ShowCheck();
    void ShowNotes();

    std::unique_ptr<Ui::TAirportsDlg> ui;
    TAirportCheck FCheck;
    TAreaNames FNames;
};
