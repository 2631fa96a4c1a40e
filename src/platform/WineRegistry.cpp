#include "platform/WineRegistry.h"

#include <QFile>
#include <string_view>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

int HexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if ((u | 0x20) >= u'a' && (u | 0x20) <= u'f') {
        return (u | 0x20) - u'a' + 10;
    }
    return -1;
}

// Reads up to `maxDigits` digits of the base from pos; no digit gives -1.
int ReadNumber(QStringView line, qsizetype& pos, int base, int maxDigits) {
    int value = -1;
    for (int i = 0; i < maxDigits && pos < line.size(); ++i, ++pos) {
        const int digit = HexDigit(line[pos]);
        if (digit < 0 || digit >= base) {
            break;
        }
        value = (value < 0 ? 0 : value * base) + digit;
    }
    return value;
}

// The character a backslash escape stands for, pos just after the backslash; as Wine writes them:
// C escapes, \xNNNN for UTF-16 units, octal for other control characters, else the character itself.
QChar DecodeEscape(QStringView line, qsizetype& pos) {
    static constexpr std::u16string_view letters = u"abefnrtv";
    static constexpr char16_t controls[] = {7, 8, 27, 12, 10, 13, 9, 11};
    const QChar e = line[pos++];
    if (const auto letter = letters.find(e.unicode()); letter != std::u16string_view::npos) {
        return QChar(controls[letter]);
    }
    if (e == u'x') {
        const int unit = ReadNumber(line, pos, 16, 4);
        return unit < 0 ? e : QChar(static_cast<char16_t>(unit));
    }
    if (e >= u'0' && e <= u'7') {
        --pos;
        return QChar(static_cast<char16_t>(ReadNumber(line, pos, 8, 3)));
    }
    return e;
}

// Decodes an escaped text from pos up to the unescaped terminator; pos ends after the terminator.
// No value when the line ends first.
std::optional<QString> DecodeUntil(QStringView line, qsizetype& pos, QChar terminator) {
    QString text;
    while (pos < line.size()) {
        const QChar c = line[pos++];
        if (c == terminator) {
            return text;
        }
        if (c != u'\\') {
            text += c;
        } else if (pos < line.size()) {
            text += DecodeEscape(line, pos);
        }
    }
    return std::nullopt;
}

// The string value of a line `"name"="text"` or `"name"=str(n):"text"` when its name matches.
std::optional<QString> StringValue(QStringView line, const QString& name) {
    qsizetype pos = 1;
    const auto valueName = DecodeUntil(line, pos, u'"');
    if (!valueName || valueName->compare(name, Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    QStringView rest = line.mid(pos);
    if (!rest.startsWith(u'=')) {
        return std::nullopt;
    }
    rest = rest.mid(1);
    if (rest.startsWith(u"str(")) {
        rest = rest.mid(rest.indexOf(u':') + 1);
    }
    if (!rest.startsWith(u'"')) {
        return std::nullopt;
    }
    pos = 1;
    return DecodeUntil(rest, pos, u'"');
}

qsizetype KeyIndex(QStringView line, const QStringList& keys) {
    qsizetype pos = 1;
    const auto key = DecodeUntil(line, pos, u']');
    if (!key) {
        return -1;
    }
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (key->compare(keys[i], Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

} // namespace

std::optional<QString> ReadWineRegistryString(const QString& regFile, const QStringList& keys,
                                              const QString& name) {
    QFile file(regFile);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    std::vector<std::optional<QString>> found(static_cast<std::size_t>(keys.size()));
    qsizetype current = -1;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            current = KeyIndex(line, keys);
            if (current >= 0 && !found[current]) {
                found[current] = QString();
            }
        } else if (current >= 0 && line.startsWith(u'"')) {
            if (auto value = StringValue(line, name)) {
                found[current] = std::move(value);
            }
        }
    }
    for (auto& value : found) {
        if (value) {
            return value;
        }
    }
    return std::nullopt;
}
