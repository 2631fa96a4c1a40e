#pragma once

#include "AreaListView.h"
#include "AreaRow.h"
#include "AreaSetCommands.h"
#include "EditorPanel.h"
#include "FolderCommands.h"
#include "InfoDialogs.h"
#include "LibraryDialogs.h"
#include "Main.h"
#include "support/LibraryText.h"
#include "support/TestFiles.h"
#include "support/WindowServices.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using TShown = std::vector<std::pair<TBoxKind, QString>>;

// A main window working on a Scenery.cfg in a temporary host folder, with its preferences pointing
// there; message boxes are recorded, not shown.
class TMainWindowTest : public testing::Test, protected TTestServices {
protected:
    void SetUp() override {
        ASSERT_TRUE(Folder.isValid());
        TestPrefs.FSPath = CfgPath().chopped(11).toLocal8Bit().toStdString();
        Window = std::make_unique<THauptformular>(Services());
        List = Window->findChild<TAreaListView*>(QStringLiteral("lvAreas"));
        ASSERT_NE(List, nullptr);
    }
    void TearDown() override { Window.reset(); }

    // In the system's own form, as the program shows paths.
    QString CfgPath() const {
        return QDir::toNativeSeparators(Folder.filePath(QStringLiteral("Scenery.cfg")));
    }

    static void WriteFile(const QString& path, const std::string& bytes) {
        ASSERT_TRUE(WriteBytes(path, bytes)) << path.toStdString();
    }
    void WriteCfg(const std::string& bytes) const { WriteFile(CfgPath(), bytes); }

    // Each area in Scenery\<its number>.
    static std::string CfgText(const std::vector<TCfgArea>& areas) {
        std::string text = GeneralText();
        for (const TCfgArea& area : areas)
            text += AreaText(area, "Scenery\\" + std::to_string(area.Number));
        return text;
    }

    // The text with the nth occurrence (from 0) of one part replaced.
    static std::string Replaced(std::string text, const std::string& from, const std::string& to, int nth) {
        std::size_t at = text.find(from);
        for (int i = 0; i < nth && at != std::string::npos; ++i)
            at = text.find(from, at + from.size());
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    }

    // Areas titled T0, T1, ... after their load position, numbered and layered 1, 2, ...
    static std::vector<TCfgArea> Numbered(int count) {
        std::vector<TCfgArea> areas;
        for (int i = 0; i < count; ++i)
            areas.push_back({i + 1, "T" + std::to_string(i), i + 1});
        return areas;
    }

    void Load(const std::vector<TCfgArea>& areas) {
        WriteCfg(CfgText(areas));
        Window->ReloadAll();
    }

    std::vector<std::string> Cells(int column) const {
        std::vector<std::string> cells;
        for (int row = 0; row < List->RowCount(); ++row)
            cells.push_back(List->Row(row)->text(column).toStdString());
        return cells;
    }
    std::vector<std::string> Titles() const { return Cells(1); }

    std::vector<int> Selected() const {
        std::vector<int> rows;
        const std::vector<char> flags = List->SelectionFlags();
        for (std::size_t row = 0; row < flags.size(); ++row)
            if (flags[row])
                rows.push_back(static_cast<int>(row));
        return rows;
    }

    void Select(const std::vector<int>& rows) const {
        std::vector<char> flags(static_cast<std::size_t>(List->RowCount()), 0);
        for (int row : rows)
            flags.at(static_cast<std::size_t>(row)) = 1;
        List->SelectByFlags(flags);
    }

    template <class T> T* Child(const char* name) const {
        return Window->findChild<T*>(QString::fromLatin1(name));
    }

    // The kind and text of every box shown so far, in order.
    TShown Shown() const {
        TShown shown;
        for (const TShownBox& box : Boxes.Boxes())
            shown.emplace_back(box.Kind, box.Text);
        return shown;
    }

    TBoxRecorder Boxes;
    QTemporaryDir Folder;
    std::unique_ptr<THauptformular> Window;
    TAreaListView* List = nullptr;
};

// Titles T<i> for each listed load position.
inline std::vector<std::string> TitlesOf(const std::vector<int>& positions) {
    std::vector<std::string> titles;
    for (int position : positions)
        titles.push_back("T" + std::to_string(position));
    return titles;
}
