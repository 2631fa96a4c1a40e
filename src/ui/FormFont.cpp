#include "FormFont.h"

#include <QFontDatabase>

using namespace Qt::Literals::StringLiterals;

// Without MS Sans Serif, the name Arial asks the font configuration for the face whose metrics come
// closest (Liberation Sans, Nimbus Sans); with neither, the style hint gives the platform's sans-serif.
QFont FormFont() {
    const QString family = u"MS Sans Serif"_s;
    if (QFontDatabase::hasFamily(family))
        return QFont(family, 8);
    QFont font(u"Arial"_s, 8);
    return font;
}
