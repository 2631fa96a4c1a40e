#include "platform/SystemHostFolders.h"

#include "platform/AnsiCodec.h"
#include "platform/AreaFolders.h"
#include "platform/HostFolderText.h"
#include "platform/SceneryFolderScan.h"

namespace {

// Through UTF-16, so that a name the ANSI code page holds reaches Windows' wide file functions intact.
std::filesystem::path FileSystemPath(const std::string& folder) {
    return std::filesystem::path(QString::fromLocal8Bit(folder).toStdU16String());
}

class TSystemFolderCheck : public TFolderCheck {
public:
    explicit TSystemFolderCheck(const std::string& hostFolder) : FCheck(QString::fromLocal8Bit(hostFolder)) {}

    TFolderFound Resolve(const std::string& localPath) override {
        const TAreaFolder folder = FCheck.Resolve(AnsiToUnicode(localPath));
        return {folder.Path.toLocal8Bit().toStdString(), folder.Exists};
    }

private:
    TAreaFolderCheck FCheck;
};

} // namespace

std::unique_ptr<TFolderCheck> TSystemHostFolders::StartCheck(const std::string& hostFolder) const {
    return std::make_unique<TSystemFolderCheck>(hostFolder);
}

std::optional<std::string> TSystemHostFolders::FolderText(const std::string& chosenFolder,
                                                          const std::string& hostFolder) const {
    const std::optional<QString> text =
        HostFolderText(QString::fromLocal8Bit(chosenFolder), QString::fromLocal8Bit(hostFolder));
    return text ? std::optional(FieldTextToAnsi(*text)) : std::nullopt;
}

std::vector<std::string> TSystemHostFolders::FindSceneryFolders(const std::string& folder) const {
    std::vector<std::string> found;
    for (const std::filesystem::path& path : ::FindSceneryFolders(FileSystemPath(folder)))
        found.push_back(QString::fromStdU16String(path.u16string()).toLocal8Bit().toStdString());
    return found;
}

bool TSystemHostFolders::HoldsSceneryFolder(const std::string& folder) const {
    return ::HoldsSceneryFolder(FileSystemPath(folder));
}
