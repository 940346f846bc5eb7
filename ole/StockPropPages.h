#pragma once

#include "ole/PropertyPage.h"

#include <map>
#include <memory>

namespace ole {

// The layer's standard pages, which any control lists among its pages by these class IDs.
inline const CLSID CLSID_StockFontPage{QStringLiteral("{0BE35200-8F91-11CE-9DE3-00AA004BB851}")};
inline const CLSID CLSID_StockColorPage{QStringLiteral("{0BE35201-8F91-11CE-9DE3-00AA004BB851}")};
inline const CLSID CLSID_StockPicturePage{QStringLiteral("{0BE35202-8F91-11CE-9DE3-00AA004BB851}")};

// A standard page: every property of one type (colour, font or picture) that the first selected
// control's interface lists, chosen in the "Properties:" box (id 1) and edited below it. Edits are
// kept per property until Apply writes them to every selected control.
class CStockPropPage : public COlePropertyPage {
    Q_OBJECT
public:
    CStockPropPage(VarType type, QString caption, QWidget* parent = nullptr);
    // The property being edited, by name; false when the page does not list it.
    bool selectProperty(const QString& name);
    QStringList propertyNames() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void showProperty();
    Variant valueFromEditors() const; // raises when the edited text is no value
    void editorChanged();

    VarType type_;
    bool showing_ = false;
    std::map<QString, Variant> current_; // the value shown for each property
    std::map<QString, Variant> edited_;  // properties changed on this page
};

// The standard page of a class ID, or null for any other.
std::unique_ptr<COlePropertyPage> createStockPropertyPage(const CLSID& clsid, QWidget* parent);

} // namespace ole
