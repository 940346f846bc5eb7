#pragma once

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

// One QApplication on the offscreen platform for a GoogleTest binary whose tests need widgets.
class QtApplicationEnv : public testing::Environment {
public:
    void SetUp() override {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

// Silences Qt's warnings for a scope (the image readers report every damaged picture they are given).
class QuietQtWarnings {
public:
    QuietQtWarnings()
        : old_(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})) {}
    ~QuietQtWarnings() { qInstallMessageHandler(old_); }
    QuietQtWarnings(const QuietQtWarnings&) = delete;
    QuietQtWarnings& operator=(const QuietQtWarnings&) = delete;

private:
    QtMessageHandler old_;
};

// Registers the environment once per binary: include from exactly one source file of the binary.
#define VX_QT_TEST_APPLICATION                                                                               \
    static testing::Environment* const vxQtEnv = testing::AddGlobalTestEnvironment(new QtApplicationEnv)
