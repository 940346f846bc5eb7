#pragma once

#include "ole/OleControl.h"

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

} // namespace ole
