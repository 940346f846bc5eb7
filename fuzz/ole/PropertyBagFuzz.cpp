// Property-bag text from anywhere (a form file, a document, a bag edited by hand): reading must
// never crash or loop, every value it keeps can be asked for, and what it keeps writes back and
// reads again, without a complaint, to the same bag.
#include "ole/AutomationError.h"
#include "ole/PropertyBag.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Stored pictures are decoded into images, which want an application object.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ole::BagReadResult read = ole::PropertyBag::load(text);
    if (!read.ok) {
        check(read.bag.names().isEmpty());
        return 0;
    }
    // Only a damaged picture may refuse to be read, and only with its own error.
    for (const QString& name : read.bag.names()) {
        try {
            check(read.bag.read(name).has_value());
        } catch (const ole::AutomationError&) {
        }
    }
    const QByteArray saved = read.bag.save();
    const ole::BagReadResult again = ole::PropertyBag::load(saved);
    check(again.ok && again.problems.isEmpty() && again.bag.names() == read.bag.names());
    check(again.bag.save() == saved);
    return 0;
}
