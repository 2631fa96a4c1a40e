#pragma once

#include <QString>

// A count with the noun agreeing: "1 area", "12 areas".
QString AreaCount(qsizetype count);
