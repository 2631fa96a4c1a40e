#include "model/document/CommandTable.h"

#include "model/document/ListRules.h"

#include <algorithm>
#include <array>
#include <string_view>

TCommandContext::TCommandContext(const TEditingSession& session, int missingCount)
    : Session(session),
      States(EnabledCommands(session.Document(), session.Selected(), session.CurrentPosition())),
      MissingCount(missingCount) {}

namespace {

bool Always(const TCommandContext&) {
    return true;
}
bool CurrentEditable(const TCommandContext& c) {
    return c.States.CurrentEditable;
}
bool NoRequiredSelected(const TCommandContext& c) {
    return c.States.NoRequiredSelected;
}
bool NoProtectedCurrent(const TCommandContext& c) {
    return c.States.NoProtectedCurrent;
}
bool EditableSelected(const TCommandContext& c) {
    return c.States.EditableSelected;
}
// Moving by one place keeps to the whole list: it waits while rows are hidden.
bool UpAllowed(const TCommandContext& c) {
    return c.States.TopNotSelected && !c.Session.RowsHidden();
}
bool DownAllowed(const TCommandContext& c) {
    return c.States.BottomNotSelected && !c.Session.RowsHidden();
}
bool EndsAllowed(const TCommandContext& c) {
    return CanMoveToEnd(c.Session.Selected());
}

bool AnySelected(const TSelection& selected) {
    return std::find(selected.begin(), selected.end(), 1) != selected.end();
}

std::optional<TDocumentStep> Add(const TEditingSession& s) {
    return AddArea(s.Document());
}
std::optional<TDocumentStep> Duplicate(const TEditingSession& s) {
    return DuplicateAreas(s.Document(), s.Selected());
}
std::optional<TDocumentStep> Renumber(const TEditingSession& s) {
    return RenumberAreas(s.Document(), s.Selected());
}
std::optional<TDocumentStep> Up(const TEditingSession& s) {
    return ReorderAreas(s.Document(), s.Selected(), MoveUp(s.Selected()), "Move up");
}
std::optional<TDocumentStep> Down(const TEditingSession& s) {
    return ReorderAreas(s.Document(), s.Selected(), MoveDown(s.Selected()), "Move down");
}
std::optional<TDocumentStep> ToTop(const TEditingSession& s) {
    return MoveAreasToTop(s.Document(), s.Selected());
}
std::optional<TDocumentStep> ToBottom(const TEditingSession& s) {
    return MoveAreasToBottom(s.Document(), s.Selected());
}

const char* const NoArea = "No area selected!";
const char* const NoAreas = "No areas selected!";

// clang-format off
const std::array<TCommandRow, 20> Rows{{
//   handler                      button            menu item              enabled             step       none selected  acts          unchanged                                        queued
    {"bbAddClick",                "bbAdd",          "cmAreaNew",           Always,             Add},
    {"bbDuplClick",               "bbDupl",         "cmAreaDuplicate",     CurrentEditable,    Duplicate, NoArea,        AnySelected},
    {"bbDeleteClick",             "bbDelete",       "cmAreaDelete",        NoRequiredSelected, nullptr,   NoArea,        AnySelected},
    {"bbRenumberClick",           "bbRenumber",     "cmAreaRenumber",      Always,             Renumber},
    {"bbUpClick",                 "bbUp",           "",                    UpAllowed,          Up,        NoAreas,       AnySelected},
    {"bbDownClick",               "bbDown",         "",                    DownAllowed,        Down,      NoAreas,       AnySelected},
    {"cmAreaMoveTopClick",        "",               "cmAreaMoveTop",       EndsAllowed,        ToTop,     NoAreas,       CanMoveToEnd, "The selected areas are already at the top."},
    {"cmAreaMoveBottomClick",     "",               "cmAreaMoveBottom",    EndsAllowed,        ToBottom,  NoAreas,       CanMoveToEnd, "The selected areas are already at the bottom."},
    {"cmEditCutClick",            "",               "cmEditCut",           [](const TCommandContext& c) { return c.States.NoProtectedNorRequired; }},
    {"cmEditCopyClick",           "",               "cmEditCopy",          NoProtectedCurrent},
    {"cmEditPasteClick",          "",               "cmEditPaste",         NoProtectedCurrent},
    {"bbExportClick",             "bbExport",       "cmAreaExport",        CurrentEditable,    nullptr,   "",            nullptr,      "",                                              true},
    {"bbExportRemoveClick",       "bbExportRemove", "cmAreaCutExport",     NoRequiredSelected, nullptr,   "",            nullptr,      "",                                              true},
    {"bbImportClick",             "bbImport",       "cmAreaImport",        NoProtectedCurrent},
    {"cmAreaSelectMissingClick",  "",               "cmAreaSelectMissing", [](const TCommandContext& c) { return c.MissingCount > 0; }},
    {"cmAreaAddFoldersClick",     "",               "cmAreaAddFolders",    Always},
    {"cmAreaFindNewClick",        "",               "cmAreaFindNew",       Always},
    {"cmAreaActivateClick",       "",               "cmAreaActivate",      EditableSelected},
    {"cmAreaDeactivateClick",     "",               "cmAreaDeactivate",    EditableSelected},
    {"cmAreaCheckAirportsClick",  "",               "cmAreaCheckAirports", Always},
}};
// clang-format on

} // namespace

std::span<const TCommandRow> CommandTable() {
    return Rows;
}

const TCommandRow& CommandOf(std::string_view handler) {
    return *std::find_if(Rows.begin(), Rows.end(),
                         [handler](const TCommandRow& row) { return row.Handler == handler; });
}
