#include "ole/QtApplicationEnv.h"

#include <QPluginLoader>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <cstdlib>
#include <memory>

VX_QT_TEST_APPLICATION;

namespace {

// Designer loads the plugin from its folder, puts the calendar in the widget box and creates it on
// a form; its property editor lists the widget's Qt properties.
TEST(DesignerPlugin, LoadsAndPlacesACalendarWithItsProperties) {
    const char* bin = std::getenv("VX_BIN_DIR");
    QPluginLoader loader(QString::fromLocal8Bit(bin ? bin : VX_BUILD_BIN_DIR) +
                         QStringLiteral("/designer/libvxcalndr_designer.so"));
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(instance);
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(plugin->name(), QStringLiteral("vxcal::CVxcalndrCtrl"));
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("calendar/control/VxcalndrCtrl.h"));
    EXPECT_TRUE(plugin->domXml().contains(QStringLiteral("class=\"vxcal::CVxcalndrCtrl\"")));
    QWidget form;
    QWidget* calendar = plugin->createWidget(&form);
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->parent(), &form);
    EXPECT_TRUE(calendar->setProperty("year", 1999));
    EXPECT_EQ(calendar->property("year").toInt(), 1999);
    EXPECT_TRUE(calendar->property("selectedDate").isValid());
    delete calendar;
}

} // namespace
