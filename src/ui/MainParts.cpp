#include "MainParts.h"

#include "AreaListView.h"
#include "ui_Main.h"

TAreaListView& TMainParts::List() const {
    return *Ui.lvAreas;
}

TAreaRow* TMainParts::CurrentRow() const {
    const int position = Session.CurrentPosition();
    return position >= 0 ? List().Row(position) : nullptr;
}
