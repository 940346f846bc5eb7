#include "calendar/designer/VxcalndrDesignerPlugin.h"

#include "calendar/control/VxcalndrCtrl.h"

#include <QIcon>

QString VxcalndrDesignerPlugin::name() const {
    return QStringLiteral("vxcal::CVxcalndrCtrl");
}

QString VxcalndrDesignerPlugin::group() const {
    return QStringLiteral("Ledgerine 95");
}

QString VxcalndrDesignerPlugin::toolTip() const {
    return QStringLiteral("Quorvane Vx3dCalendar Control");
}

QString VxcalndrDesignerPlugin::whatsThis() const {
    return QStringLiteral("The 3-D month calendar of the Ledgerine 95 suite.");
}

QString VxcalndrDesignerPlugin::includeFile() const {
    return QStringLiteral("calendar/control/VxcalndrCtrl.h");
}

QIcon VxcalndrDesignerPlugin::icon() const {
    return {};
}

QWidget* VxcalndrDesignerPlugin::createWidget(QWidget* parent) {
    auto* calendar = new vxcal::CVxcalndrCtrl(parent);
    calendar->InitNew();
    return calendar;
}

QString VxcalndrDesignerPlugin::domXml() const {
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"vxcal::CVxcalndrCtrl\" name=\"calendar\">\n"
                          "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>240</width>"
                          "<height>200</height></rect></property>\n"
                          " </widget>\n"
                          "</ui>\n");
}
