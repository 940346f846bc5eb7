#include "calendar/container/Container.h"

#include "ole/PropertyFrame.h"
#include "winapi/Module.h"

#include <QGuiApplication>

#include "ole/PictureHolder.h"
#include "ole/PropertyBag.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QSaveFile>

namespace vxcontainer {

using ole::Variant;

namespace {

QString hex(ole::SCODE s) {
    return QStringLiteral("0x%1")
        .arg(static_cast<std::uint32_t>(s), 8, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QLatin1String("0X"), QLatin1String("0x"));
}

QString unquoted(const QString& text) {
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        return text.mid(1, text.size() - 2);
    return text;
}

// "Name(3)" gives Name and the index 3.
bool splitTarget(const QString& target, QString& name, std::vector<Variant>& index) {
    const qsizetype open = target.indexOf(QLatin1Char('('));
    if (open < 0) {
        name = target;
        return true;
    }
    if (!target.endsWith(QLatin1Char(')')))
        return false;
    name = target.left(open);
    bool ok = false;
    const int i = target.mid(open + 1, target.size() - open - 2).trimmed().toInt(&ok);
    if (!ok)
        return false;
    index.push_back(Variant::fromLong(i));
    return true;
}

} // namespace

QStringList splitCommand(const QString& line) {
    QStringList words;
    QString current;
    bool inQuote = false, any = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"')) {
            inQuote = !inQuote;
            current += c;
            any = true;
        } else if (c.isSpace() && !inQuote) {
            if (any)
                words << current;
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        words << current;
    return words;
}

Container::Container(QTextStream& out) : out_(out) {
    site_.set(ole::DISPID_AMBIENT_USERMODE, Variant::fromBool(true));
    site_.set(ole::DISPID_AMBIENT_DISPLAYNAME, Variant::fromString(QStringLiteral("Calendar1")));
}

Container::~Container() {
    if (control_) {
        control_->UnadvisePropertyNotify(this);
        control_->UnadviseEvents(this);
    }
}

bool Container::create(const QString& classId, const QStringList& modules) {
    ole::HRESULT hr = ole::S_OK;
    // A registered class is served by the module the registry names; otherwise the given modules
    // are asked, as before the suite was installed.
    if (!modules.isEmpty() || !(control_ = ole::CoCreateInstance(classId, nullptr, &hr)))
        control_ = ole::CoCreateInstance(classId, modules.isEmpty() ? QStringList{QStringLiteral("VXCALNDR")} : modules,
                                         nullptr, &hr);
    if (!control_) {
        out_ << "error " << hex(hr) << ": cannot create " << classId << Qt::endl;
        return false;
    }
    control_->SetClientSite(&site_);
    control_->InitNew();
    control_->AdvisePropertyNotify(this);
    control_->AdviseEvents(this);
    control_->resize(240, 200);
    settle();
    return true;
}

void Container::settle() {
    if (!control_)
        return;
    control_->grab(); // a paint, as on screen
    QCoreApplication::sendPostedEvents(control_.get());
}

void Container::OnChanged(ole::DISPID dispid) {
    const ole::MemberInfo* m = control_ ? control_->typeLibrary().dispatch.find(dispid) : nullptr;
    out_ << "changed " << dispid << ' '
         << (m ? m->name : (dispid == ole::DISPID_UNKNOWN ? QStringLiteral("(all)") : QStringLiteral("?")))
         << Qt::endl;
}

void Container::OnEvent(ole::DISPID dispid, std::vector<Variant>& args) {
    const ole::MemberInfo* m = control_ ? control_->typeLibrary().events.find(dispid) : nullptr;
    out_ << "event " << (m ? m->name : QString::number(dispid));
    for (const Variant& a : args)
        out_ << ' ' << a.display();
    out_ << Qt::endl;
}

Variant Container::valueFor(const ole::MemberInfo& member, const QString& text) const {
    if (member.type == ole::VarType::Picture) {
        if (text.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
            return {};
        QFile f(unquoted(text));
        if (!f.open(QIODevice::ReadOnly))
            throw ole::AutomationError(ole::CTL_E_FILENOTFOUND,
                                       QStringLiteral("File not found: %1").arg(unquoted(text)));
        auto p = ole::PictureObject::fromFileBytes(f.readAll(), f.fileName());
        if (!p)
            throw ole::AutomationError(ole::CTL_E_INVALIDPICTURE, QStringLiteral("Invalid picture"));
        return Variant::fromPicture(p);
    }
    if (member.type == ole::VarType::Font) {
        // The font in the property bag's own notation: "Name",size,weight,charset,italic,underline,strike
        const auto parsed = ole::PropertyBag::load("VxPropertyBag 1\nF:font=" + text.toUtf8() + '\n');
        if (const auto f = parsed.bag.read(QStringLiteral("F")))
            return *f;
        throw ole::AutomationError(ole::CTL_E_TYPEMISMATCH, QStringLiteral("Type mismatch"));
    }
    // Everything else converts on the control's side, as a script host passes its values.
    if (member.type == ole::VarType::String)
        return Variant::fromString(unquoted(text));
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return Variant::fromBool(true);
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return Variant::fromBool(false);
    return Variant::fromString(text);
}

bool Container::set(const QString& target, const QString& value) {
    QString name;
    std::vector<Variant> index;
    if (!splitTarget(target, name, index)) {
        out_ << "error: bad property name " << target << Qt::endl;
        return false;
    }
    const ole::MemberInfo* m = control_->typeLibrary().dispatch.find(name);
    if (!m) {
        out_ << "error " << hex(ole::DISP_E_UNKNOWNNAME) << ": no property " << name << Qt::endl;
        return false;
    }
    try {
        control_->dispatchPut(name, valueFor(*m, value), index);
    } catch (const ole::AutomationError& e) {
        out_ << "error " << hex(e.scode()) << ": " << e.description() << Qt::endl;
        return false;
    }
    settle();
    return true;
}

bool Container::get(const QString& target) {
    QString name;
    std::vector<Variant> index;
    if (!splitTarget(target, name, index)) {
        out_ << "error: bad property name " << target << Qt::endl;
        return false;
    }
    try {
        const Variant v = control_->dispatchGet(name, index);
        out_ << target << " = "
             << (v.type() == ole::VarType::String ? QLatin1Char('"') + v.toString() + QLatin1Char('"')
                                                  : v.display())
             << Qt::endl;
        return true;
    } catch (const ole::AutomationError& e) {
        out_ << "error " << hex(e.scode()) << ": " << e.description() << Qt::endl;
        return false;
    }
}

bool Container::call(const QString& name) {
    try {
        control_->dispatchCall(name);
    } catch (const ole::AutomationError& e) {
        out_ << "error " << hex(e.scode()) << ": " << e.description() << Qt::endl;
        return false;
    }
    settle();
    return true;
}

bool Container::save(const QString& path) {
    ole::PropertyBag bag;
    control_->Save(bag);
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bag.save()) < 0 || !f.commit()) {
        out_ << "error: cannot write " << path << Qt::endl;
        return false;
    }
    out_ << "saved " << path << Qt::endl;
    return true;
}

bool Container::load(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        out_ << "error: cannot read " << path << Qt::endl;
        return false;
    }
    const ole::BagReadResult r = ole::PropertyBag::load(f.readAll());
    for (const QString& p : r.problems)
        out_ << "warning: " << p << Qt::endl;
    if (!r.ok) {
        out_ << "error: " << path << " was not loaded" << Qt::endl;
        return false;
    }
    control_->Load(r.bag);
    out_ << "loaded " << path << Qt::endl;
    settle();
    return true;
}

bool Container::setMode(const QString& mode) {
    const bool run = mode.compare(QLatin1String("run"), Qt::CaseInsensitive) == 0;
    if (!run && mode.compare(QLatin1String("design"), Qt::CaseInsensitive) != 0) {
        out_ << "error: mode is design or run" << Qt::endl;
        return false;
    }
    site_.set(ole::DISPID_AMBIENT_USERMODE, Variant::fromBool(run));
    control_->AmbientPropertyChanged(ole::DISPID_AMBIENT_USERMODE);
    out_ << "mode " << (run ? "run" : "design") << Qt::endl;
    return true;
}

bool Container::execute(const QStringList& w) {
    const QString cmd = w.value(0).toLower();
    auto need = [&](qsizetype n) {
        if (w.size() == n + 1)
            return true;
        out_ << "error: " << cmd << " takes " << n << " argument(s)" << Qt::endl;
        return false;
    };
    if (cmd == QLatin1String("set"))
        return need(2) && set(w[1], w[2]);
    if (cmd == QLatin1String("get"))
        return need(1) && get(w[1]);
    if (cmd == QLatin1String("call"))
        return need(1) && call(w[1]);
    if (cmd == QLatin1String("save"))
        return need(1) && save(unquoted(w[1]));
    if (cmd == QLatin1String("load"))
        return need(1) && load(unquoted(w[1]));
    if (cmd == QLatin1String("mode"))
        return need(1) && setMode(w[1]);
    if (cmd == QLatin1String("typeinfo")) {
        out_ << control_->typeLibrary().describe();
        return true;
    }
    if (cmd == QLatin1String("reset")) {
        control_->InitNew();
        settle();
        return true;
    }
    if (cmd == QLatin1String("script"))
        return need(1) && runScript(unquoted(w[1]));
    if (cmd == QLatin1String("verbs")) {
        for (const auto& verb : control_->GetVerbs())
            out_ << "verb " << verb.id << ' ' << verb.text << Qt::endl;
        return true;
    }
    if (cmd == QLatin1String("pages"))
        return need(0) && pages(false);
    if (cmd == QLatin1String("properties"))
        return need(0) && pages(true);
    out_ << "error: unknown command " << w.value(0) << Qt::endl;
    return false;
}

bool Container::pages(bool show) {
    ole::PropertyFrame frame(QStringLiteral("Properties"), {control_.get()}, control_->GetPropertyPages());
    frame.setReporter([this](const QString& text) { out_ << "message: " << text << Qt::endl; });
    for (const auto& missing : frame.missingPages())
        out_ << "error: page " << missing.text << " is not registered" << Qt::endl;
    const QStringList captions = frame.captions();
    for (qsizetype i = 0; i < captions.size(); ++i)
        out_ << "page " << i + 1 << ' ' << captions[i] << Qt::endl;
    if (show && QGuiApplication::platformName() != QLatin1String("offscreen"))
        frame.exec();
    settle();
    return frame.missingPages().empty();
}

int registerServer(QTextStream& out, const QString& module, bool reg) {
    const char* entry = reg ? "DllRegisterServer" : "DllUnregisterServer";
    winapi::HMODULE handle = winapi::LoadLibraryA(module.toLocal8Bit().constData());
    if (!handle) {
        out << "error: cannot load " << module << Qt::endl;
        return 1;
    }
    using SelfRegFn = ole::HRESULT (*)();
    auto fn = reinterpret_cast<SelfRegFn>(winapi::GetProcAddress(handle, entry));
    const ole::HRESULT hr = fn ? fn() : ole::E_FAIL;
    winapi::FreeLibrary(handle);
    if (hr != ole::S_OK) {
        out << "error " << hex(hr) << ": " << entry << " of " << module << Qt::endl;
        return 1;
    }
    out << (reg ? "registered " : "unregistered ") << module << Qt::endl;
    return 0;
}

bool Container::run(const QString& line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return true;
    return execute(splitCommand(trimmed));
}

bool Container::runWords(const QStringList& words) {
    static const QHash<QString, int> arity{
        {QStringLiteral("set"), 2},      {QStringLiteral("get"), 1},   {QStringLiteral("call"), 1},
        {QStringLiteral("save"), 1},     {QStringLiteral("load"), 1},  {QStringLiteral("mode"), 1},
        {QStringLiteral("typeinfo"), 0}, {QStringLiteral("reset"), 0}, {QStringLiteral("script"), 1},
        {QStringLiteral("verbs"), 0},    {QStringLiteral("pages"), 0}, {QStringLiteral("properties"), 0}};
    bool ok = true;
    for (qsizetype i = 0; i < words.size();) {
        const auto it = arity.find(words[i].toLower());
        if (it == arity.end()) {
            out_ << "error: unknown command " << words[i] << Qt::endl;
            return false;
        }
        const qsizetype n = std::min<qsizetype>(*it, words.size() - i - 1);
        ok = execute(words.mid(i, n + 1)) && ok;
        i += n + 1;
    }
    return ok;
}

bool Container::runScript(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        out_ << "error: cannot read " << path << Qt::endl;
        return false;
    }
    bool ok = true;
    QTextStream in(&f);
    while (!in.atEnd())
        ok = run(in.readLine()) && ok;
    return ok;
}

void Container::interact(QTextStream& in) {
    QString line;
    while (in.readLineInto(&line)) {
        if (line.trimmed().compare(QLatin1String("quit"), Qt::CaseInsensitive) == 0)
            break;
        run(line);
    }
}

} // namespace vxcontainer
