#pragma once

// The exports of the locale module (module name "VXLOCALE"). Callers normally resolve them by
// name with GetProcAddress on the loaded module.
extern "C" {
// String-number base of the system language: 20000 German, 15000 French, 25000 Italian,
// 30000 Japanese, 10000 for every other language.
int VxGetLocale(void);
// Language id of the calling program's version record ("\VarFileInfo\Translation"), or 0 when the
// program carries no record or no translation.
int GetLanguage(void);
}
