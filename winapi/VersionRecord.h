/* A version record carried in a program's or module's own file, where GetFileVersionInfoSizeA,
 * GetFileVersionInfoA and VerQueryValueA find it without loading the file: the ELF section
 * ".vxversion" holding "VXVR", a NUL, then key/value pairs (each NUL-terminated) ending in an
 * empty key. Plain C, so that any program or module can carry one:
 *
 *   #include "winapi/VersionRecord.h"
 *   VX_VERSION_RECORD(ledgrn32Version,
 *                     VX_VERSION_ENTRY("FileVersion", "1.00.00.00")
 *                     VX_VERSION_ENTRY("Translation", "040904E4")
 *                     VX_VERSION_ENTRY("ProductName", "Ledgerine 95"));
 *
 * Put it in a source file compiled into the program or module itself (not into a static library,
 * whose unreferenced objects the linker leaves out). "FileVersion" and "ProductVersion" are four
 * dot-separated numbers; "Translation" is the language and code page in hex ("040904E4": 0x0409,
 * 1252) and names the StringFileInfo block that every other key is read from. */
#ifndef WINAPI_VERSIONRECORD_H
#define WINAPI_VERSIONRECORD_H

#define VX_VERSION_ENTRY(key, value) key "\0" value "\0"

#if defined(__has_attribute)
#if __has_attribute(retain)
#define VX_VERSION_RETAIN __attribute__((retain))
#endif
#endif
#ifndef VX_VERSION_RETAIN
#define VX_VERSION_RETAIN
#endif

/* The literal's own terminating NUL is the empty key that ends the record. */
#define VX_VERSION_RECORD(name, entries)                                                                     \
    __attribute__((section(".vxversion"), used, aligned(1))) VX_VERSION_RETAIN static const char name[] =    \
        "VXVR\0" entries

#endif
