// The keys people expect of the main window, and tooltips where a button shows only its icon.
#include "Main.h"

#include "AreaListView.h"
#include "FindBar.h"
#include "ui_Main.h"

#include <QShortcut>

void THauptformular::ConnectKeys() {
    // The button's own queued click, so a failing save reaches the error report the same way.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, ui->bbSave,
            &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Up), this), &QShortcut::activated, this,
            [this] { FFind->MoveByKey(ui->bbUp); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Down), this), &QShortcut::activated, this,
            [this] { FFind->MoveByKey(ui->bbDown); });
    // Delete belongs to the list: in an edit field it deletes characters.
    ui->cmAreaDelete->setShortcut(QKeySequence(Qt::Key_Delete));
    ui->cmAreaDelete->setShortcutContext(Qt::WidgetShortcut);
    lvAreas->addAction(ui->cmAreaDelete);
    for (QPushButton* button : ui->centralwidget->findChildren<QPushButton*>())
        if (button->text().isEmpty())
            button->setToolTip(button->statusTip());
}
