#include "OtherWriter.h"
#include "app/Application.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// The GUI tests run inside the program's own application object, so its error report is under test too.
// They never touch the user's settings (Qt's own dialogs keep a history there) or data folder (the
// restore points), and they run without a display also when the test list is read.
int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], OtherWriterOption) == 0)
        return RunOtherWriter(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TQuarrowApplication application(argc, argv);
    QApplication::setApplicationName(u"Quarrow"_s);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
