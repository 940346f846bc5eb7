// What a user's machine throws at the register: damaged settings, folders that refuse writes, paths
// outside ASCII, books without items, recent-file entries naming files that are gone, and the real
// file dialogs behind the prompt layer. Each gives a clear message and loses nothing.
#include "AppHarness.h"
#include "AppTests.h"

#include "register/core/RegisterList.h"
#include "ui/QtPrompter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

#include <unistd.h>

using namespace apptest;

namespace {

const int kAri = ui::vbAbortRetryIgnore + ui::vbExclamation;

// A folder where creating a file fails: a temporary one made read-only, or, for root, whom
// permissions do not stop, /sys. Empty when the machine offers neither.
QString readOnlyFolder(const Harness& h) {
    const QString folder = h.path(QStringLiteral("locked"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    for (const QString& candidate : {folder, QStringLiteral("/sys")}) {
        QFile probe(candidate + QStringLiteral("/probe.lgn"));
        if (!probe.open(QIODevice::WriteOnly))
            return candidate;
        probe.remove();
    }
    return QString();
}

// Answers the next real file dialog from inside its event loop.
void answerFileDialog(const QString& typed, QStringList* filters, QString* title, QString* suffix) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        *filters = dialog->nameFilters();
        *title = dialog->windowTitle();
        *suffix = dialog->defaultSuffix();
        dialog->selectFile(typed);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

} // namespace

class BadInputTest : public QObject {
    Q_OBJECT
private slots:
    void damagedSettingsStartWithBuiltIns_data();
    void damagedSettingsStartWithBuiltIns();
    void bookWithoutItems();
    void recentEntryOfAFileThatIsGone();
    void openAFolderNamedLikeABook();
    void saveIntoAFolderThatRefusesWrites();
    void pathsOutsideAscii();
    void realFileDialogs_data();
    void realFileDialogs();
};

void BadInputTest::damagedSettingsStartWithBuiltIns_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::newRow("values out of range or not numbers") << QByteArray(
        "[Ledgrn]\nFormHeight=99999999\nFormWidth=-5\nListHeight=abc\nFontSize=5000\nFontName=\n"
        "FontBold=yes\nTextColor=blue\nBackColor=-\nMessages=1\n 0=\n 1=none\n");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += char((i * 151 + 7) % 256);
    QTest::newRow("binary garbage") << garbage;
    QTest::newRow("keys outside the section")
        << QByteArray("FormHeight=1500\nFontSize=30\n[Other]\nFormWidth=1500\n");
    QTest::newRow("section without an end of line") << QByteArray("[Ledgrn]\nFormHeight=");
}

void BadInputTest::damagedSettingsStartWithBuiltIns() {
    QFETCH(QByteArray, ini);
    Harness h(ini);
    const ledger::Settings builtIn = ledger::builtInSettings();
    QCOMPARE(h.window->height(), ledger::pixelsFromTwips(builtIn.formHeight));
    QCOMPARE(h.window->width(), ledger::pixelsFromTwips(builtIn.formWidth));
    QCOMPARE(h.list("lstChqList")->fontName(), QStringLiteral("Courier New"));
    QCOMPARE(h.list("lstChqList")->fontSize(), 9.75);
    QCOMPARE(h.list("lstChqList")->foreColor(), ledger::colorFromRgbNumber(builtIn.textColor));
    QCOMPARE(h.list("lstChqList")->backColor(), ledger::colorFromRgbNumber(builtIn.backColor));
    QVERIFY(!h.action("mnuSepX")->isVisible());
    QCOMPARE(h.action("mnuShowMsg")->text(), QStringLiteral("Hide &Messages"));
    VERIFY_DIALOGUE(h);
}

void BadInputTest::bookWithoutItems() {
    Harness h;
    ledger::ChequeBook empty = sampleBook("Empty Book");
    empty.items.clear();
    const QByteArray bytes = writeBook(h.path("e.lgn"), empty);
    QCOMPARE(bytes.size(), 200); // the four records every book has
    h.prompter.expectOpenFile(chosen(h.path("e.lgn")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
    QCOMPARE(h.lineCount(), 0);
    QCOMPARE(h.label("lblBalance")->text(), QStringLiteral("$0.00"));
    QCOMPARE(h.label("lblTransNumber")->text(), QStringLiteral("0 "));
    QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Empty Book>"));

    // Nothing to write: the file stays as it was.
    h.session().markChanged();
    h.prompter.expectMsgBox("Save File", h.path("e.lgn") + " Contains no records!", kOkExcl, ui::vbOK);
    h.action("mnuFileSave")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(h.readFile("e.lgn"), bytes);
    QVERIFY(h.book()->changed);
}

void BadInputTest::recentEntryOfAFileThatIsGone() {
    const QByteArray ini = "[Ledgrn]\n 0=/nowhere/gone.lgn\n";
    Harness h(ini);
    QVERIFY(h.action("mnuSelectFile(0)")->isVisible());
    QCOMPARE(h.action("mnuSelectFile(0)")->text(), QStringLiteral("/nowhere/gone.lgn"));
    h.prompter.expectMsgBox("Disk Error", "That path doesn't exist.", kAri, ui::vbRetry)
        .expectMsgBox("Disk Error", "That path doesn't exist.", kAri, ui::vbAbort);
    h.action("mnuSelectFile(0)")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.book());
    QCOMPARE(h.window->windowTitle(), kApp);
    QVERIFY(h.panel("Panel3D1")->isVisible());
    QCOMPARE(h.readFile("ledgrn95.ini"), ini); // the list is written at exit only
}

void BadInputTest::openAFolderNamedLikeABook() {
    Harness h;
    QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("folder.lgn")));
    h.prompter.expectOpenFile(chosen(h.path("folder.lgn")))
        .expectMsgBox("Disk Error", "Can't open your file for that type of access.", kAri, ui::vbIgnore);
    h.action("mnuFileSelect")->trigger();
    VERIFY_DIALOGUE(h);
    QVERIFY(!h.book());
    QVERIFY(!h.action("mnuSelectFile(0)")->isVisible());
}

void BadInputTest::saveIntoAFolderThatRefusesWrites() {
    Harness h;
    const QString folder = readOnlyFolder(h);
    if (folder.isEmpty())
        QSKIP("no folder here refuses writes");
    const QByteArray bytes = writeBook(h.path("a.lgn"), sampleBook());
    h.prompter.expectOpenFile(chosen(h.path("a.lgn")));
    h.action("mnuFileSelect")->trigger();
    QVERIFY(h.book());
    h.session().markChanged();

    const QString target = folder + QStringLiteral("/copy.lgn");
    h.prompter.expectSaveFile(chosen(target))
        .expectMsgBox("Disk Error", "Can't open your file for that type of access.", kAri, ui::vbAbort);
    h.action("mnuSaveAs")->trigger();
    VERIFY_DIALOGUE(h);
    QCOMPARE(QString::fromStdString(h.book()->path), h.path("a.lgn"));
    QVERIFY(h.book()->changed);
    QVERIFY(!QFile::exists(target));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("copy")),
             QStringList());
    QCOMPARE(h.readFile("a.lgn"), bytes);
    QFile::setPermissions(h.path("locked"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void BadInputTest::pathsOutsideAscii() {
    QTemporaryDir books; // outlives the first run's Windows directory
    QByteArray ini;
    const QString folderName = QStringLiteral("M\u00E9nage \u20AC");
    QVERIFY(QDir(books.path()).mkdir(folderName));
    const QString path = books.filePath(folderName + QStringLiteral("/caf\u00E9.lgn"));
    {
        Harness h;
        writeBook(path, sampleBook("Caf\xC3\xA9 Account"));
        h.prompter.expectOpenFile(chosen(path));
        h.action("mnuFileSelect")->trigger();
        QVERIFY(h.book());
        QCOMPARE(h.window->windowTitle(), QStringLiteral("Ledgerine 95 <Caf\u00E9 Account>"));
        QCOMPARE(h.action("mnuSelectFile(0)")->text(), path);

        // A book whose name the settings file cannot hold opens and saves, but stays off the list.
        const QString cyrillic = books.filePath(QStringLiteral("\u043A\u043D\u0438\u0433\u0430.lgn"));
        writeBook(cyrillic, sampleBook("Other"));
        h.prompter.expectMsgBox("Open File", "Check Book File Currently Open. Save It?", kYesNoQ, ui::vbNo)
            .expectMsgBox("Open File", "Close without saving?", kYesNoQ, ui::vbYes)
            .expectOpenFile(chosen(cyrillic));
        h.action("mnuFileSelect")->trigger();
        QCOMPARE(QString::fromStdString(h.book()->path), cyrillic);
        QCOMPARE(h.action("mnuSelectFile(0)")->text(), path);
        QVERIFY(!h.action("mnuSelectFile(1)")->isVisible());

        h.session().markChanged();
        h.prompter.expectMsgBox(kApp, "Exit Ledgerine?", kYesNoQ, ui::vbYes)
            .expectMsgBox(kApp, "Ledgerine open, Save it?", kYesNoQ, ui::vbYes);
        QVERIFY(h.window->exitLedgerine());
        VERIFY_DIALOGUE(h);
        QFile saved(cyrillic);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray::fromStdString(ledger::encodeChequeBook(*h.book(), "")));
        QVERIFY(!h.book()->changed);
        ini = h.readFile("ledgrn95.ini");
        QVERIFY2(ini.contains("0=" + books.path().toUtf8() + "/M\xE9nage \x80/caf\xE9.lgn"), ini.constData());
    }
    // The next start finds the same file through the list.
    Harness next(ini);
    QCOMPARE(next.action("mnuSelectFile(0)")->text(), path);
    next.action("mnuSelectFile(0)")->trigger();
    VERIFY_DIALOGUE(next);
    QVERIFY(next.book());
    QCOMPARE(QString::fromStdString(next.book()->title), QStringLiteral("Caf\u00E9 Account"));
}

void BadInputTest::realFileDialogs_data() {
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileTitle");
    QTest::newRow("new book, extension added") << true << "New Cheque Book"
                                               << "household"
                                               << "household.lgn";
    QTest::newRow("save as, accented name")
        << true << "Save As" << QStringLiteral("r\u00E9serve") << QStringLiteral("r\u00E9serve.lgn");
    QTest::newRow("save as, own extension kept") << true << "Save As"
                                                 << "copy.bak"
                                                 << "copy.bak";
    QTest::newRow("open an existing book") << false << "Open Cheque Book"
                                           << "a.lgn"
                                           << "a.lgn";
}

void BadInputTest::realFileDialogs() {
    QFETCH(bool, saving);
    QFETCH(QString, title);
    QFETCH(QString, typed);
    QFETCH(QString, fileTitle);
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("a.lgn"))).open(QIODevice::WriteOnly);
    ui::QtPrompter prompter;
    ui::FileDialogOptions options = ledger::ChequeBookSession::bookFileDialog(title, saving);
    options.initialDir = dir.path();
    QStringList filters;
    QString shownTitle;
    QString suffix;
    answerFileDialog(dir.filePath(typed), &filters, &shownTitle, &suffix);
    const std::optional<ui::FileDialogResult> result =
        saving ? prompter.saveFile(options) : prompter.openFile(options);
    QVERIFY(result);
    QCOMPARE(shownTitle, title);
    QCOMPARE(filters, (QStringList{QStringLiteral("LGN Files (*.lgn)"), QStringLiteral("All Files (*)")}));
    QCOMPARE(suffix, QStringLiteral("lgn"));
    QCOMPARE(result->fileTitle, fileTitle);
    QCOMPARE(result->path, dir.filePath(fileTitle));
    QCOMPARE(result->filterIndex, 1);
}

int runBadInputTest(int argc, char** argv) {
    BadInputTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "BadInputTest.moc"
