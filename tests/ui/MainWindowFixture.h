#pragma once

#include "AreaListView.h"
#include "AreaRow.h"
#include "InfoDialogs.h"
#include "Main.h"
#include "model/prefs/Global.h"
#include "platform/ProfileFolder.h"
#include "platform/RestorePointFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"
#include "platform/SystemSceneryFiles.h"
#include "support/FakeHostSystem.h"
#include "support/FakePrefsEnvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

// One area section of a test Scenery.cfg.
struct TCfgArea {
    int Number;
    std::string Title;
    int Layer;
    bool Active = true;
    bool Required = false;
    // Further key lines of the section, each ending in CR LF.
    std::string Extra = {};
};

using TShown = std::vector<std::pair<TBoxKind, QString>>;

// A main window working on a Scenery.cfg in a temporary host folder, with its preferences pointing
// there; message boxes are recorded, not shown.
class TMainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Folder.isValid());
        TestPrefs.FSPath = CfgPath().chopped(11).toLocal8Bit().toStdString();
        Window = std::make_unique<THauptformular>(
            TWindowServices{Files, Folders, Host, System, TestPrefs, Scenery, Points, Profiles});
        List = Window->findChild<TAreaListView*>(QStringLiteral("lvAreas"));
        ASSERT_NE(List, nullptr);
    }
    void TearDown() override { Window.reset(); }

    // In the system's own form, as the program shows paths.
    QString CfgPath() const {
        return QDir::toNativeSeparators(Folder.filePath(QStringLiteral("Scenery.cfg")));
    }

    static void WriteFile(const QString& path, const std::string& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
    }
    void WriteCfg(const std::string& bytes) const { WriteFile(CfgPath(), bytes); }

    static std::string CfgText(const std::vector<TCfgArea>& areas) {
        std::string text =
            "[General]\r\nTitle=Test World\r\nDescription=Test Data\r\nClean_on_Exit=TRUE\r\n\r\n";
        for (const TCfgArea& area : areas) {
            char section[32];
            std::snprintf(section, sizeof section, "[Area.%03d]\r\n", area.Number);
            text += section;
            text += "Title=" + area.Title + "\r\nLayer=" + std::to_string(area.Layer) + "\r\n" + area.Extra;
            text += std::string("Active=") + (area.Active ? "TRUE" : "FALSE") + "\r\n";
            text += std::string("Required=") + (area.Required ? "TRUE" : "FALSE") + "\r\n";
            text += "Local=Scenery\\" + std::to_string(area.Number) + "\r\nRemote=\r\n\r\n";
        }
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

    static std::string FileBytes(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        return file.readAll().toStdString();
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
    TSystemFileAccess Files;
    TSystemHostFolders Folders;
    TSystemSceneryFiles Scenery;
    TFakeHostLocator Host;
    TFakeHostSystem System;
    QTemporaryDir Folder;
    // The user's data folder, apart from the host folder.
    QTemporaryDir DataFolder;
    TRestorePointFolder Points{DataFolder.filePath(QStringLiteral("Restore Points"))};
    TProfileFolder Profiles{DataFolder.filePath(QStringLiteral("Profiles"))};
    TPrefs TestPrefs;
    std::unique_ptr<THauptformular> Window;
    TAreaListView* List = nullptr;
};

// One area section as the writer puts it; an active, not required area.
inline std::string SavedArea(int number, const std::string& title, const std::string& local, int layer = -1) {
    const std::string digits = (number < 10 ? "00" : number < 100 ? "0" : "") + std::to_string(number);
    return "[Area." + digits + "]\r\nTitle=" + title +
           "\r\nLayer=" + std::to_string(layer < 0 ? number : layer) +
           "\r\nActive=TRUE\r\nRequired=FALSE\r\nLocal=" + local + "\r\nRemote=\r\n\r\n";
}

// Titles T<i> for each listed load position.
inline std::vector<std::string> TitlesOf(const std::vector<int>& positions) {
    std::vector<std::string> titles;
    for (int position : positions)
        titles.push_back("T" + std::to_string(position));
    return titles;
}
