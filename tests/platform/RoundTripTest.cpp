#include "model/format/IniProfile.h"
#include "model/format/QuarrowTypes.h"
#include "platform/AnsiCodec.h"
#include "platform/SystemFileAccess.h"
#include "support/StringOutput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct TLibrary {
    TGeneral General;
    std::vector<std::unique_ptr<TArea>> Areas;
};

TLibrary Read(const TProfileFile& profile) {
    TLibrary library;
    library.General.LoadFrom(profile);
    SweepAreas(profile,
               [&library](std::unique_ptr<TArea> area) { library.Areas.push_back(std::move(area)); });
    return library;
}

std::unique_ptr<TProfileFile> ReadRealFile(const QString& name) {
    const QString path = QStringLiteral(QUARROW_REAL_DATA) + u'/' + name;
    return TSystemFileAccess().ReadProfile(path.toStdString()).Profile;
}

std::string Write(const TLibrary& library) {
    TStringOutput output;
    library.General.WriteTo(output);
    for (const auto& area : library.Areas)
        area->WriteTo(output);
    return output.Bytes;
}

QStringList RealFiles() {
    return QDir(QStringLiteral(QUARROW_REAL_DATA)).entryList({u"*.cfg"_s}, QDir::Files, QDir::Name);
}

TEST(RealFiles, ReadWriteAndReadBackGiveEqualRecords) {
    ASSERT_EQ(RealFiles().size(), 3);
    for (const QString& name : RealFiles()) {
        const auto original = Read(*ReadRealFile(name));
        EXPECT_GE(original.Areas.size(), 3u) << name.toStdString();
        const std::string written = Write(original);
        const auto reread = Read(*TIniProfile::FromBytes(written, Utf16ToAnsi));
        // The writer's form is a fixed point: writing what it wrote changes no byte.
        EXPECT_EQ(Write(reread), written) << name.toStdString();
        ASSERT_EQ(reread.Areas.size(), original.Areas.size());
        for (std::size_t i = 0; i < original.Areas.size(); ++i) {
            EXPECT_EQ(reread.Areas[i]->Number, original.Areas[i]->Number);
            EXPECT_EQ(reread.Areas[i]->Title, original.Areas[i]->Title);
            EXPECT_EQ(reread.Areas[i]->Required, original.Areas[i]->Required);
        }
    }
}

TEST(RealFiles, KnownContentsAreRead) {
    const auto library = Read(*ReadRealFile(u"fsx-tpn-fsx.cfg"_s));
    EXPECT_EQ(library.General.Title, "FS9 World Scenery");
    EXPECT_TRUE(library.General.CleanOnExit);
    ASSERT_EQ(library.Areas.size(), 120u);
    EXPECT_EQ(library.Areas[0]->TextureId, 1);
    EXPECT_EQ(library.Areas[0]->Local, "Scenery\\World");
    EXPECT_TRUE(library.Areas[0]->Required);
    EXPECT_EQ(library.Areas[1]->TextureId, -9999);
    EXPECT_EQ(library.Areas[119]->Title, "Addon Scenery");
    EXPECT_EQ(library.Areas[119]->Layer, 120);
}

// Every byte from 0x80 up in a title and a folder comes back unchanged.
TEST(RoundTrip, WritersFormIsRewrittenByteForByte) {
    std::string title = "Z\xFCrich ";
    for (int b = 0x80; b <= 0xFF; ++b)
        title.push_back(static_cast<char>(b));
    const std::string file =
        "[General]\r\nTitle=T\r\nDescription=D\r\nClean_on_Exit=TRUE\r\n\r\n"
        "[Area.001]\r\nTitle=" +
        title +
        "\r\nTexture_ID=1\r\nLayer=1\r\nActive=TRUE\r\n"
        "Required=TRUE\r\nLocal=Scenery\\" +
        title +
        "\r\nRemote=\r\n\r\n"
        "[Area.002]\r\nTitle=B\r\nLayer=5\r\nActive=FALSE\r\nRequired=FALSE\r\n"
        "Local=Addon Scenery\\B\r\nRemote=R\r\nExclude=x\r\nFlatten.0=a\r\nFlatten.1=b\r\n\r\n";
    EXPECT_EQ(Write(Read(*TIniProfile::FromBytes(file, Utf16ToAnsi))), file);
}

// A UTF-8 file is brought into the system's code page: ü is 0xFC there, and Ω is missing, so '?'.
TEST(RealFiles, MarkedFileIsReadInTheCodePage) {
    QTemporaryDir folder;
    QFile file(folder.filePath(u"Scenery.cfg"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("\xEF\xBB\xBF[Area.001]\r\nTitle=Z\xC3\xBCrich \xCE\xA9\r\n") > 0);
    file.close();
    const TProfileRead read = TSystemFileAccess().ReadProfile(file.fileName().toStdString());
    EXPECT_EQ(read.Profile->ReadString("Area.001", "Title", "<default>"), "Z\xFCrich ?");
}

} // namespace
