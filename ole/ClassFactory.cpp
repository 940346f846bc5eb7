#include "ole/ClassFactory.h"

#include "winapi/Module.h"

namespace ole {

bool ClassFactory::matches(const QString& classId) const {
    return clsid() == CLSID{classId} || progId().compare(classId, Qt::CaseInsensitive) == 0;
}

CreatedControl::CreatedControl(CreatedControl&& o) noexcept
    : control_(std::move(o.control_)), module_(std::exchange(o.module_, nullptr)) {}

CreatedControl& CreatedControl::operator=(CreatedControl&& o) noexcept {
    if (this != &o) {
        release();
        control_ = std::move(o.control_);
        module_ = std::exchange(o.module_, nullptr);
    }
    return *this;
}

CreatedControl::~CreatedControl() {
    release();
}

void CreatedControl::release() {
    control_.reset(); // the control's code lives in the module: destroy it first
    if (module_)
        winapi::FreeLibrary(std::exchange(module_, nullptr));
}

CreatedControl CoCreateInstance(const QString& classId, const QStringList& moduleNames, QWidget* parent,
                                HRESULT* hr) {
    HRESULT status = REGDB_E_CLASSNOTREG;
    const QByteArray id = classId.toUtf8();
    for (const QString& name : moduleNames) {
        winapi::HMODULE module = winapi::LoadLibraryA(name.toLocal8Bit().constData());
        if (!module)
            continue;
        auto get = reinterpret_cast<DllGetClassObjectFn>(winapi::GetProcAddress(module, "DllGetClassObject"));
        ClassFactory* factory = nullptr;
        const HRESULT got = get ? get(id.constData(), &factory) : CLASS_E_CLASSNOTAVAILABLE;
        if (got == S_OK && factory) {
            auto control = factory->CreateInstance(parent);
            if (hr)
                *hr = control ? S_OK : E_FAIL;
            if (control)
                return CreatedControl(std::move(control), module);
        } else if (got != CLASS_E_CLASSNOTAVAILABLE) {
            status = got;
        }
        winapi::FreeLibrary(module);
    }
    if (hr)
        *hr = status;
    return {};
}

} // namespace ole
