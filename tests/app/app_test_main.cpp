// The window tests run headless with a real QApplication; errors shown by the
// error display are recorded instead of opening a modal box.
#include "app_test_support.h"

#include <QApplication>
#include <gtest/gtest.h>

std::vector<ShownError>& ShownErrors()
{
    static std::vector<ShownError> errors;
    return errors;
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetErrorSink([](const std::string& text, const std::string& title) {
        ShownErrors().push_back({text, title});
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
