// The controls, menus and toolbar of the main window; the handlers live in Calculator.cpp.
#include "calculator/app/Calculator.h"
#include "calculator/app/ToolIcons.h"
#include "calculator/core/Hints.h"

#include "ui/SSCommand.h"
#include "ui/SSPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>

#include <algorithm>
#include <vector>

namespace abacon {

namespace {

// Key grid of the left half of the window.
constexpr int kMargin = 8;
constexpr int kKeyW = 44;
constexpr int kKeyGap = 4;
constexpr int kKeysTop = 52;
constexpr int kKeysW = 5 * kKeyW + 4 * kKeyGap;
constexpr int kTapeX = kMargin + kKeysW + 8;
constexpr int kTapeW = 206;

QPushButton* key(QWidget* parent, const QString& name, const QString& caption, const QColor& ink,
                 const QRect& r) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus); // typing keeps going to the register
    b->setGeometry(r);
    QPalette pal = b->palette();
    pal.setColor(QPalette::ButtonText, ink);
    b->setPalette(pal);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

ui::SSCommand* command3d(QWidget* parent, const QString& name, const QString& caption, const QRect& r) {
    auto* b = new ui::SSCommand(name, caption, parent);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(r);
    return b;
}

} // namespace

int Calculator::faceHeight() const {
    return kHeightPlain / kTwipsPerPixel - menuBar()->sizeHint().height() - Toolbar1->sizeHint().height();
}

// The keys share out the height of the plain window in six rows.
QRect Calculator::keyRect(int col, int row, int span) const {
    const int pitch = (faceHeight() - kMargin - kKeysTop + kKeyGap) / 6;
    return QRect(kMargin + col * (kKeyW + kKeyGap), kKeysTop + row * pitch,
                 span * kKeyW + (span - 1) * kKeyGap, pitch - kKeyGap);
}

void Calculator::buildKeys(QWidget* central) {
    Readout = new QLineEdit(central);
    Readout->setObjectName(QStringLiteral("Readout"));
    Readout->setGeometry(kMargin, kMargin, kKeysW, kKeysTop - kMargin - 8);
    Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Readout->setContextMenuPolicy(Qt::NoContextMenu);
    Readout->setAcceptDrops(false);
    Readout->setAttribute(Qt::WA_InputMethodEnabled, false);
    QFont readoutFont(QStringLiteral("Century Schoolbook"));
    readoutFont.setStyleHint(QFont::Serif);
    readoutFont.setPointSizeF(14.25);
    readoutFont.setBold(true);
    Readout->setFont(readoutFont);
    // The sunken 3-D border of the register.
    Readout->setStyleSheet(
        QStringLiteral("QLineEdit { background: white; color: black; border: 2px inset #808080;"
                       " padding: 0 4px; }"));
    Readout->installEventFilter(this);
    // A middle-click paste of the selection edits the box without passing a key: put the
    // engine's register back.
    connect(Readout, &QLineEdit::textEdited, this, &Calculator::refresh);

    const QColor digitInk(0, 0, 160);
    const QColor opInk(176, 0, 0);
    const QColor fnInk(0, 96, 0);
    Memory = key(central, QStringLiteral("Memory"), QStringLiteral("&M"), fnInk, keyRect(0, 0));
    RestoreMem = key(central, QStringLiteral("RestoreMem"), QStringLiteral("M&+"), fnInk, keyRect(1, 0));
    ClearMem = key(central, QStringLiteral("ClearMem"), QStringLiteral("M&-"), fnInk, keyRect(2, 0));
    CancelEntry = key(central, QStringLiteral("CancelEntry"), QStringLiteral("C&E"), opInk, keyRect(3, 0));
    // Alt+E belongs to the Edit menu: a key claimed twice does nothing on the first press. C&E
    // keeps its caption and is the Delete key, as on other desk calculators (the register's event
    // filter passes Delete on, since a text box keeps Delete for itself).
    CancelEntry->setShortcut(QKeySequence(Qt::Key_Delete));
    Cancel = key(central, QStringLiteral("Cancel"), QStringLiteral("&C"), opInk, keyRect(4, 0));

    static constexpr int kDigitCol[10] = {0, 0, 1, 2, 0, 1, 2, 0, 1, 2};
    static constexpr int kDigitRow[10] = {4, 3, 3, 3, 2, 2, 2, 1, 1, 1};
    for (int i = 0; i < 10; ++i) {
        Number[static_cast<std::size_t>(i)] =
            key(central, QStringLiteral("Number(%1)").arg(i), QString::number(i), digitInk,
                keyRect(kDigitCol[i], kDigitRow[i]));
        connect(Number[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] {
            engine_.digit(i);
            refresh();
            keepFocus();
        });
    }
    Decimal = key(central, QStringLiteral("Decimal"), QStringLiteral("."), digitInk, keyRect(1, 4));
    connect(Decimal, &QPushButton::clicked, this, [this] {
        engine_.decimalPoint();
        refresh();
        keepFocus();
    });

    // "/", "+", "X", "-", "=", "%", "X^Y" with their places on the keypad.
    static constexpr const char* kOpCaption[7] = {"/", "+", "X", "-", "=", "%", "X^Y"};
    static constexpr int kOpCol[7] = {3, 3, 3, 3, 3, 2, 0};
    static constexpr int kOpRow[7] = {1, 4, 2, 3, 5, 4, 5};
    static constexpr int kOpSpan[7] = {1, 1, 1, 1, 2, 1, 3};
    for (int i = 0; i < 7; ++i) {
        Operator[static_cast<std::size_t>(i)] =
            key(central, QStringLiteral("Operator(%1)").arg(i), QString::fromLatin1(kOpCaption[i]), opInk,
                keyRect(kOpCol[i], kOpRow[i], kOpSpan[i]));
        connect(Operator[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] {
            tell(engine_.operatorKey(i));
            refresh();
            keepFocus();
        });
    }
    SquareReg = key(central, QStringLiteral("SquareReg"), QStringLiteral("&Sq"), fnInk, keyRect(4, 1));
    SqRoot = key(central, QStringLiteral("SqRoot"), QStringLiteral("Sq&Rt"), fnInk, keyRect(4, 2));
    Command4 = key(central, QStringLiteral("Command4"), QStringLiteral("1/X"), fnInk, keyRect(4, 3));
    ReverseSign = key(central, QStringLiteral("ReverseSign"), QStringLiteral("+ / -"), fnInk, keyRect(4, 4));
    // Keys without an access key or a typed character are reached with Tab and pressed with Space.
    Command4->setFocusPolicy(Qt::TabFocus);
    ReverseSign->setFocusPolicy(Qt::TabFocus);

    auto unary = [this](QPushButton* b, Messages (Engine::*fn)()) {
        connect(b, &QPushButton::clicked, this, [this, fn] {
            tell((engine_.*fn)());
            refresh();
            keepFocus();
        });
    };
    unary(SquareReg, &Engine::square);
    unary(SqRoot, &Engine::squareRoot);
    unary(Command4, &Engine::reciprocal);
    unary(ReverseSign, &Engine::reverseSign);

    connect(CancelEntry, &QPushButton::clicked, this, [this] {
        engine_.cancelEntry();
        refresh();
        keepFocus();
    });
    connect(Cancel, &QPushButton::clicked, this, [this] {
        engine_.cancelAll();
        refresh();
        keepFocus();
    });
    connect(Memory, &QPushButton::clicked, this, [this] {
        engine_.storeMemory();
        refresh();
        keepFocus();
    });
    connect(RestoreMem, &QPushButton::clicked, this, [this] {
        engine_.restoreMemory();
        refresh();
        keepFocus();
    });
    connect(ClearMem, &QPushButton::clicked, this, [this] {
        engine_.clearMemory();
        refresh();
        keepFocus();
    });
}

void Calculator::buildTape(QWidget* central) {
    List1 = new QListWidget(central);
    List1->setObjectName(QStringLiteral("List1"));
    // The paper ends level with the fourth key row; the tape buttons line up with the last two.
    List1->setGeometry(kTapeX, kMargin, kTapeW, keyRect(0, 3).bottom() - kMargin + 1);
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Reached with Tab, so that lines can be selected from the keyboard for the statistics.
    List1->setFocusPolicy(Qt::TabFocus);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont tapeFont(QStringLiteral("Courier"));
    tapeFont.setStyleHint(QFont::TypeWriter);
    tapeFont.setFixedPitch(true);
    tapeFont.setPointSizeF(9.75);
    tapeFont.setBold(true);
    List1->setFont(tapeFont);
    // Adding-machine paper.
    List1->setStyleSheet(
        QStringLiteral("QListWidget { background: #fffff4; color: black; border: 2px inset #808080; }"
                       " QListWidget::item { padding: 0px; }"
                       " QListWidget::item:selected { background: #000080; color: white; }"));
    connect(List1, &QListWidget::itemSelectionChanged, this, &Calculator::tapeSelectionChanged);

    const int half = (kTapeW - kKeyGap) / 2;
    const QRect row4 = keyRect(0, 4);
    const QRect row5 = keyRect(0, 5);
    SSCommand3 = command3d(central, QStringLiteral("SSCommand3"), QStringLiteral("Select All"),
                           QRect(kTapeX, row4.y(), half, row4.height()));
    Command1 = command3d(central, QStringLiteral("Command1"), QStringLiteral("Cle&ar"),
                         QRect(kTapeX + half + kKeyGap, row4.y(), half, row4.height()));
    Command3 = command3d(central, QStringLiteral("Command3"), QStringLiteral("&Print"),
                         QRect(kTapeX, row5.y(), half, row5.height()));
    Command2 = command3d(central, QStringLiteral("Command2"), QStringLiteral("&Label"),
                         QRect(kTapeX + half + kKeyGap, row5.y(), half, row5.height()));
    SSCommand3->setFocusPolicy(Qt::TabFocus);
    connect(SSCommand3, &QPushButton::clicked, this, &Calculator::selectAll);
    connect(Command1, &QPushButton::clicked, this, &Calculator::clearTape);
    connect(Command3, &QPushButton::clicked, this, &Calculator::printTape);
    connect(Command2, &QPushButton::clicked, this, &Calculator::labelTape);
}

void Calculator::buildPanels(QWidget* central) {
    // Just below the plain window height, so that making the window taller reveals them.
    const int stripTop = faceHeight() + 1;
    const int hintTop = stripTop + (kHeightPanels - kHeightPlain) / kTwipsPerPixel;
    const int stripH = (kHeightPanels - kHeightPlain) / kTwipsPerPixel - 2;
    const int stripW = kTapeX + kTapeW - kMargin;

    SSPanel1 = new ui::SSPanel(QStringLiteral("SSPanel1"), QString(), central);
    SSPanel2 = new ui::SSPanel(QStringLiteral("SSPanel2"), QString(), central);
    static constexpr const char* kStat[4][2] = {
        {"SSCommand1", "Sum"}, {"SSCommand2", "Avg"}, {"SSCommand4", "Std Dev"}, {"SSCommand5", "ReCalc"}};
    static constexpr Statistic kKinds[4] = {Statistic::Sum, Statistic::Average, Statistic::StdDev,
                                            Statistic::ReCalc};
    static constexpr const char* kTrig[3][2] = {
        {"SSCommand6", "Sin"}, {"SSCommand7", "Cos"}, {"SSCommand8", "Tan"}};
    static constexpr Messages (Engine::*kTrigFn[3])() = {&Engine::sine, &Engine::cosine, &Engine::tangent};
    static constexpr const char* kUnit[2] = {"Deg", "Radians"};

    // The panels share the strip by what their captions need, so none of them is cut.
    std::vector<QWidget*> items;
    for (int i = 0; i < 4; ++i) {
        auto* b = command3d(SSPanel1, QString::fromLatin1(kStat[i][0]), QString::fromLatin1(kStat[i][1]), {});
        const Statistic kind = kKinds[i];
        connect(b, &QPushButton::clicked, this, [this, kind] {
            tell(engine_.statistic(kind));
            refresh();
            keepFocus();
        });
        items.push_back(b);
    }
    for (int i = 0; i < 3; ++i) {
        auto* b = command3d(SSPanel2, QString::fromLatin1(kTrig[i][0]), QString::fromLatin1(kTrig[i][1]), {});
        const auto fn = kTrigFn[i];
        connect(b, &QPushButton::clicked, this, [this, fn] {
            tell((engine_.*fn)());
            refresh();
            keepFocus();
        });
        items.push_back(b);
    }
    for (int i = 0; i < 2; ++i) {
        auto* o = new QRadioButton(QString::fromLatin1(kUnit[i]), SSPanel2);
        o->setObjectName(QStringLiteral("SSOption1(%1)").arg(i));
        o->setFocusPolicy(Qt::NoFocus);
        SSOption1[static_cast<std::size_t>(i)] = o;
        connect(o, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                engine_.setRadians(i == 1);
                refresh();
                keepFocus();
            }
        });
        items.push_back(o);
    }
    std::vector<int> widths;
    int needed = 0;
    for (QWidget* w : items) {
        const auto* radio = qobject_cast<QRadioButton*>(w);
        const int textW =
            w->fontMetrics().horizontalAdvance(radio ? radio->text() : static_cast<QPushButton*>(w)->text());
        widths.push_back(radio ? radio->sizeHint().width() : textW + 12);
        needed += widths.back();
    }
    // Panel borders (3 on each side), gaps between items and between the panels.
    constexpr int kPad = 3;
    constexpr int kGap = 2;
    const int fixed = 4 * kPad + (4 - 1) * kGap + (5 - 1) * kGap + kKeyGap;
    const int spare = std::max(0, stripW - fixed - needed);
    int x = kPad;
    int panelStart = kMargin;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == 4) { // the trigonometry panel starts
            SSPanel1->setGeometry(panelStart, stripTop, x - kGap + kPad, stripH);
            panelStart = kMargin + SSPanel1->width() + kKeyGap;
            x = kPad;
        }
        // Spare room goes to every item alike; the last one takes what rounding leaves.
        int w = widths[i] + spare / static_cast<int>(items.size());
        if (i + 1 == items.size()) {
            w = kMargin + stripW - panelStart - kPad - x;
        }
        items[i]->setGeometry(x, 2, w, stripH - 4);
        // The panels' keys have no access keys: Tab reaches them.
        items[i]->setFocusPolicy(Qt::TabFocus);
        watchHints(items[i]);
        x += w + kGap;
    }
    SSPanel2->setGeometry(panelStart, stripTop, kMargin + stripW - panelStart, stripH);
    SSOption1[0]->setChecked(true);
    SSPanel1->hide();
    SSPanel2->hide();

    helpLine_ = new QLabel(central);
    helpLine_->setObjectName(QStringLiteral("HelpLine"));
    helpLine_->setGeometry(kMargin, hintTop + 2, kTapeX + kTapeW - kMargin,
                           (kHeightHelp - kHeightPanels) / kTwipsPerPixel - 6);
    helpLine_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    helpLine_->setStyleSheet(
        QStringLiteral("QLabel { background: #ffffe1; color: black; padding-left: 4px; }"));
    helpLine_->hide();
}

void Calculator::buildMenus() {
    auto action = [this](QMenu* menu, const char* name, const char* caption, void (Calculator::*slot)()) {
        QAction* a = menu->addAction(QString::fromLatin1(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (slot) {
            connect(a, &QAction::triggered, this, slot);
        }
        return a;
    };
    auto menu = [this](const char* name, const char* caption) {
        QMenu* m = menuBar()->addMenu(QString::fromLatin1(caption));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    QMenu* file = menu("mnuFile", "&File");
    action(file, "mnuLabelTape", "&Label Tape", &Calculator::labelTape);
    action(file, "mnuPrint_Tapr", "&Print Tape", &Calculator::printTape)
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    action(file, "mnuSelectAll", "&Select All (Tape)", &Calculator::selectAll);
    file->addSeparator();
    connect(action(file, "mnuExit", "&Exit", nullptr), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menu("mnuEdit", "&Edit");
    action(edit, "mnuCopyReg", "Copy &Register", &Calculator::copyRegister);
    action(edit, "mnuCopyTape", "Copy &Tape", &Calculator::copyTape);
    action(edit, "mnuPaste", "&Paste to Register", &Calculator::pasteRegister);

    QMenu* options = menu("mnuConfigure", "&Options");
    action(options, "mnuStats", "&Statistics", &Calculator::showStats);
    action(options, "mnuTrig", "&Trig Functions", &Calculator::showTrig);
    action(options, "mnuLoans", "&Loan Calculator", &Calculator::showLoans);
    options->addSeparator();
    action(options, "mnuOptionsCancel", "&Cancel Options", &Calculator::cancelOptions);

    QMenu* help = menu("mnuOptions", "&Help");
    mnuHelpOnOff = action(help, "mnuHelpOnOff", "&Help On", &Calculator::toggleHelp);
    action(help, "mnuAbout", "&About", &Calculator::showAbout);
}

void Calculator::buildToolbar() {
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, Toolbar1);
    // The image list the keys draw their pictures from.
    auto* images = new QObject(this);
    images->setObjectName(QStringLiteral("ImageList1"));

    struct Key {
        const char* key;
        const char* tip;
        void (Calculator::*slot)();
    };
    const Key keys[] = {{"Label", "Label Tape", &Calculator::labelTape},
                        {"Clear", "Clear Tape", &Calculator::clearTape},
                        {"Print", "Print Tape", &Calculator::printTape},
                        {"Select", "Select All (Tape)", &Calculator::selectAll},
                        {"Copyreg", "Copy Register", &Calculator::copyRegister},
                        {"Copytape", "Copy Tape", &Calculator::copyTape},
                        {"Help", "Help On/Off", &Calculator::toggleHelp},
                        {"Paste", "Paste to Register", &Calculator::pasteRegister},
                        {"Exit", "Exit", nullptr},
                        {"Loans", "Loan Calculator", &Calculator::showLoans},
                        {"Stats", "Statistics", &Calculator::showStats},
                        {"Trig", "Trig Functions", &Calculator::showTrig}};
    for (const Key& k : keys) {
        const QString name = QString::fromLatin1(k.key);
        QAction* a = Toolbar1->addAction(toolIcon(name), QString::fromLatin1(k.tip));
        a->setObjectName(name);
        if (k.slot) {
            connect(a, &QAction::triggered, this, k.slot);
        } else {
            connect(a, &QAction::triggered, this, &QWidget::close);
        }
        if (name == QLatin1String("Help")) {
            a->setCheckable(true);
            helpKey_ = a;
        }
        if (name == QLatin1String("Print") || name == QLatin1String("Paste") ||
            name == QLatin1String("Exit") || name == QLatin1String("Loans")) {
            Toolbar1->addSeparator();
        }
    }
}

} // namespace abacon
