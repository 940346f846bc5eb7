#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Runs vxcontainer from the program directory, as a person would, and gives its output.
QString runContainer(const QStringList& args, const QTemporaryDir& windows, int* exitCode = nullptr) {
    const char* bin = std::getenv("VX_BIN_DIR");
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LEDGERINE_WINDIR"), windows.path());
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QString::fromLocal8Bit(bin ? bin : VX_BUILD_BIN_DIR) + QStringLiteral("/vxcontainer"), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    if (exitCode)
        *exitCode = p.exitCode();
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(ContainerProgram, SetsGetsAndPrintsNotificationsAndEvents) {
    QTemporaryDir windows;
    int code = -1;
    const QString out =
        runContainer({QStringLiteral("set"), QStringLiteral("Date"), QStringLiteral("03/05/1997"),
                      QStringLiteral("set"), QStringLiteral("date"), QStringLiteral("04/06/1998"),
                      QStringLiteral("get"), QStringLiteral("MonthText"), QStringLiteral("set"),
                      QStringLiteral("BevelStyle"), QStringLiteral("9")},
                     windows, &code);
    const QString second = out.mid(out.indexOf(QStringLiteral("changed 23 Date\n")) + 16);
    EXPECT_TRUE(second.contains(QStringLiteral("changed 23 Date\n"
                                               "event DayChange\n"
                                               "changed 23 Date\n"
                                               "event MonthChange\n"
                                               "changed 23 Date\n"
                                               "event YearChange\n"
                                               "changed 23 Date\n"
                                               "MonthText = \"April\"\n"
                                               "error 0x800A017C: Invalid property value.\n")))
        << out.toStdString();
    EXPECT_EQ(code, 1); // a failed command fails the run
}

TEST(ContainerProgram, ScriptSavesAndLoadsTheBagAndTogglesMode) {
    QTemporaryDir windows;
    const QString bag = windows.filePath(QStringLiteral("calendar.txt"));
    const QString script = windows.filePath(QStringLiteral("script.txt"));
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QStringLiteral("# a comment\nset Year 1999\nset TitleFontName \"Book Antiqua\"\nsave \"%1\"\n"
                           "set Year 2001\nload \"%1\"\nget Year\nmode design\nget TitleFontName\nmode run\n"
                           "get TitleFontName\nget DayArr(0)\nfrobnicate\n")
                .arg(bag)
                .toUtf8());
    f.close();
    const QString out = runContainer({QStringLiteral("--script"), script}, windows);
    EXPECT_TRUE(
        out.contains(QStringLiteral("loaded %1\nevent YearChange\nchanged 23 Date\nYear = 1999\nmode design\n"
                                    "error 0x800A018A: Property is write-only\nmode run\n"
                                    "TitleFontName = \"Book Antiqua\"\n"
                                    "error 0x800A017C: Invalid property value.\n"
                                    "error: unknown command frobnicate\n")
                         .arg(bag)))
        << out.toStdString();
    QFile stored(bag);
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    const QByteArray bytes = stored.readAll();
    EXPECT_TRUE(bytes.startsWith("VxPropertyBag 1\n_Version:long=65536\n"));
    EXPECT_TRUE(bytes.contains("\nYear:short=1999\n"));
    EXPECT_TRUE(bytes.contains("\nTitleFontName:string=\"Book Antiqua\"\n"));
}

TEST(ContainerProgram, ListsTypeInformationAndRefusesUnknownClasses) {
    QTemporaryDir windows;
    const QString info = runContainer({QStringLiteral("typeinfo")}, windows);
    for (const char* line :
         {"library VxcalndrLib {0A9F72E3-91CE-101B-AFF8-00AA003E1700} version 1.0 help \"OLEVBREF.HLP\"\n",
          "coclass Vx3dCalendar {0A9F72E0-91CE-101B-AFF8-00AA003E1700} \"VXCALNDR.VxcalndrCtrl.1\"\n",
          "dispinterface _DVxcalndrEvents {0A9F72E2-91CE-101B-AFF8-00AA003E1700}\n",
          "     67 DayArr(index) As short [read-only]\n",
          "   -603 KeyPress(ByRef KeyAscii As short) method\n", "enum DateFormatConstants\n"})
        EXPECT_TRUE(info.contains(QLatin1String(line))) << line;
    const QString byClsid =
        runContainer({QStringLiteral("--class"), QStringLiteral("{0a9f72e0-91ce-101b-aff8-00aa003e1700}"),
                      QStringLiteral("get"), QStringLiteral("Language")},
                     windows);
    EXPECT_EQ(byClsid, QStringLiteral("Language = \"WWW\"\n"));
    int code = 0;
    const QString unknown = runContainer(
        {QStringLiteral("--class"), QStringLiteral("No.Such.1"), QStringLiteral("typeinfo")}, windows, &code);
    EXPECT_EQ(unknown, QStringLiteral("error 0x80040154: cannot create No.Such.1\n"));
    EXPECT_EQ(code, 1);
}

} // namespace

namespace {

// Installing registers the control; the container then finds it and its five pages through the
// registry, and a second removal reports the type library's failure code.
TEST(ContainerProgram, RegistersListsPagesAndUnregisters) {
    QTemporaryDir windows;
    int code = -1;
    EXPECT_EQ(runContainer({QStringLiteral("register")}, windows, &code), QStringLiteral("registered VXCALNDR\n"));
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(QFile::exists(windows.filePath(QStringLiteral("REG.DAT"))));
    EXPECT_EQ(runContainer({QStringLiteral("--class"), QStringLiteral("{0A9F72E0-91CE-101B-AFF8-00AA003E1700}"),
                            QStringLiteral("verbs"), QStringLiteral("pages")},
                           windows, &code),
              QStringLiteral("verb -7 &Properties...\npage 1 Display Settings\npage 2 Data Settings\npage 3 Colors\n"
                             "page 4 Fonts\npage 5 Pictures\n"));
    EXPECT_EQ(code, 0);
    runContainer({QStringLiteral("unregister")}, windows, &code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(runContainer({QStringLiteral("unregister")}, windows, &code),
              QStringLiteral("error 0x80040200: DllUnregisterServer of VXCALNDR\n"));
    EXPECT_EQ(code, 1);
}

} // namespace
