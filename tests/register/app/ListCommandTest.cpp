// `ledgrn32 --list`: the built program, run as a user would run it.
#include "AppHarness.h"
#include "AppTests.h"

#include <QProcess>

using namespace apptest;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QStringList& args, const QByteArray& stdinText = QByteArray()) {
    QProcess p;
    p.setProgram(binDir() + QStringLiteral("/ledgrn32"));
    p.setArguments(args);
    // Whatever happens, no window may appear: without a display a window would abort the program.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start();
    if (!p.waitForStarted())
        return {};
    p.write(stdinText);
    p.closeWriteChannel();
    p.waitForFinished(-1);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace

class ListCommandTest : public QObject {
    Q_OBJECT
private slots:
    void sampleMatchesCheckedInListing();
    void refusals_data();
    void refusals();
    void password_data();
    void password();
};

void ListCommandTest::sampleMatchesCheckedInListing() {
    const QString source = sourceDir();
    QFile expected(source + QStringLiteral("/tests/register/sample.list.txt"));
    QVERIFY(expected.open(QIODevice::ReadOnly));
    const Run run = runProgram({QStringLiteral("--list"), source + QStringLiteral("/samples/sample.lgn")});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, expected.readAll());
}

void ListCommandTest::refusals_data() {
    QTest::addColumn<QByteArray>("file"); // null: the file does not exist
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("message"); // after "ledgrn32: <path>: "
    QTest::newRow("empty file") << QByteArray("") << QStringList() << 1
                                << QByteArray("Invalid File Contains no records!\n");
    QTest::newRow("missing file") << QByteArray() << QStringList() << 1
                                  << QByteArray("That file cannot be found.\n");
    QTest::newRow("unknown option") << QByteArray("") << QStringList{QStringLiteral("--sideways")} << 2
                                    << QByteArray();
}

void ListCommandTest::refusals() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, extra);
    QFETCH(int, status);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.lgn"));
    if (!file.isNull()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(file);
    }
    const Run run = runProgram(QStringList{QStringLiteral("--list"), path} + extra);
    QCOMPARE(run.status, status);
    QCOMPARE(run.out, QByteArray());
    if (message.isEmpty())
        QVERIFY(run.err.startsWith("usage: ledgrn32 --list"));
    else
        QCOMPARE(run.err, "ledgrn32: " + path.toUtf8() + ": " + message);
}

void ListCommandTest::password_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QByteArray>("typed"); // on standard input
    QTest::addColumn<bool>("listed");
    QTest::newRow("given on the command line")
        << QStringList{QStringLiteral("--password"), QStringLiteral("pw")} << QByteArray() << true;
    QTest::newRow("wrong on the command line")
        << QStringList{QStringLiteral("--password"), QStringLiteral("PW")} << QByteArray() << false;
    QTest::newRow("read from standard input") << QStringList() << QByteArray("pw\n") << true;
    QTest::newRow("no answer at all") << QStringList() << QByteArray() << false;
}

void ListCommandTest::password() {
    QFETCH(QStringList, extra);
    QFETCH(QByteArray, typed);
    QFETCH(bool, listed);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("locked.lgn"));
    writeBook(path, sampleBook("Locked", "pw"));
    const Run run = runProgram(QStringList{QStringLiteral("--list"), path} + extra, typed);
    if (listed) {
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, (kSampleLines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    } else {
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.err, "ledgrn32: " + path.toUtf8() + ": PassWord entered is not VALID!\n");
    }
}

#include "ListCommandTest.moc"

int runListCommandTest(int argc, char** argv) {
    ListCommandTest t;
    return QTest::qExec(&t, argc, argv);
}
