#include "TestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Every test runs headless, whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // No test may ever wait in a modal loop: answers come from a script.
    schemakit::test::InstallScriptedDialogs();
    return RUN_ALL_TESTS();
}
