// The module's string table: the run-time and control error messages in five languages.
#include "winapi/ModuleStrings.h"

namespace {

constexpr VxStringBlock kBlocks[] = {
#include "locale/StringTable.inc"
};

} // namespace

extern "C" const VxStringTable vxModuleStringTable = {kVxStringTableMagic, sizeof kBlocks / sizeof kBlocks[0],
                                                      kBlocks};
