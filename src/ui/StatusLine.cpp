#include "StatusLine.h"

#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Banner = u"Quarrow - the scenery library editor for Flight Simulator 2004"_s;
} // namespace

void TStatusLine::ShowHint(const QString& hint) {
    Bar->showMessage(!hint.isEmpty() ? hint : !FText.isEmpty() ? FText : Banner);
}

void TStatusLine::Set(const QString& text, const QString& wholeText) {
    FText = text;
    Bar->setToolTip(wholeText.isEmpty() ? text : wholeText);
    ShowHint(QString());
}

TRefusalReport TStatusLine::Refusals() {
    return [this](const QString& why) { Set(why); };
}
