#include "ole/TypeLibrary.h"

#include <QStringList>

namespace ole {

const MemberInfo* InterfaceInfo::find(DISPID dispid) const {
    for (const MemberInfo& m : members)
        if (m.dispid == dispid)
            return &m;
    return nullptr;
}

const MemberInfo* InterfaceInfo::find(const QString& n) const {
    for (const MemberInfo& m : members)
        if (m.name.compare(n, Qt::CaseInsensitive) == 0)
            return &m;
    return nullptr;
}

const EnumInfo* TypeLibrary::findEnum(const QString& n) const {
    for (const EnumInfo& e : enums)
        if (e.name.compare(n, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

namespace {

QString memberLine(const MemberInfo& m) {
    QString line = QStringLiteral("  %1 %2").arg(m.dispid, 5).arg(m.name);
    if (m.indexed)
        line += QStringLiteral("(index)");
    if (!m.params.empty()) {
        QStringList ps;
        for (const ParamInfo& p : m.params)
            ps << QStringLiteral("%1%2 As %3")
                      .arg(p.byRef ? QStringLiteral("ByRef ") : QString(), p.name, varTypeName(p.type));
        line += QLatin1Char('(') + ps.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    if (m.kind == MemberKind::Method)
        line += QStringLiteral(" method");
    else
        line += QStringLiteral(" As %1").arg(m.enumName.isEmpty() ? varTypeName(m.type) : m.enumName);
    if (m.readOnly)
        line += QStringLiteral(" [read-only]");
    return line;
}

} // namespace

QString TypeLibrary::describe() const {
    QStringList out;
    out << QStringLiteral("library %1 %2 version %3.%4 help \"%5\"")
               .arg(name, libid.text)
               .arg(majorVersion)
               .arg(minorVersion)
               .arg(helpFile);
    out << QStringLiteral("coclass %1 %2 \"%3\"").arg(coclass.name, coclass.clsid.text, coclass.progId);
    for (const InterfaceInfo* i : {&dispatch, &events}) {
        out << QStringLiteral("dispinterface %1 %2").arg(i->name, i->iid.text);
        for (const MemberInfo& m : i->members)
            out << memberLine(m);
    }
    for (const EnumInfo& e : enums) {
        out << QStringLiteral("enum %1").arg(e.name);
        for (const auto& [value, member] : e.members)
            out << QStringLiteral("  %1 %2").arg(value, 5).arg(member);
    }
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace ole
