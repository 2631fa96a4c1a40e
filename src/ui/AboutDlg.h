#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutBox;
}

// The "Info" box: program icon, name, version and fixed texts, closed with "OK".
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};
