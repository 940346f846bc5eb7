#include "runtime/RuntimeError.h"

#include <cerrno>

namespace runtime {

namespace {

struct ErrorEntry {
    int number;
    const char* text;
};

// The standard texts of the classic runtime, in number order.
constexpr ErrorEntry kErrorTexts[] = {
    {3, "Return without GoSub"},
    {5, "Invalid procedure call or argument"},
    {6, "Overflow"},
    {7, "Out of memory"},
    {9, "Subscript out of range"},
    {10, "This array is fixed or temporarily locked"},
    {11, "Division by zero"},
    {13, "Type mismatch"},
    {14, "Out of string space"},
    {16, "Expression too complex"},
    {17, "Can't perform requested operation"},
    {18, "User interrupt occurred"},
    {20, "Resume without error"},
    {28, "Out of stack space"},
    {35, "Sub or Function not defined"},
    {47, "Too many DLL application clients"},
    {48, "Error in loading DLL"},
    {49, "Bad DLL calling convention"},
    {51, "Internal error"},
    {52, "Bad file name or number"},
    {53, "File not found"},
    {54, "Bad file mode"},
    {55, "File already open"},
    {57, "Device I/O error"},
    {58, "File already exists"},
    {59, "Bad record length"},
    {61, "Disk full"},
    {62, "Input past end of file"},
    {63, "Bad record number"},
    {67, "Too many files"},
    {68, "Device unavailable"},
    {70, "Permission denied"},
    {71, "Disk not ready"},
    {74, "Can't rename with different drive"},
    {75, "Path/File access error"},
    {76, "Path not found"},
    {91, "Object variable or With block variable not set"},
    {92, "For loop not initialized"},
    {93, "Invalid pattern string"},
    {94, "Invalid use of Null"},
    {380, "Invalid property value"},
    {381, "Invalid property array index"},
    {382, "Property Set can't be executed at run time"},
    {383, "Property is read-only"},
    {384, "A form can't be moved or sized while minimized or maximized"},
    {387, "Property Set not permitted"},
    {393, "Property Get can't be executed at run time"},
    {394, "Property is write-only"},
    {400, "Form already displayed; can't show modally"},
    {424, "Object required"},
    {429, "ActiveX component can't create object"},
    {438, "Object doesn't support this property or method"},
    {440, "Automation error"},
    {32755, "Dialog Cancelled"},
};

} // namespace

std::string errorText(int number) {
    for (const auto& e : kErrorTexts) {
        if (e.number == number) {
            return e.text;
        }
    }
    return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorText(number)) {}

RuntimeError::RuntimeError(int number, const std::string& text) : std::runtime_error(text), number_(number) {}

int errorNumberFromErrno(int err) {
    switch (err) {
    case ENOENT:
        return 53; // File not found
    case ENOTDIR:
    case ELOOP:
        return 76; // Path not found: a folder on the way is missing or not a folder
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
    case EFBIG:
        return 61; // Disk full
    case EIO:
        return 57; // Device I/O error
    // A file that cannot be opened with the access asked for (no right to it, a read-only
    // medium, a folder where a file was expected) is the classic "Path/File access error";
    // a program file locked while it runs is "Permission denied".
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return 75;
    case ETXTBSY:
        return 70;
    case EMFILE:
    case ENFILE:
        return 67; // Too many files
    case EEXIST:
        return 58; // File already exists
    case ENAMETOOLONG:
    case EINVAL:
    case EBADF:
    case EILSEQ:
        return 52; // Bad file name or number
    case EBUSY:
        return 55; // File already open
    case ENOMEM:
        return 7; // Out of memory
    case ENXIO:
    case ENODEV:
#ifdef ENOMEDIUM
    case ENOMEDIUM:
#endif
        return 68; // Device unavailable
    case EAGAIN:
        return 71; // Disk not ready
    case EXDEV:
        return 74; // Can't rename with different drive
    default:
        return 57; // Anything else the device reported is an I/O failure
    }
}

void throwErrno(int err) {
    throw RuntimeError(errorNumberFromErrno(err));
}

} // namespace runtime
