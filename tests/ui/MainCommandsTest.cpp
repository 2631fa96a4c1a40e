#include "MainWindowFixture.h"

#include <QAction>
#include <QPushButton>
#include <algorithm>

namespace {

std::vector<std::string> TitlesAndLayers(const TSceneryDocument& document) {
    std::vector<std::string> rows;
    for (const TDocumentArea& entry : document.Areas)
        rows.push_back(entry.Area->Title + "@" + std::to_string(entry.Area->Layer));
    return rows;
}

using MainCommands = TMainWindowTest;

// A row without a step has its handler among the slots of the window or of one of its parts, and each row's
// controls exist; its button and its menu item each run the row's step once, and the window shows exactly the
// document and the selection the step gives.
TEST_F(MainCommands, ButtonAndMenuItemRunTheRow) {
    for (const TCommandRow& row : CommandTable()) {
        SCOPED_TRACE(row.Handler);
        const std::string slot = std::string(row.Handler) + "()";
        const QObject* owners[] = {Window.get(), &Window->AreaSets(), &Window->FolderCommands(),
                                   &Window->Dialogs()};
        EXPECT_TRUE(row.Step ||
                    std::any_of(std::begin(owners), std::end(owners), [&slot](const QObject* owner) {
                        return owner->metaObject()->indexOfSlot(slot.c_str()) >= 0;
                    }));
        auto* button = *row.Button ? Child<QPushButton>(row.Button) : nullptr;
        auto* item = *row.MenuItem ? Child<QAction>(row.MenuItem) : nullptr;
        EXPECT_EQ(button != nullptr, *row.Button != '\0');
        EXPECT_EQ(item != nullptr, *row.MenuItem != '\0');
        if (!row.Step)
            continue;
        for (const bool byButton : {true, false}) {
            if (!(byButton ? static_cast<QObject*>(button) : item))
                continue;
            Load(Numbered(8));
            Select({3, 5});
            TEditingSession expected;
            expected.Load(Window->Document());
            expected.Select(List->SelectionFlags());
            const std::optional<TDocumentStep> step = row.Step(expected);
            ASSERT_TRUE(step);
            byButton ? button->click() : item->trigger();
            EXPECT_EQ(TitlesAndLayers(Window->Document()), TitlesAndLayers(step->Document));
            EXPECT_EQ(List->SelectionFlags(), step->Selected);
            EXPECT_TRUE(Window->IsModified());
        }
    }
}

} // namespace
