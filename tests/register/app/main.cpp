#include "AppTests.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the exit tests close windows one by one
    int failures = 0;
    for (auto run :
         {runOptionsWindowTest, runOutsideLinksTest, runMainWindowTest, runNewAndOpenTest, runSaveCloseTest, runListCommandTest, runEntryWindowTest,
          runRegisterOpsTest, runAutoDupWindowTest, runBadInputTest, runCodeFileFlowTest, runCodeWindowsTest, runLookTest, runReconcileWindowTest,
          runCommandStateTest, runFileFlowTest, runReportWindowTest, runBackupFlowTest, runRegisterModelTest})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
