#pragma once

#include <QFont>

// The font of the program's forms: MS Sans Serif 8 pt where the system has it, otherwise an 8 pt
// sans-serif of similar width, so the fixed pixel layouts keep their proportions and texts fit.
QFont FormFont();
