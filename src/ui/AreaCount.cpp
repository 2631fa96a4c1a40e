#include "AreaCount.h"

using namespace Qt::Literals::StringLiterals;

QString AreaCount(qsizetype count) {
    return (count == 1 ? u"%1 area"_s : u"%1 areas"_s).arg(count);
}
