#pragma once

#include "DialogForm.h"

#include <QStringList>
#include <memory>

namespace Ui {
class TNewFoldersDlg;
}

// Offers the add-on folders that no area has yet, one checked row each; "Add" ends it with the folders
// still checked.
class TNewFoldersDlg : public TFormDialog {
    Q_OBJECT
public:
    // Each folder as the list shows it (relative to the host folder) and as it is added.
    TNewFoldersDlg(const QStringList& shown, const QStringList& folders, QWidget* parent = nullptr);
    ~TNewFoldersDlg() override;

    // The folders checked when "Add" was pressed.
    QStringList Checked() const;

public slots:
    void FormShow() override;

private:
    std::unique_ptr<Ui::TNewFoldersDlg> ui;
    QStringList FFolders;
};
