#pragma once

// Each test class of the register program runs from the one test executable's main.
int runNewAndOpenTest(int argc, char** argv);
int runSaveCloseTest(int argc, char** argv);
int runMainWindowTest(int argc, char** argv);
int runListCommandTest(int argc, char** argv);
int runEntryWindowTest(int argc, char** argv);
int runRegisterOpsTest(int argc, char** argv);
int runAutoDupWindowTest(int argc, char** argv);
int runLookTest(int argc, char** argv);
int runBadInputTest(int argc, char** argv);
int runCodeFileFlowTest(int argc, char** argv);
int runCommandStateTest(int argc, char** argv);
int runFileFlowTest(int argc, char** argv);
int runReconcileWindowTest(int argc, char** argv);
int runCodeWindowsTest(int argc, char** argv);
int runReportWindowTest(int argc, char** argv);
int runBackupFlowTest(int argc, char** argv);
int runRegisterModelTest(int argc, char** argv);
int runOptionsWindowTest(int argc, char** argv);
int runOutsideLinksTest(int argc, char** argv);
