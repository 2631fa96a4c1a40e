#include "FormFont.h"

#include <QFontDatabase>

using namespace Qt::Literals::StringLiterals;

namespace {
#ifdef Q_OS_WIN
// MS Sans Serif is a bitmap font that Qt does not draw on Windows: its TrueType twin comes first, then
// Arial and its metric twin (all that a Wine prefix may have).
const QString Faces[] = {u"Microsoft Sans Serif"_s, u"Arial"_s, u"Liberation Sans"_s};
#else
const QString Faces[] = {u"MS Sans Serif"_s};
#endif
} // namespace

// Without any of the faces, the name Arial asks the font configuration for the face whose metrics come
// closest (Liberation Sans, Nimbus Sans); with neither, the style hint gives the platform's sans-serif.
QFont FormFont() {
    for (const QString& family : Faces)
        if (QFontDatabase::hasFamily(family))
            return QFont(family, 8);
    QFont font(u"Arial"_s, 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
