#include "platform/PrefsSettingsStore.h"

#include <QStandardPaths>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

QString KeyName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

#ifdef Q_OS_WIN
TPrefsSettingsStore::TPrefsSettingsStore()
    : FSettings(u"HKEY_CURRENT_USER\\Software\\Quarrow"_s, QSettings::NativeFormat) {}
#else
TPrefsSettingsStore::TPrefsSettingsStore() : TPrefsSettingsStore(DefaultIniFile()) {}
#endif

TPrefsSettingsStore::TPrefsSettingsStore(const QString& iniFile) : FSettings(iniFile, QSettings::IniFormat) {}

QString TPrefsSettingsStore::DefaultIniFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Quarrow/Quarrow.ini"_s;
}

// A hand-edited INI value with an unquoted comma reads back as a list: join it as it was written.
std::optional<std::string> TPrefsSettingsStore::ReadValue(std::string_view name) const {
    const QVariant value = FSettings.value(KeyName(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    const QString text =
        value.typeId() == QMetaType::QStringList ? value.toStringList().join(u", "_s) : value.toString();
    return text.toLocal8Bit().toStdString();
}

void TPrefsSettingsStore::WriteValue(std::string_view name, const std::string& value) {
    FSettings.setValue(KeyName(name),
                       QString::fromLocal8Bit(value.data(), static_cast<qsizetype>(value.size())));
    FSettings.sync();
}
