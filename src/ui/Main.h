#pragma once

#include "model/QuarrowTypes.h"

#include <QMainWindow>
#include <memory>
#include <vector>

namespace Ui {
class THauptformular;
}
class TAreaRow;
class TAreaListView;

// The program's one main window: the ordered area list with its commands, the area editor, the
// General fields, the menu and the status bar. Each list row owns its area; the window owns General
// and the area clipboard. Handlers keep the names the rest of the program knows them by.
class THauptformular : public QMainWindow {
    Q_OBJECT
public:
    explicit THauptformular(QWidget* parent = nullptr);
    ~THauptformular() override;

    TGeneral General;
    bool Modified = false;
    // The row whose area the editor shows; none after a load of an empty file or once that row is deleted.
    TAreaRow* CurrentItem = nullptr;
    std::vector<std::unique_ptr<TArea>> AreaClipboard;
    bool Updating = false;

    void ReloadAll();
    void ReadSceneryCfg();
    void UpdateRow(TAreaRow& row);
    int MaxAreaNumber() const;
    int MaxLayer() const;
    void Renumber();

    bool lvAreasDragOver(int target) const;
    void lvAreasDragDrop(int target);
    void lvAreasEndDrag();

public slots:
    void bbAddClick();
    void bbDuplClick();
    void bbDeleteClick();
    void bbRenumberClick();
    void bbUpClick();
    void bbDownClick();
    void lvAreasChange();
    void cmFileExitClick();
    void cmHelpAboutClick();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyLook();
    void ApplyGlyphs();
    void ConnectHandlers();
    void FormShow();
    void ShowHintText(const QString& hint);
    void ExchangeRows(int upper, int lower);
    static void SetInfoColour(QWidget* field, bool info);

    std::unique_ptr<Ui::THauptformular> ui;
    TAreaListView* lvAreas;
};
