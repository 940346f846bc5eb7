// A tiny module for the module-loading tests.
extern "C" __attribute__((visibility("default"))) int VxTestAnswer() { return 42; }
