#pragma once

#include "ole/OleControl.h"
#include "ole/PropertyPage.h"
#include "ole/TypeLibrary.h"

#include <QStringList>

#include <memory>

namespace ole {

// Makes the objects of one class; a module hands its factories out through DllGetClassObject.
class ClassFactory {
public:
    virtual ~ClassFactory() = default;
    virtual const CLSID& clsid() const = 0;
    virtual const QString& progId() const = 0;
    virtual std::unique_ptr<COleControl> CreateInstance(QWidget* parent) = 0;
    // A property page's factory makes pages instead (and no controls).
    virtual std::unique_ptr<COlePropertyPage> CreatePropertyPage(QWidget*) { return nullptr; }
    // Writes (or removes) the class's registration; false when that failed.
    virtual bool UpdateRegistry(bool /*bRegister*/) { return true; }
    // ProgID or CLSID text, case-insensitive.
    bool matches(const QString& classId) const;
};

// The signature of a module's DllGetClassObject export: the factory of a class named by its
// CLSID or ProgID (UTF-8), or CLASS_E_CLASSNOTAVAILABLE.
using DllGetClassObjectFn = HRESULT (*)(const char* classId, ClassFactory** factory);

// A created control together with the module it came from, which stays loaded while it lives.
class CreatedControl {
public:
    CreatedControl() = default;
    CreatedControl(std::unique_ptr<COleControl> control, void* module)
        : control_(std::move(control)), module_(module) {}
    CreatedControl(CreatedControl&& o) noexcept;
    CreatedControl& operator=(CreatedControl&& o) noexcept;
    ~CreatedControl();
    COleControl* get() const { return control_.get(); }
    COleControl* operator->() const { return control_.get(); }
    explicit operator bool() const { return control_ != nullptr; }

private:
    void release();
    std::unique_ptr<COleControl> control_;
    void* module_ = nullptr;
};

// Creates a control by CLSID or ProgID: each module is loaded by name in turn and asked for the
// class. hr receives S_OK, REGDB_E_CLASSNOTREG (no module knows the class) or the module's failure.
CreatedControl CoCreateInstance(const QString& classId, const QStringList& moduleNames, QWidget* parent,
                                HRESULT* hr = nullptr);
// The same through the registry: the class's InprocServer32 module is loaded and asked.
CreatedControl CoCreateInstance(const QString& classId, QWidget* parent, HRESULT* hr = nullptr);

// A created property page and the module it came from (null for the layer's own standard pages).
struct CreatedPage {
    CreatedPage() = default;
    CreatedPage(std::unique_ptr<COlePropertyPage> page, void* module);
    CreatedPage(CreatedPage&& o) noexcept;
    CreatedPage& operator=(CreatedPage&& o) noexcept;
    ~CreatedPage();
    std::unique_ptr<COlePropertyPage> page;
    void* module = nullptr;
};
// A property page by class ID: the standard colour, font and picture pages come from this layer,
// any other through the registry.
CreatedPage CoCreatePropertyPage(const CLSID& clsid, QWidget* parent, HRESULT* hr = nullptr);

// The type library a module holds as its resource "TYPELIB" id: the module's export
// "VxTypeLibResource" (const ole::TypeLibrary* (int id)). The module stays loaded while the
// library is held; null when the file is no module or holds no such library.
std::shared_ptr<const TypeLibrary> LoadTypeLib(const QString& modulePath, int id = 1);
using TypeLibResourceFn = const TypeLibrary* (*)(int id);

// The file of the module that holds the given code address (a module finds its own path this way).
QString moduleFileNameOf(const void* address);

} // namespace ole
