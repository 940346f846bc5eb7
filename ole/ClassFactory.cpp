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

#include "ole/PropertyPage.h"
#include "ole/Registry.h"
#include "ole/StockPropPages.h"

#include <dlfcn.h>

namespace ole {

namespace {

// Loads a registered server and asks it for the class; the module is handed back loaded.
ClassFactory* registeredFactory(const QString& classId, winapi::HMODULE* module, HRESULT* status) {
    CLSID clsid;
    auto server = inprocServerOf(classId, &clsid);
    *module = nullptr;
    if (!server) {
        *status = REGDB_E_CLASSNOTREG;
        return nullptr;
    }
    *module = winapi::LoadLibraryA(server->toLocal8Bit().constData());
    if (!*module) {
        *status = REGDB_E_CLASSNOTREG; // the registered file is gone
        return nullptr;
    }
    auto get = reinterpret_cast<DllGetClassObjectFn>(winapi::GetProcAddress(*module, "DllGetClassObject"));
    ClassFactory* factory = nullptr;
    const QByteArray id = clsid.text.toUtf8();
    const HRESULT got = get ? get(id.constData(), &factory) : CLASS_E_CLASSNOTAVAILABLE;
    if (got != S_OK || !factory) {
        *status = got == S_OK ? CLASS_E_CLASSNOTAVAILABLE : got;
        winapi::FreeLibrary(std::exchange(*module, nullptr));
        return nullptr;
    }
    *status = S_OK;
    return factory;
}

} // namespace

CreatedControl CoCreateInstance(const QString& classId, QWidget* parent, HRESULT* hr) {
    winapi::HMODULE module = nullptr;
    HRESULT status = S_OK;
    ClassFactory* factory = registeredFactory(classId, &module, &status);
    if (factory) {
        if (auto control = factory->CreateInstance(parent)) {
            if (hr)
                *hr = S_OK;
            return CreatedControl(std::move(control), module);
        }
        status = E_NOINTERFACE; // a page's class is no control
        winapi::FreeLibrary(module);
    }
    if (hr)
        *hr = status;
    return {};
}

CreatedPage::CreatedPage(std::unique_ptr<COlePropertyPage> p, void* m) : page(std::move(p)), module(m) {}
CreatedPage::CreatedPage(CreatedPage&& o) noexcept
    : page(std::move(o.page)), module(std::exchange(o.module, nullptr)) {}
CreatedPage& CreatedPage::operator=(CreatedPage&& o) noexcept {
    if (this != &o) {
        page.reset();
        if (module)
            winapi::FreeLibrary(module);
        page = std::move(o.page);
        module = std::exchange(o.module, nullptr);
    }
    return *this;
}
CreatedPage::~CreatedPage() {
    page.reset(); // the page's code lives in the module
    if (module)
        winapi::FreeLibrary(module);
}

CreatedPage CoCreatePropertyPage(const CLSID& clsid, QWidget* parent, HRESULT* hr) {
    if (auto stock = createStockPropertyPage(clsid, parent)) {
        if (hr)
            *hr = S_OK;
        return CreatedPage(std::move(stock), nullptr);
    }
    winapi::HMODULE module = nullptr;
    HRESULT status = S_OK;
    ClassFactory* factory = registeredFactory(clsid.text, &module, &status);
    if (factory) {
        if (auto page = factory->CreatePropertyPage(parent)) {
            if (hr)
                *hr = S_OK;
            return CreatedPage(std::move(page), module);
        }
        status = E_NOINTERFACE;
        winapi::FreeLibrary(module);
    }
    if (hr)
        *hr = status;
    return {};
}

std::shared_ptr<const TypeLibrary> LoadTypeLib(const QString& modulePath, int id) {
    winapi::HMODULE module = winapi::LoadLibraryA(modulePath.toLocal8Bit().constData());
    if (!module)
        return nullptr;
    auto get = reinterpret_cast<TypeLibResourceFn>(winapi::GetProcAddress(module, "VxTypeLibResource"));
    const TypeLibrary* lib = get ? get(id) : nullptr;
    if (!lib) {
        winapi::FreeLibrary(module);
        return nullptr;
    }
    // Held by the module: releasing the last reference unloads it.
    std::shared_ptr<void> hold(module, [](void* m) { winapi::FreeLibrary(m); });
    return std::shared_ptr<const TypeLibrary>(hold, lib);
}

QString moduleFileNameOf(const void* address) {
    Dl_info info{};
    if (!dladdr(address, &info) || !info.dli_fname)
        return {};
    return QString::fromLocal8Bit(info.dli_fname);
}

} // namespace ole
