#pragma once

#include "DialogForm.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace Ui {
class TAirportsDlg;
}
struct TAirportCheck;
struct TAirportClash;

// Lists the airports that several active areas define, one row each, and below the chosen one the
// files that define it; "Select Areas" ends it with that airport's areas.
class TAirportsDlg : public TFormDialog {
    Q_OBJECT
public:
    // The titles of all the library's areas by position, as the list shows them.
    TAirportsDlg(const TAirportCheck& check, const QStringList& titles, QWidget* parent = nullptr);
    ~TAirportsDlg() override;

    // The positions of the chosen airport's areas, the one the simulator uses first.
    const std::vector<int>& ChosenAreas() const;
    QString ChosenIcao() const;

public slots:
    void FormShow() override;
    void lvAirportsChange();

private:
    const TAirportClash& Chosen() const;

    std::unique_ptr<Ui::TAirportsDlg> ui;
    const TAirportCheck& FCheck;
};
