#include "platform/SystemSceneryFiles.h"

#include "platform/CaseBlindNames.h"

#include <QFile>
#include <algorithm>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace {

// One open file, read by seeking to each part the reader asks for. The header and the section table
// lie in the file's first block: that block is read once, sparing two system calls per file, which is
// most of what a library of thousands of files costs.
class TFileSource : public TByteSource {
public:
    explicit TFileSource(const QString& path) : FFile(path) {}
    bool Open() { return FFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    std::uint64_t Size() const override { return static_cast<std::uint64_t>(FFile.size()); }
    bool Read(std::uint64_t offset, std::size_t count, unsigned char* into) override {
        if (FHead.isEmpty() && offset + count <= HeadSize && FFile.seek(0))
            FHead = FFile.read(static_cast<qint64>(std::min<std::uint64_t>(Size(), HeadSize)));
        if (offset + count <= static_cast<std::uint64_t>(FHead.size())) {
            std::memcpy(into, FHead.constData() + offset, count);
            return true;
        }
        const auto wanted = static_cast<qint64>(count);
        return FFile.seek(static_cast<qint64>(offset)) &&
               FFile.read(reinterpret_cast<char*>(into), wanted) == wanted;
    }

private:
    static constexpr std::uint64_t HeadSize = 4096;
    QFile FFile;
    QByteArray FHead;
};

} // namespace

// QDir::Files leaves out FIFOs and devices, so opening a listed file never blocks.
std::vector<std::string> TSystemSceneryFiles::BglFiles(const std::string& areaFolder) const {
    const QDir folder(QString::fromLocal8Bit(areaFolder));
    const std::optional<QString> scenery = TCaseBlindListing(folder.path(), QDir::Dirs).Find(u"scenery"_s);
    if (!scenery)
        return {};
    const QDir sceneryFolder(folder.filePath(*scenery));
    std::vector<std::string> files;
    for (const QString& name : sceneryFolder.entryList({u"*.bgl"_s}, QDir::Files | QDir::Hidden, QDir::Name))
        files.push_back(QDir::toNativeSeparators(sceneryFolder.filePath(name)).toLocal8Bit().toStdString());
    return files;
}

std::unique_ptr<TByteSource> TSystemSceneryFiles::Open(const std::string& path) const {
    auto source = std::make_unique<TFileSource>(QString::fromLocal8Bit(path));
    return source->Open() ? std::move(source) : nullptr;
}
