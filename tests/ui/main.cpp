#include "app/Application.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// The GUI tests run inside the program's own application object, so its error report is under test too.
int main(int argc, char** argv) {
    TQuarrowApplication application(argc, argv);
    QApplication::setApplicationName(u"Quarrow"_s);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
