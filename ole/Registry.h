#pragma once

#include "ole/Types.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace ole {

// The class registry (HKEY_CLASSES_ROOT) of the component layer, kept as a REGEDIT4 text file
// "REG.DAT" in the Windows directory so that every program of the user sees one set of classes:
//
//   REGEDIT4
//
//   [HKEY_CLASSES_ROOT\CLSID\{0A9F72E0-...}]
//   @="Quorvane Vx3dCalendar Control"
//
// Key paths are given without the root; keys and value names match without regard to case. A
// file without the header is refused whole (registering over it would lose what it holds); a
// line that is neither a key nor a value is skipped.
class Registry {
public:
    static std::filesystem::path defaultPath();
    explicit Registry(std::filesystem::path path = defaultPath());

    // False when the file exists but cannot be read or is no registry file.
    bool load();
    // Replaces the file atomically; false when it cannot be written.
    bool save() const;

    // A value of a key; name empty for the key's default value.
    std::optional<QString> value(const QString& key, const QString& name = {}) const;
    void setValue(const QString& key, const QString& name, const QString& value);
    bool contains(const QString& key) const;
    // Removes a key with every key below it; false when there was none.
    bool deleteTree(const QString& key);
    // Every key path, in the file's order.
    QStringList keys() const;
    QString text() const;
    const std::filesystem::path& path() const { return path_; }

    // Test seam: the saves after the first n fail (negative: none fails). Counts every save of
    // every Registry in the process.
    static void failSavesAfter(int n);

private:
    struct Key {
        QString path;
        std::vector<std::pair<QString, QString>> values;
    };
    std::map<QString, Key> keys_; // by lower-case path: sorted, so the file is stable
    std::filesystem::path path_;
};

// What the platform's registration functions write. Each loads the registry, changes it and saves
// it; false when the registry cannot be read or written.
struct ControlClassInfo {
    CLSID clsid;
    QString progId;
    QString typeName;
    int toolboxBitmap = 0;
    unsigned flags = 0;
    std::uint32_t miscStatus = 0;
    GUID typeLib;
    int majorVersion = 1, minorVersion = 0;
};
bool AfxOleRegisterControlClass(const QString& modulePath, const ControlClassInfo& info);
bool AfxOleRegisterPropertyPageClass(const QString& modulePath, const CLSID& clsid, const QString& typeName);
// Removes CLSID\{clsid} and the ProgID's key (when given).
bool AfxOleUnregisterClass(const CLSID& clsid, const QString& progId);

struct TypeLibrary;
// Registers the library's identity, file and help folder and its two interfaces.
bool RegisterTypeLib(const TypeLibrary& lib, const QString& modulePath, const QString& helpDir);
// False also when the library is not registered, as the platform answers.
bool UnRegisterTypeLib(const GUID& libid, int major, int minor);

// The module file an in-process class is served from, or nothing when it is not registered.
// classId is a CLSID or a ProgID; clsid (when given) receives the class ID.
std::optional<QString> inprocServerOf(const QString& classId, CLSID* clsid = nullptr);

} // namespace ole
