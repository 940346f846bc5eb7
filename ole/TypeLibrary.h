#pragma once

#include "ole/Types.h"
#include "ole/Variant.h"

#include <QString>

#include <utility>
#include <vector>

namespace ole {

struct ParamInfo {
    QString name;
    VarType type = VarType::Short;
    bool byRef = false;
};

enum class MemberKind { Property, Method };

struct MemberInfo {
    DISPID dispid = 0;
    QString name;
    MemberKind kind = MemberKind::Property;
    VarType type = VarType::Empty; // a property's type or a method's result
    QString enumName;              // the enumeration that lists the property's values, if any
    bool readOnly = false;
    bool indexed = false;          // one short index argument
    std::vector<ParamInfo> params; // of a method or an event
};

struct EnumInfo {
    QString name;
    std::vector<std::pair<int, QString>> members;
};

// A dispatch interface or an event interface.
struct InterfaceInfo {
    QString name;
    IID iid;
    std::vector<MemberInfo> members;
    DISPID defaultMember = DISPID_UNKNOWN; // the member that DISPID 0 stands for

    const MemberInfo* find(DISPID dispid) const;
    // Case-insensitive, as automation names are.
    const MemberInfo* find(const QString& name) const;
};

struct CoclassInfo {
    QString name;
    CLSID clsid;
    QString progId;
};

// What property browsers, pages and containers read about a control: its interfaces with their
// DISPIDs, the enumerations of property values, the coclass and the library's identity.
struct TypeLibrary {
    QString name;
    GUID libid;
    int majorVersion = 1;
    int minorVersion = 0;
    QString helpFile;
    std::vector<EnumInfo> enums;
    InterfaceInfo dispatch;
    InterfaceInfo events;
    CoclassInfo coclass;

    const EnumInfo* findEnum(const QString& name) const;
    // The library as text, one line per item: what "vxcontainer typeinfo" lists.
    QString describe() const;
};

} // namespace ole
