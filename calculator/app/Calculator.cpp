#include "calculator/app/Calculator.h"

#include "calculator/app/LoanInpt.h"
#include "calculator/app/frmAbout.h"
#include "calculator/core/Hints.h"

#include "runtime/Clock.h"
#include "runtime/Format.h"
#include "ui/Clipboard.h"
#include "ui/Printer.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/SSPanel.h"
#include "ui/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolBar>

namespace abacon {

namespace {

constexpr int kWidth = 468;

using ui::qs;

} // namespace

Calculator::Calculator(Services services, QWidget* parent) : QMainWindow(parent), services_(services) {
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(QString::fromLatin1(kTitle));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    pal.setColor(QPalette::Button, QColor(192, 192, 192));
    setPalette(pal);

    buildToolbar();
    buildMenus();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("CalculatorFace"));
    central->setMouseTracking(true);
    central->installEventFilter(this);
    setCentralWidget(central);
    buildKeys(central);
    buildTape(central);
    buildPanels(central);
    for (QWidget* w : central->findChildren<QWidget*>()) {
        watchHints(w);
    }

    setFixedWidth(kWidth);
    applyHeight();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(kWidth / 2, height() / 2));
    }
    refresh();
    Readout->setFocus();
}

Calculator::~Calculator() = default;

int Calculator::heightTwips() const {
    return windowHeightTwips(helpOn_, SSPanel1->isVisibleTo(this) || SSPanel2->isVisibleTo(this));
}

void Calculator::applyHeight() {
    setFixedHeight(heightTwips() / kTwipsPerPixel);
}

void Calculator::watchHints(QWidget* w) {
    w->installEventFilter(this);
}

bool Calculator::eventFilter(QObject* watched, QEvent* event) {
    if (helpOn_ && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)) {
        const QString name = watched == centralWidget() ? objectName() : watched->objectName();
        const std::string_view hint = hintFor(name.toStdString());
        if (!hint.empty() || watched == centralWidget()) {
            helpLine_->setText(QString::fromLatin1(hint.data(), static_cast<qsizetype>(hint.size())));
        }
    }
    if (watched == Readout && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            copyRegister();
        } else if (key->matches(QKeySequence::Paste)) {
            pasteRegister();
        } else if (key->key() == Qt::Key_Delete &&
                   (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            CancelEntry->click();
        } else if (key->key() == Qt::Key_Backspace) {
            engine_.backspace();
            refresh();
        } else if (key->key() == Qt::Key_F4 && (key->modifiers() & Qt::AltModifier)) {
            close();
        } else if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            return false;
        } else if (key->text().size() == 1 && key->text()[0].unicode() < 128 &&
                   Engine::handlesKey(key->text()[0].toLatin1())) {
            tell(engine_.typeKey(key->text()[0].toLatin1()));
            refresh();
        }
        // Anything else would edit the register behind the engine's back.
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Calculator::closeEvent(QCloseEvent* event) {
    // The program ends with its main window: a loan table left open would keep it running.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->isWindow() && w->isVisible()) {
            w->close();
        }
    }
    event->accept();
}

void Calculator::sendKeys(const QString& keys) {
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.mid(i).startsWith(QLatin1String("%{F4}"))) {
            close();
            return;
        }
        const QChar c = keys[i];
        if (c == QLatin1Char('{')) { // other named keys are not used by anyone
            const qsizetype end = keys.indexOf(QLatin1Char('}'), i);
            i = end < 0 ? keys.size() : end;
            continue;
        }
        if (c.unicode() < 128 && Engine::handlesKey(c.toLatin1())) {
            tell(engine_.typeKey(c.toLatin1()));
        }
    }
    refresh();
}

void Calculator::tell(const Messages& messages) {
    for (const runtime::Message& m : messages) {
        ui::show(services_.prompter, m);
    }
}

void Calculator::keepFocus() {
    Readout->setFocus();
}

void Calculator::refresh() {
    Readout->setText(qs(engine_.display()));
    Readout->setCursorPosition(static_cast<int>(Readout->text().size()));
    syncTape();
}

void Calculator::syncTape() {
    const Tape& tape = engine_.tape();
    syncing_ = true;
    if (tapeGeneration_ != tape.generation() || static_cast<std::size_t>(List1->count()) > tape.size()) {
        List1->clear();
        tapeGeneration_ = tape.generation();
    }
    const bool grew = static_cast<std::size_t>(List1->count()) < tape.size();
    for (auto i = static_cast<std::size_t>(List1->count()); i < tape.size(); ++i) {
        List1->addItem(qs(tape.lines()[i]));
    }
    for (int i = 0; i < List1->count(); ++i) {
        List1->item(i)->setSelected(tape.isSelected(static_cast<std::size_t>(i)));
    }
    syncing_ = false;
    if (grew) {
        List1->scrollToBottom();
    }
}

void Calculator::tapeSelectionChanged() {
    if (syncing_) {
        return;
    }
    for (int i = 0; i < List1->count(); ++i) {
        engine_.tape().setSelected(static_cast<std::size_t>(i), List1->item(i)->isSelected());
    }
}

void Calculator::labelTape() {
    const QString today = qs(runtime::formatDate(runtime::today(services_.clock), "mm/dd/yyyy"));
    const auto label = services_.prompter.inputBox(QString::fromLatin1(text::kLabelPrompt),
                                                   QString::fromLatin1(kTitle), today);
    // Cancel or an empty answer adds nothing: a blank line would spoil the tape functions.
    if (label && !label->trimmed().isEmpty()) {
        engine_.addLabel(label->toStdString());
    }
    refresh();
    keepFocus();
}

void Calculator::selectAll() {
    engine_.tape().selectAll();
    syncTape();
}

void Calculator::clearTape() {
    engine_.tape().clear();
    syncTape();
    keepFocus();
}

void Calculator::printTape() {
    const std::vector<std::string> lines = engine_.tape().selectedLines();
    if (lines.empty()) {
        tell({message(text::kNoneSelected)});
        return;
    }
    ui::Printer& printer = services_.printer;
    printer.setFont(QStringLiteral("Times New Roman"), 12, false, false);
    for (const std::string& line : lines) {
        printer.printLine(qs(line));
    }
    if (!printer.endDoc()) {
        tell({message(text::kPrinterError, ui::vbCritical)});
    }
}

void Calculator::copyRegister() {
    services_.clipboard.setText(qs(engine_.display()));
}

void Calculator::copyTape() {
    const std::vector<std::string> lines = engine_.tape().selectedLines();
    if (lines.empty()) {
        // Emptying the clipboard for nothing would lose what the user copied before.
        tell({message(text::kNoneSelected)});
        return;
    }
    QStringList out;
    for (const std::string& line : lines) {
        out << qs(line);
    }
    services_.clipboard.setText(out.join(QStringLiteral("\r\n")));
}

void Calculator::pasteRegister() {
    tell(engine_.paste(services_.clipboard.text().toStdString()));
    refresh();
    keepFocus();
}

void Calculator::toggleHelp() {
    helpOn_ = !helpOn_;
    mnuHelpOnOff->setText(helpOn_ ? QStringLiteral("&Help Off") : QStringLiteral("&Help On"));
    helpKey_->setChecked(helpOn_);
    helpLine_->clear();
    helpLine_->setVisible(helpOn_);
    applyHeight();
}

void Calculator::showStats() {
    SSPanel1->show();
    applyHeight();
}

void Calculator::showTrig() {
    SSPanel2->show();
    applyHeight();
}

void Calculator::cancelOptions() {
    SSPanel1->hide();
    SSPanel2->hide();
    applyHeight();
}

void Calculator::showLoans() {
    if (!loanInpt_) {
        loanInpt_ = new LoanInpt(services_.prompter, services_.printer, QStringLiteral("."), this);
    }
    loanInpt_->show();
    loanInpt_->raise();
    loanInpt_->activateWindow();
}

void Calculator::showAbout() {
    frmAbout about(this);
    services_.prompter.runModal(about);
}

} // namespace abacon
