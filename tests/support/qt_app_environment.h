#pragma once
// The widget tests of this folder need a QApplication; the plain ones do not,
// so it is created once by a test environment instead of a folder-wide main.
#include <QApplication>
#include <gtest/gtest.h>

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QApplication::instance())
            return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "widget_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }

private:
    QApplication* app_ = nullptr;
};

inline const bool kQtAppRegistered = [] {
    ::testing::AddGlobalTestEnvironment(new QtAppEnvironment);
    return true;
}();
