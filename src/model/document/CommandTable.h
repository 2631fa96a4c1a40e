#pragma once

#include "model/document/CommandStates.h"
#include "model/document/EditingSession.h"

#include <optional>
#include <span>

// What the commands' enable rules look at: the session, the conditions on its current row and its
// selection, and how many rows have a folder the host would not find.
struct TCommandContext {
    TCommandContext(const TEditingSession& session, int missingCount);

    const TEditingSession& Session;
    TCommandStates States;
    int MissingCount;
};

// One command of the list, the clipboard, the area sets and the folders: how the rest of the program
// knows it, the controls that run it, when they are enabled, and, where no question or file picker
// comes first, its step.
struct TCommandRow {
    // The window's handler of the command, a slot without arguments.
    const char* Handler;
    // The controls' object names; an empty name where the command has no such control.
    const char* Button;
    const char* MenuItem;
    bool (*Enabled)(const TCommandContext&);
    // The command's step from the session's state; none when no row would change. Null where the
    // window asks or picks first and builds the step itself.
    std::optional<TDocumentStep> (*Step)(const TEditingSession&) = nullptr;
    // The error when the selection gives the command nothing to act on; empty where it needs none.
    const char* NoneSelected = "";
    // What the command needs of the selection before it runs; every row but the protected ones may do.
    bool (*Acts)(const TSelection&) = nullptr;
    // The status text when the step would change nothing.
    const char* Unchanged = "";
    // It may fail with a file error: the window runs it queued, so the failure reaches the error report
    // without unwinding through the control's own code.
    bool Queued = false;
};

// Every row once, in the order of the form's controls.
std::span<const TCommandRow> CommandTable();
// The row of the handler; the handler must be in the table.
const TCommandRow& CommandOf(std::string_view handler);
