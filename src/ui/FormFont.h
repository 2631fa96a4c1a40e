#pragma once

#include <QFont>

// The font of the program's forms: MS Sans Serif 8 pt where the system has it, the platform's
// sans-serif at 8 pt elsewhere, so the fixed pixel layouts keep their proportions.
QFont FormFont();
