#include "ole/Registry.h"

#include "ole/TypeLibrary.h"
#include "runtime/FileIo.h"
#include "winapi/Paths.h"

#include <QStringView>

#include <atomic>

namespace ole {

namespace {

std::atomic<int> g_savesLeft{-1};

const QString kHeader = QStringLiteral("REGEDIT4");
const QString kRoot = QStringLiteral("HKEY_CLASSES_ROOT\\");
// The standard marshaller of dispatch interfaces, as type-library registration names it.
const QString kDispatchProxy = QStringLiteral("{00020420-0000-0000-C000-000000000046}");

QString quote(const QString& s) {
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        if (c == u'"' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

// Reads a quoted string at s[pos]; advances pos past it. Nothing when it is not well formed.
std::optional<QString> unquote(QStringView s, qsizetype& pos) {
    if (pos >= s.size() || s[pos] != u'"')
        return std::nullopt;
    QString out;
    for (++pos; pos < s.size(); ++pos) {
        QChar c = s[pos];
        if (c == u'\\') {
            if (++pos >= s.size())
                return std::nullopt;
            out += s[pos];
        } else if (c == u'"') {
            ++pos;
            return out;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

QString normalKey(const QString& key) {
    QString k = key;
    while (k.endsWith(u'\\'))
        k.chop(1);
    return k;
}

} // namespace

std::filesystem::path Registry::defaultPath() {
    return winapi::windowsDirectory() / "REG.DAT";
}

Registry::Registry(std::filesystem::path path) : path_(std::move(path)) {}

void Registry::failSavesAfter(int n) {
    g_savesLeft = n;
}

bool Registry::load() {
    keys_.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec))
        return !ec;
    std::string bytes;
    try {
        bytes = runtime::readWholeFile(path_, 16u * 1024u * 1024u);
    } catch (...) {
        return false;
    }
    if (bytes.empty())
        return true; // nothing to lose: a file cut to nothing is an empty registry
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    if (lines.isEmpty() || lines.first().trimmed() != kHeader)
        return false;
    Key* current = nullptr;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const QString path = line.mid(1, line.size() - 2);
            current = nullptr;
            // The root itself ("[HKEY_CLASSES_ROOT\\]") is no key of ours: it could not be written
            // back as one.
            const QString key =
                path.startsWith(kRoot, Qt::CaseInsensitive) ? normalKey(path.mid(kRoot.size())) : QString();
            if (!key.isEmpty()) {
                Key& k = keys_[key.toLower()];
                k.path = key;
                current = &k;
            }
            continue;
        }
        if (!current)
            continue;
        qsizetype pos = 0;
        QString name;
        if (line.startsWith(u'@')) {
            pos = 1;
        } else {
            auto n = unquote(line, pos);
            if (!n)
                continue;
            name = *n;
        }
        if (pos >= line.size() || line[pos] != u'=')
            continue;
        ++pos;
        auto v = unquote(line, pos);
        if (!v || pos != line.size())
            continue;
        bool replaced = false;
        for (auto& [existing, value] : current->values)
            if (existing.compare(name, Qt::CaseInsensitive) == 0) {
                value = *v;
                replaced = true;
            }
        if (!replaced)
            current->values.emplace_back(name, *v);
    }
    return true;
}

QString Registry::text() const {
    QString out = kHeader + QStringLiteral("\n");
    for (const auto& [lower, key] : keys_) {
        out += QStringLiteral("\n[") + kRoot + key.path + QStringLiteral("]\n");
        for (const auto& [name, value] : key.values)
            out += (name.isEmpty() ? QStringLiteral("@") : quote(name)) + u'=' + quote(value) + u'\n';
    }
    return out;
}

bool Registry::save() const {
    int left = g_savesLeft.load();
    if (left == 0)
        return false;
    if (left > 0)
        g_savesLeft = left - 1;
    try {
        std::error_code ec;
        std::filesystem::create_directories(path_.parent_path(), ec);
        runtime::replaceFileAtomically(path_, text().toStdString());
        return true;
    } catch (...) {
        return false;
    }
}

std::optional<QString> Registry::value(const QString& key, const QString& name) const {
    auto it = keys_.find(normalKey(key).toLower());
    if (it == keys_.end())
        return std::nullopt;
    for (const auto& [n, v] : it->second.values)
        if (n.compare(name, Qt::CaseInsensitive) == 0)
            return v;
    return std::nullopt;
}

void Registry::setValue(const QString& key, const QString& name, const QString& value) {
    // The platform creates every missing key on the way down.
    const QStringList parts = normalKey(key).split(u'\\');
    QString path;
    for (const QString& part : parts) {
        path = path.isEmpty() ? part : path + u'\\' + part;
        Key& k = keys_[path.toLower()];
        if (k.path.isEmpty())
            k.path = path;
    }
    Key& k = keys_[path.toLower()];
    for (auto& [n, v] : k.values)
        if (n.compare(name, Qt::CaseInsensitive) == 0) {
            v = value;
            return;
        }
    k.values.emplace_back(name, value);
}

bool Registry::contains(const QString& key) const {
    return keys_.count(normalKey(key).toLower()) != 0;
}

bool Registry::deleteTree(const QString& key) {
    const QString lower = normalKey(key).toLower();
    if (lower.isEmpty())
        return false;
    bool found = false;
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == lower || it->first.startsWith(lower + u'\\')) {
            it = keys_.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found;
}

QStringList Registry::keys() const {
    QStringList out;
    for (const auto& [lower, key] : keys_)
        out << key.path;
    return out;
}

// ---- What the platform's registration functions write ----

namespace {

QString clsidKey(const CLSID& clsid) {
    return QStringLiteral("CLSID\\") + clsid.text;
}

} // namespace

bool AfxOleRegisterControlClass(const QString& modulePath, const ControlClassInfo& info) {
    Registry reg;
    if (!reg.load())
        return false;
    const QString key = clsidKey(info.clsid);
    const QString version = QStringLiteral("%1.%2").arg(info.majorVersion).arg(info.minorVersion);
    reg.setValue(key, {}, info.typeName);
    reg.setValue(key + QStringLiteral("\\InprocServer32"), {}, modulePath);
    reg.setValue(key + QStringLiteral("\\Control"), {}, {});
    if (info.flags & 1u) // afxRegInsertable
        reg.setValue(key + QStringLiteral("\\Insertable"), {}, {});
    reg.setValue(key + QStringLiteral("\\ToolboxBitmap32"), {},
                 QStringLiteral("%1, %2").arg(modulePath).arg(info.toolboxBitmap));
    reg.setValue(key + QStringLiteral("\\MiscStatus"), {}, QStringLiteral("0"));
    reg.setValue(key + QStringLiteral("\\MiscStatus\\1"), {}, QString::number(info.miscStatus));
    reg.setValue(key + QStringLiteral("\\TypeLib"), {}, info.typeLib.text);
    reg.setValue(key + QStringLiteral("\\Version"), {}, version);
    if (!info.progId.isEmpty()) {
        reg.setValue(key + QStringLiteral("\\ProgID"), {}, info.progId);
        reg.setValue(info.progId, {}, info.typeName);
        reg.setValue(info.progId + QStringLiteral("\\CLSID"), {}, info.clsid.text);
    }
    return reg.save();
}

bool AfxOleRegisterPropertyPageClass(const QString& modulePath, const CLSID& clsid, const QString& typeName) {
    Registry reg;
    if (!reg.load())
        return false;
    reg.setValue(clsidKey(clsid), {}, typeName);
    reg.setValue(clsidKey(clsid) + QStringLiteral("\\InprocServer32"), {}, modulePath);
    return reg.save();
}

bool AfxOleUnregisterClass(const CLSID& clsid, const QString& progId) {
    Registry reg;
    if (!reg.load())
        return false;
    reg.deleteTree(clsidKey(clsid));
    if (!progId.isEmpty())
        reg.deleteTree(progId);
    return reg.save();
}

bool RegisterTypeLib(const TypeLibrary& lib, const QString& modulePath, const QString& helpDir) {
    Registry reg;
    if (!reg.load())
        return false;
    const QString key =
        QStringLiteral("TypeLib\\%1\\%2.%3").arg(lib.libid.text).arg(lib.majorVersion).arg(lib.minorVersion);
    reg.setValue(key, {}, lib.name);
    reg.setValue(key + QStringLiteral("\\0\\win32"), {}, modulePath);
    reg.setValue(key + QStringLiteral("\\FLAGS"), {}, QStringLiteral("0"));
    reg.setValue(key + QStringLiteral("\\HELPDIR"), {}, helpDir);
    for (const InterfaceInfo* iface : {&lib.dispatch, &lib.events}) {
        if (iface->iid.text.isEmpty())
            continue;
        const QString ikey = QStringLiteral("Interface\\") + iface->iid.text;
        reg.setValue(ikey, {}, iface->name);
        reg.setValue(ikey + QStringLiteral("\\ProxyStubClsid"), {}, kDispatchProxy);
        reg.setValue(ikey + QStringLiteral("\\ProxyStubClsid32"), {}, kDispatchProxy);
        reg.setValue(ikey + QStringLiteral("\\TypeLib"), {}, lib.libid.text);
        reg.setValue(ikey + QStringLiteral("\\TypeLib"), QStringLiteral("Version"),
                     QStringLiteral("%1.%2").arg(lib.majorVersion).arg(lib.minorVersion));
    }
    return reg.save();
}

bool UnRegisterTypeLib(const GUID& libid, int major, int minor) {
    Registry reg;
    if (!reg.load())
        return false;
    const QString libKey = QStringLiteral("TypeLib\\") + libid.text;
    if (!reg.deleteTree(libKey + QStringLiteral("\\%1.%2").arg(major).arg(minor)))
        return false;
    // The interfaces described by this library go with it.
    for (const QString& key : reg.keys()) {
        if (!key.startsWith(QStringLiteral("Interface\\"), Qt::CaseInsensitive) || key.count(u'\\') != 1)
            continue;
        if (reg.value(key + QStringLiteral("\\TypeLib"))
                .value_or(QString())
                .compare(libid.text, Qt::CaseInsensitive) == 0)
            reg.deleteTree(key);
    }
    bool otherVersions = false;
    for (const QString& key : reg.keys())
        otherVersions = otherVersions || key.startsWith(libKey + u'\\', Qt::CaseInsensitive);
    if (!otherVersions)
        reg.deleteTree(libKey);
    return reg.save();
}

std::optional<QString> inprocServerOf(const QString& classId, CLSID* clsid) {
    Registry reg;
    if (!reg.load())
        return std::nullopt;
    QString id = classId.trimmed();
    if (!id.startsWith(u'{')) {
        auto byProgId = reg.value(id + QStringLiteral("\\CLSID"));
        if (!byProgId)
            return std::nullopt;
        id = *byProgId;
    }
    auto server = reg.value(QStringLiteral("CLSID\\") + id + QStringLiteral("\\InprocServer32"));
    if (!server || server->isEmpty())
        return std::nullopt;
    if (clsid)
        *clsid = CLSID{id};
    return server;
}

} // namespace ole
