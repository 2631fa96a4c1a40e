#include "FormFont.h"

#include <QFontDatabase>

using namespace Qt::Literals::StringLiterals;

QFont FormFont() {
    const QString family = u"MS Sans Serif"_s;
    if (QFontDatabase::hasFamily(family))
        return QFont(family, 8);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}
