#pragma once

#include "FilePicker.h"
#include "model/document/ListRules.h"

#include <QObject>
#include <vector>

struct TMainParts;

// Area sets of the main window: the selected areas exported to a set file, with or without taking them
// out of the list, and a set file's areas imported above the selected row or at the end.
class TAreaSetCommands : public QObject {
    Q_OBJECT
public:
    explicit TAreaSetCommands(TMainParts& parts);
    // Import's work once the dialog has ended with OK; the file name as the picker gives it.
    void ImportAreaSet(const QString& fileName, TInsertPlace place);

public slots:
    void bbExportClick();
    void bbExportRemoveClick();
    void bbImportClick();

private:
    // The export file picked and the selection checked; the rows to write, top down, or none.
    std::vector<int> ExportedRows();
    // Writes the areas of these rows to the picked file; false when the user or a check stopped it.
    // Throws EInOutError when writing fails, the file then being as it was.
    bool WriteAreaSet(const std::vector<int>& rows);

    TMainParts& Parts;
    TFilePicker sdExport{TFilePickerKind::Save};
};
