#include "platform/ProfileFolder.h"
#include "model/library/FolderMemo.h"
#include "model/library/LibraryProfiles.h"
#include "model/library/ProfileName.h"
#include "platform/RestorePointFolder.h"
#include "platform/SystemFileAccess.h"
#include "platform/SystemHostFolders.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// clang-format off
const std::pair<const char*, const char*> NameCases[] = {
    {"Europe VFR", ""},
    {"Été 2026 (Alpen)", ""},
    {"", "A profile needs a name."},
    {"a/b", "A profile name cannot hold any of \\ / : * ? \" < > |."},
    {"a\\b", "A profile name cannot hold any of \\ / : * ? \" < > |."},
    {"What?", "A profile name cannot hold any of \\ / : * ? \" < > |."},
    {"a\tb", "A profile name cannot hold any of \\ / : * ? \" < > |."},
    {"Lean.", "A profile name cannot end in a dot or a blank."},
    {"Lean ", "A profile name cannot end in a dot or a blank."},
    {"con", "Windows keeps the name con for a device: choose another profile name."},
    {"LPT1.old", "Windows keeps the name LPT1.old for a device: choose another profile name."},
    {"COM0", ""},
    {"Console", ""},
};
// clang-format on

TEST(ProfileNameTest, RefusesWhatAWindowsFileNameCannotHold) {
    for (const auto& [name, error] : NameCases)
        EXPECT_EQ(ProfileNameError(name), error) << name;
}

class ProfileFolderTest : public testing::Test {
protected:
    void Save(const std::string& name, bool active, int minutesAgo) const {
        TArea area;
        area.Number = 7;
        area.Title = "Munich";
        area.Local = "Addon Scenery\\EDDM";
        area.Active = active;
        TSceneryDocument document;
        document.Areas.push_back(NewEntry(area));
        ASSERT_EQ(SaveProfile(Store, Library, name, document), "");
        QFile file(QString::fromLocal8Bit(Store.Find(Library, name)->File));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime(QDate(2026, 12, 10), QTime(12, 0)).addSecs(-60 * minutesAgo),
                         QFileDevice::FileModificationTime);
    }
    // "name=active of areas|saved" for each listed profile, newest first.
    std::vector<std::string> Listed() const {
        const std::unique_ptr<TFolderCheck> check = Folders.StartCheck(Host.path().toStdString() + "/");
        TFolderMemo memo(*check);
        std::vector<std::string> listed;
        for (const TProfileReview& review : ReviewProfiles(Store.List(Library), Files, memo))
            listed.push_back(review.Stored.Name + "=" +
                             (review.Failure.empty() ? std::to_string(review.Profile.ActiveCount()) + " of " +
                                                           std::to_string(review.Profile.Areas.size())
                                                     : review.Failure) +
                             "|" + review.Stored.Saved);
        return listed;
    }

    QTemporaryDir Data, Host;
    const std::string Library = "/fs9/Scenery.cfg";
    const TProfileFolder Store{Data.filePath(u"Profiles"_s)};
    const TSystemFileAccess Files;
    const TSystemHostFolders Folders;
};

TEST_F(ProfileFolderTest, SavesListsReplacesRenamesAndDeletes) {
    Save("All", true, 10);
    Save("Lean", false, 5);
    const QString folder = Data.filePath(u"Profiles/"_s + LibraryFolderName(Library));
    QFile lean(folder + u"/Lean.sas"_s);
    ASSERT_TRUE(lean.open(QIODevice::ReadOnly));
    const std::string leanBytes = lean.readAll().toStdString();
    lean.close();
    EXPECT_EQ(leanBytes, "[Area.001]\r\nTitle=Munich\r\nLayer=0\r\nActive=FALSE\r\nRequired=FALSE\r\n"
                         "Local=Addon Scenery\\EDDM\r\nRemote=\r\n\r\n");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Lean=0 of 1|2026-12-10 11:55:00",
                                                  "All=1 of 1|2026-12-10 11:50:00"}));
    Save("ALL", false, 1);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"All=0 of 1|2026-12-10 11:59:00",
                                                  "Lean=0 of 1|2026-12-10 11:55:00"}));
    EXPECT_EQ(Store.Rename(Library, "Lean", "all"), "a profile named All exists");
    EXPECT_EQ(Store.Rename(Library, "Lean", "Mini"), "");
    EXPECT_EQ(Store.Delete(Library, "all"), "");
    QFile broken(folder + u"/Broken.sas"_s);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("no areas here\r\n");
    broken.setFileTime(QDateTime(QDate(2026, 12, 9), QTime(8, 0)), QFileDevice::FileModificationTime);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Mini=0 of 1|2026-12-10 11:55:00",
                                                  "Broken=it holds no area|2026-12-09 08:00:00"}));
    EXPECT_FALSE(Store.Find(Library, "Lean").has_value());
}

} // namespace
