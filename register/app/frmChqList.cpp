#include "register/app/frmChqList.h"
#include "help/viewer/WinHelp.h"
#include "register/app/RegisterModel.h"
#include "register/app/QtText.h"

#include "register/app/AppSettings.h"
#include "register/app/ButtonPictures.h"
#include "register/app/CodeFileSession.h"
#include "register/core/RegisterList.h"
#include "runtime/Clock.h"
#include "runtime/Format.h"
#include "ui/Prompter.h"
#include "ui/SSCommand.h"
#include "ui/SSFrame.h"
#include "ui/SSPanel.h"
#include "ui/Vx3dList.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace ledger {

namespace {

const QString kInactive = QStringLiteral(" Inactive ");

ui::SSCommand* pictureButton(QWidget* parent, const char* name, Picture picture) {
    auto* button = new ui::SSCommand(QString::fromLatin1(name), QString(), parent);
    button->setPicture(buttonPicture(picture));
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(32, 32);
    return button;
}

ui::SSCommand* captionButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new ui::SSCommand(QString::fromLatin1(name), caption, parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(66, 32);
    return button;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QLabel* valueLabel(QWidget* parent, const char* name) {
    QLabel* l = label(parent, name, QString());
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(96);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    return l;
}

} // namespace

Settings builtInSettings() {
    Settings s;
    s.formHeight = 8100; // 540 x 900 pixels: room for the button bar and every column of the register
    s.formWidth = 13500;
    // No list size: the register fills the space the window leaves it.
    s.listHeight = 0;
    s.listWidth = 0;
    s.textColor = 12582912; // dark blue
    s.backColor = 16777152; // pale cyan
    return s;
}

frmChqList::frmChqList(ui::Prompter& prompter, const runtime::Clock& clock, ui::Clipboard& clipboard,
                       ui::Printer& printer, SettingsStore& settingsStore, QWidget* parent)
    : QMainWindow(parent), prompter_(prompter), clock_(clock), clipboard_(clipboard), printer_(printer),
      store_(settingsStore), settings_(builtInSettings()),
      session_(prompter, clock, settings_.recentFiles, this) {
    setObjectName(QStringLiteral("frmChqList"));
    session_.setDialogParent(this);
    codes_ = new CodeFileSession(prompter_, store_, session_, this);
    createControls();
    createMenus();
    connectCommands();
    createCommands();

    // Load: clock, caption, settings, recent files, then the state without a cheque book.
    Timer2_Timer();
    setWindowTitle(mainCaption(nullptr));
    mnuAutoDup->setTitle(QStringLiteral("&Auto Duplicate"));
    settings_ = readSettings(store_, builtInSettings());
    applySettings();
    updateRecentMenu();
    codes_->loadAtStart(settings_.codetypes);
    showBookState();
}

frmChqList::~frmChqList() {
    // The register's rows read the session, which goes before the child widgets do.
    lstChqList->setModel(nullptr);
    delete registerModel_;
}

void frmChqList::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(500);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    buildButtonBar(central);
    QWidget* registerArea = buildRegisterArea(central);
    buildAutoDupFrame(central);
    buildDeleteFrame(central);
    buildStatusPanel(central);

    auto* main = new QVBoxLayout(central);
    main->setContentsMargins(2, 2, 2, 2);
    main->setSpacing(2);
    main->addWidget(Panel3D2);
    main->addWidget(registerArea, 1);
    main->addWidget(SSFrame2);
    main->addWidget(SSFrame1);
    main->addWidget(SSPanel1);

    setListColumns();
    setButtonHints();
}

// Button bar with the hint line under it.
void frmChqList::buildButtonBar(QWidget* central) {
    Panel3D2 = new ui::SSPanel(QStringLiteral("Panel3D2"), QString(), central);
    lblTips = new ui::SSPanel(QStringLiteral("lblTips"), QString(), Panel3D2);
    lblTips->setBevelOuter(ui::SSPanel::Bevel::Inset);
    lblTips->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblTips->setFixedHeight(22);
    DownPointer = pictureButton(Panel3D2, "DownPointer", Picture::Last);
    UpPointer = pictureButton(Panel3D2, "UpPointer", Picture::First);
    cmdReconcile = pictureButton(Panel3D2, "cmdReconcile", Picture::Reconcile);
    cmdSearch = pictureButton(Panel3D2, "cmdSearch", Picture::Search);
    cmdSelect = pictureButton(Panel3D2, "cmdSelect", Picture::Select);
    cmdSortCodes = pictureButton(Panel3D2, "cmdSortCodes", Picture::SortCodes);
    cmdSortDates = pictureButton(Panel3D2, "cmdSortDates", Picture::SortDates);
    Command3D5 = captionButton(Panel3D2, "Command3D5", QStringLiteral("&Quit"));
    Command3D4 = pictureButton(Panel3D2, "Command3D4", Picture::Calendar);
    ctlCleared = captionButton(Panel3D2, "ctlCleared", QStringLiteral("C&leared"));
    cmdChange = captionButton(Panel3D2, "cmdChange", QStringLiteral("&Change"));
    cmdNewItem = captionButton(Panel3D2, "cmdNewItem", QStringLiteral("&New"));
    cmdDelete = captionButton(Panel3D2, "cmdDelete", QStringLiteral("&Delete"));
    cmdDefined = captionButton(Panel3D2, "cmdDefined", QStringLiteral("Du&plicate"));
    Command3D1 = pictureButton(Panel3D2, "Command3D1", Picture::Calculator);
    cmdPrint = pictureButton(Panel3D2, "cmdPrint", Picture::Print);
    Command3D3 = pictureButton(Panel3D2, "Command3D3", Picture::Save);
    Command3D2 = pictureButton(Panel3D2, "Command3D2", Picture::Open);
    Image1 = label(Panel3D2, "Image1", QString());
    Image1->setPixmap(buttonPicture(Picture::Ledger, 28));

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto group = [buttons](std::initializer_list<QWidget*> widgets) {
        for (QWidget* w : widgets)
            buttons->addWidget(w);
    };
    group({Command3D2, Command3D3, cmdPrint, Command3D1, Command3D4});
    buttons->addSpacing(10);
    group({cmdNewItem, cmdChange, cmdDefined, cmdDelete, ctlCleared});
    buttons->addSpacing(10);
    group({cmdSortDates, cmdSortCodes, cmdSearch, cmdSelect, cmdReconcile, UpPointer, DownPointer});
    buttons->addStretch(1);
    group({Image1, Command3D5});
    auto* bar = new QVBoxLayout(Panel3D2);
    bar->setContentsMargins(4, 4, 4, 4);
    bar->setSpacing(3);
    bar->addLayout(buttons);
    bar->addWidget(lblTips);
}

// The register, covered by the prompt panel while no cheque book is open.
QWidget* frmChqList::buildRegisterArea(QWidget* central) {
    auto* registerArea = new QWidget(central);
    registerArea->setObjectName(QStringLiteral("registerArea"));
    lstChqList =
        new ui::Vx3dList(QStringLiteral("lstChqList"),
                         {QString(), QString(), QStringLiteral("Date"), QStringLiteral("Chq #"),
                          QStringLiteral("Particulars"), QStringLiteral("Deposit"),
                          QStringLiteral("Withdraw"), QStringLiteral("Code"), QStringLiteral("Balance")},
                         registerArea);
    lstChqList->setMultiSelect(true);
    registerModel_ = new RegisterModel(session_, lstChqList->columnTitles(), this);
    lstChqList->setModel(registerModel_);
    buildPromptPanel(registerArea);
    // The prompt panel covers the whole area; the list has the size the settings give it, which
    // follows the window's resizing (placeRegisterList).
    auto* stack = new QStackedLayout(registerArea);
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(Panel3D1);
    stack->setCurrentWidget(Panel3D1);
    registerArea->installEventFilter(this);
    return registerArea;
}

// The prompt panel: a click anywhere on it opens or creates a cheque book.
void frmChqList::buildPromptPanel(QWidget* registerArea) {
    Panel3D1 = new ui::SSPanel(QStringLiteral("Panel3D1"), QString(), registerArea);
    Panel3D1->setBevelWidth(2);
    Panel3D1->setAutoFillBackground(true); // it covers the whole register, column titles included
    panel1 = new ui::SSPanel(QStringLiteral("panel1"), QString(), Panel3D1);
    panel1->setBevelOuter(ui::SSPanel::Bevel::Inset);
    Picture1 = label(panel1, "Picture1", QString());
    Picture1->setPixmap(buttonPicture(Picture::Ledger, 72));
    Picture1->setAlignment(Qt::AlignCenter);
    (new QVBoxLayout(panel1))->addWidget(Picture1);
    panelCompletion = new ui::SSPanel(QStringLiteral("panelCompletion"), QString(), Panel3D1);
    panelCompletion->setBevelOuter(ui::SSPanel::Bevel::None);
    QFont prompt = panelCompletion->font();
    prompt.setPointSize(14);
    prompt.setBold(true);
    panelCompletion->setFont(prompt);
    panelCompletion->setForeColor(QColor(0, 0, 128));
    panelCompletion->setMinimumHeight(40);
    Image3 = label(Panel3D1, "Image3", QString());
    Image3->setPixmap(buttonPicture(Picture::Open, 32));
    Image3->hide(); // the button beside it shows what a click does
    Command3D6 = pictureButton(Panel3D1, "Command3D6", Picture::Open);
    auto* promptLayout = new QVBoxLayout(Panel3D1);
    promptLayout->addStretch(1);
    promptLayout->addWidget(panel1, 0, Qt::AlignHCenter);
    promptLayout->addWidget(panelCompletion);
    auto* promptButtons = new QHBoxLayout;
    promptButtons->addStretch(1);
    promptButtons->addWidget(Image3);
    promptButtons->addWidget(Command3D6);
    promptButtons->addStretch(1);
    promptLayout->addLayout(promptButtons);
    promptLayout->addStretch(1);
}

// Auto-duplicate processing, shown only while it runs.
void frmChqList::buildAutoDupFrame(QWidget* central) {
    SSFrame2 =
        new ui::SSFrame(QStringLiteral("SSFrame2"), QStringLiteral("Auto Duplicate Processing!"), central);
    lstDupList = new ui::Vx3dList(QStringLiteral("lstDupList"),
                                  {QString(), QString(), QStringLiteral("Day No."), QStringLiteral("Chq #"),
                                   QStringLiteral("Particulars"), QStringLiteral("Deposit"),
                                   QStringLiteral("Withdraw"), QStringLiteral("Code")},
                                  SSFrame2);
    lstDupList->setMultiSelect(true);
    cmdAutoDupEdit = captionButton(SSFrame2, "cmdAutoDupEdit", QStringLiteral("Edit"));
    cmdAutoDupProcess = captionButton(SSFrame2, "cmdAutoDupProcess", QStringLiteral("Process"));
    cmdAutoDupRemove = captionButton(SSFrame2, "cmdAutoDupRemove", QStringLiteral("Remove"));
    cmdAutoDupClose = captionButton(SSFrame2, "cmdAutoDupClose", QStringLiteral("Close"));
    auto* dupButtons = new QVBoxLayout;
    for (ui::SSCommand* button : {cmdAutoDupEdit, cmdAutoDupProcess, cmdAutoDupRemove, cmdAutoDupClose}) {
        button->setFocusPolicy(Qt::StrongFocus); // each mode can be finished by keyboard
        dupButtons->addWidget(button);
    }
    dupButtons->addStretch(1);
    auto* dupLayout = new QHBoxLayout(SSFrame2);
    dupLayout->addWidget(lstDupList, 1);
    dupLayout->addLayout(dupButtons);
    SSFrame2->setFixedHeight(150);
    SSFrame2->hide();
}

// Deleting items, shown only while the user confirms.
void frmChqList::buildDeleteFrame(QWidget* central) {
    SSFrame1 = new ui::SSFrame(QStringLiteral("SSFrame1"), QStringLiteral("Delete Transactions"), central);
    picChkmark = pictureButton(SSFrame1, "picChkmark", Picture::Reconcile);
    picChkmark->setFlat(true);
    Label3 = label(SSFrame1, "Label3", QStringLiteral("C&lick to Delete"));
    Label3->setBuddy(picChkmark);
    cmdDelCancel = captionButton(SSFrame1, "cmdDelCancel", QStringLiteral("C&ancel Delete"));
    // The frame's button carries a longer caption than the bar's buttons.
    const int captionWidth = cmdDelCancel->fontMetrics().horizontalAdvance(QStringLiteral("Cancel Delete"));
    cmdDelCancel->setFixedWidth(captionWidth + 24);
    // Alt+A opens the "&Auto Duplicate" menu; Escape leaves delete mode.
    cmdDelCancel->setShortcut(QKeySequence(Qt::Key_Escape));
    SSFrame1->installEventFilter(this);
    // Both buttons are reached with Tab, so delete mode can be finished by keyboard.
    picChkmark->setFocusPolicy(Qt::StrongFocus);
    cmdDelCancel->setFocusPolicy(Qt::StrongFocus);
    auto* delLayout = new QHBoxLayout(SSFrame1);
    delLayout->addWidget(picChkmark);
    delLayout->addWidget(Label3);
    delLayout->addStretch(1);
    delLayout->addWidget(cmdDelCancel);
    SSFrame1->hide();
}

// Status panel: the time of day is its own caption, at its left.
void frmChqList::buildStatusPanel(QWidget* central) {
    SSPanel1 = new ui::SSPanel(QStringLiteral("SSPanel1"), QString(), central);
    SSPanel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SSPanel1->setFixedHeight(30);
    Label1 = label(SSPanel1, "Label1", QStringLiteral(" Balance"));
    lblBalance = valueLabel(SSPanel1, "lblBalance");
    lblBalance->setMinimumWidth(120);
    Label6 = label(SSPanel1, "Label6", QStringLiteral("No. Items"));
    lblTransNumber = valueLabel(SSPanel1, "lblTransNumber");
    lblTransNumber->setMinimumWidth(56);
    Image2 = label(SSPanel1, "Image2", QString());
    Image2->hide();
    auto* status = new QHBoxLayout(SSPanel1);
    status->setContentsMargins(96, 3, 6, 3); // the clock caption stands in the left margin
    status->addStretch(1);
    status->addWidget(Label1);
    status->addWidget(lblBalance);
    status->addSpacing(16);
    status->addWidget(Label6);
    status->addWidget(lblTransNumber);
}

void frmChqList::setListColumns() {
    const int column[] = {14, 34, 76, 50, 210, 84, 84, 44, 96};
    for (int c = 0; c < 9; ++c)
        lstChqList->setColumnWidth(c, column[c]);
    for (int c = 0; c < 8; ++c)
        lstDupList->setColumnWidth(c, column[c]);
    // Item numbers and money line up on their last digit.
    lstChqList->setRightAligned({1, 5, 6, 8});
    lstDupList->setRightAligned({1, 5, 6});
    // The balance keeps its width, so the figures stay under their heading on a wide window.
    lstChqList->setStretchLastColumn(false);
}

void frmChqList::setButtonHints() {
    hints_ = {
        {Command3D2, QStringLiteral(" Open a File "), false},
        {Command3D3, QStringLiteral(" Save open file "), false},
        {Command3D5, QStringLiteral(" Exit Ledgerine "), false},
        {Command3D1, QStringLiteral(" Run Abacon "), false},
        {UpPointer, QStringLiteral(" Move to First Item "), false},
        {DownPointer, QStringLiteral(" Move to Last Item "), false},
        {ctlCleared, QStringLiteral(" Toggle Item Cleared "), false},
        {cmdDelete, QStringLiteral(" Delete Items "), true},
        {cmdSelect, QStringLiteral(" Code Selection "), true},
        {cmdNewItem, QStringLiteral(" Add New Items "), true},
        {cmdSortDates, QStringLiteral(" Sort on Dates "), true},
        {cmdSortCodes, QStringLiteral(" Sort on Codes "), true},
        {cmdPrint, QStringLiteral(" Print Ledgerine "), true},
        {cmdDefined, QStringLiteral(" Duplicate an Item "), true},
        {cmdChange, QStringLiteral(" Change Item Contents "), true},
        {cmdSearch, QStringLiteral(" Search on Particulars "), true},
        {Command3D4, QString(), false}, // depends on the calendar window
        {cmdReconcile, QStringLiteral(" Reconcile Ledgerine "), true},
    };
}

void frmChqList::connectCommands() {
    connect(Timer2, &QTimer::timeout, this, &frmChqList::Timer2_Timer);
    Timer2->start();

    for (const Hint& hint : hints_) {
        ui::SSCommand* button = hint.button;
        connect(button, &ui::SSCommand::mouseMoved, this, [this, button] { showHint(button); });
    }

    connect(&session_, &ChequeBookSession::progress, this, &frmChqList::showTip);
    connect(&session_, &ChequeBookSession::bookReplaced, this, &frmChqList::showBookState);
    connect(&session_, &ChequeBookSession::bookChanged, this, &frmChqList::refreshRegister);
    connect(&session_, &ChequeBookSession::titleChanged, this,
            [this] { setWindowTitle(mainCaption(session_.book())); });
    connect(&session_, &ChequeBookSession::recentFilesChanged, this, &frmChqList::updateRecentMenu);
    connect(&session_, &ChequeBookSession::codeFileLinkFound, codes_, &CodeFileSession::loadLinked);
    connect(codes_, &CodeFileSession::stateChanged, this,
            [this] { mnuDefault->setEnabled(codes_->loaded()); });
    connect(mnuOpenCodes, &QAction::triggered, codes_, &CodeFileSession::openFile);
    connect(mnuSaveTransCodes, &QAction::triggered, codes_, &CodeFileSession::saveFile);
    connect(mnuSaveCodeFile, &QAction::triggered, codes_, &CodeFileSession::saveAs);
    connect(mnuDefault, &QAction::triggered, codes_, &CodeFileSession::setDefault);

    connect(mnuFileNew, &QAction::triggered, &session_, &ChequeBookSession::newBook);
    connect(mnuFileSelect, &QAction::triggered, &session_, &ChequeBookSession::openFromDialog);
    connect(Command3D2, &ui::SSCommand::clicked, &session_, &ChequeBookSession::openFromDialog);
    connect(mnuFileClose, &QAction::triggered, &session_, &ChequeBookSession::close);
    connect(mnuFileSave, &QAction::triggered, &session_, &ChequeBookSession::save);
    connect(Command3D3, &ui::SSCommand::clicked, &session_, &ChequeBookSession::save);
    connect(mnuSaveAs, &QAction::triggered, &session_, &ChequeBookSession::saveAs);
    connect(mnuChangeTitle, &QAction::triggered, &session_, &ChequeBookSession::changeTitle);
    connect(mnuPassWord, &QAction::triggered, &session_, &ChequeBookSession::changePassword);
    for (int i = 0; i < static_cast<int>(mnuSelectFile.size()); ++i)
        connect(mnuSelectFile[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { mnuSelectFile_Click(i); });
    connect(ExitLedgrn, &QAction::triggered, this, &QWidget::close);
    connect(Command3D5, &ui::SSCommand::clicked, this, &QWidget::close);
    connect(mnuShowMsg, &QAction::triggered, this, &frmChqList::mnuShowMsg_Click);
    connect(Panel3D1, &ui::SSPanel::clicked, this, &frmChqList::Panel3D1_Click);
    connect(panelCompletion, &ui::SSPanel::clicked, this, &frmChqList::Panel3D1_Click);
    connect(panel1, &ui::SSPanel::clicked, this, &frmChqList::Panel3D1_Click);
    connect(Command3D6, &ui::SSCommand::clicked, this, &frmChqList::Panel3D1_Click);

    connect(lstChqList, &ui::Vx3dList::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
                showPopup(mnuPopup, lstChqList, button, pos);
            });
    connect(lstDupList, &ui::Vx3dList::mouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
                showPopup(mnuPopup1, lstDupList, button, pos);
            });
}

void frmChqList::applySettings() {
    formAtStart_ = QSize(pixelsFromTwips(settings_.formWidth), pixelsFromTwips(settings_.formHeight));
    listTwips_ = QSize(settings_.listWidth, settings_.listHeight);
    resize(formAtStart_);
    placeRegisterList();
    applyListLook();
    messages_ = settings_.messages;
    mnuShowMsg->setText(qs(showMessagesCaption(messages_)));
}

void frmChqList::applyListLook() {
    for (ui::Vx3dList* list : {lstChqList, lstDupList}) {
        list->setFontName(qs(settings_.fontName));
        list->setFontSize(settings_.fontSize);
        list->setFontBold(settings_.fontBold);
        list->setFontItalic(settings_.fontItalic);
        list->setForeColor(colorFromRgbNumber(settings_.textColor));
        list->setBackColor(colorFromRgbNumber(settings_.backColor));
    }
}

QString frmChqList::promptText() const {
    return promptCreate_ ? QStringLiteral("Click HERE to create a new Ledgerine!")
                         : QStringLiteral("Click HERE to open a Ledgerine!");
}

void frmChqList::showBookState() {
    const bool open = session_.isOpen();
    setWindowTitle(mainCaption(session_.book()));
    for (QAction* action : fileDependent_)
        action->setEnabled(open);
    if (!open) {
        // With no cheque book ever used, creating one is the likely next step.
        promptCreate_ = !settings_.recentFiles.anyShown();
        panelCompletion->setCaption(promptText());
        Command3D6->setPicture(buttonPicture(promptCreate_ ? Picture::Ledger : Picture::Open));
    }
    Panel3D1->setVisible(!open);
    if (!open)
        Panel3D1->raise();
    lblTips->setCaption(QString());
    refreshRegister();
}

void frmChqList::refreshRegister() {
    const ChequeBook* book = session_.book();
    if (book) {
        lblBalance->setText(qs(runtime::formatCurrency(finalBalance(book->items), kBalancePattern)));
        lblTransNumber->setText(
            qs(runtime::formatNumber(static_cast<double>(book->items.size()), kCountPattern)));
    } else {
        lblBalance->clear();
        lblTransNumber->clear();
    }
}

int frmChqList::registerLineCount() const {
    return lstChqList->ListCount();
}

std::vector<int> frmChqList::selectedRegisterLines() const {
    return lstChqList->selectedLines();
}

QString frmChqList::registerLineText(int line) const {
    return lstChqList->List(line);
}

void frmChqList::selectOnlyRegisterLine(int line) {
    lstChqList->selectOnly(line);
}

void frmChqList::setCurrentRegisterLine(int line) {
    lstChqList->setListIndex(line);
}

void frmChqList::showDeletePanel(bool shown) {
    SSFrame1->setVisible(shown);
}

void frmChqList::showAutoDupPanel(bool shown) {
    SSFrame2->setVisible(shown);
}

bool frmChqList::autoDupPanelShown() const {
    return SSFrame2->isVisible();
}

void frmChqList::showAutoDupLines(const QStringList& lines) {
    lstDupList->setRedraw(false);
    lstDupList->Clear();
    for (const QString& line : lines)
        lstDupList->AddItem(line);
    lstDupList->setRedraw(true);
}

std::vector<int> frmChqList::selectedAutoDupLines() const {
    return lstDupList->selectedLines();
}

void frmChqList::selectOnlyAutoDupLine(int line) {
    lstDupList->selectOnly(line);
}

void frmChqList::showTip(const QString& text) {
    lblTips->setCaption(text);
    lblTips->repaint(); // seen at once, before the work it announces
}

QString frmChqList::balanceShown() const {
    return lblBalance->text();
}

QString frmChqList::itemCountShown() const {
    return lblTransNumber->text();
}

QSize frmChqList::listSizeTwips() const {
    // A size from the settings grows and shrinks with the window, so an unchanged window gives
    // back exactly the twips it was given.
    const QSize grown(twipsFromPixels(width() - formAtStart_.width()),
                      twipsFromPixels(height() - formAtStart_.height()));
    const int w =
        listTwips_.width() > 0 ? listTwips_.width() + grown.width() : twipsFromPixels(lstChqList->width());
    const int h = listTwips_.height() > 0 ? listTwips_.height() + grown.height()
                                          : twipsFromPixels(lstChqList->height());
    return QSize(std::max(w, kTwipsPerPixel), std::max(h, kTwipsPerPixel));
}

void frmChqList::placeRegisterList() {
    const QWidget* area = lstChqList->parentWidget();
    const QSize twips = listSizeTwips();
    const QSize size(listTwips_.width() > 0 ? pixelsFromTwips(twips.width()) : area->width(),
                     listTwips_.height() > 0 ? pixelsFromTwips(twips.height()) : area->height());
    const int before = lstChqList->height();
    lstChqList->setGeometry(QRect(QPoint(0, 0), size.boundedTo(area->size())));
    // A shorter list (the delete or auto-duplicate frame appearing) keeps the line the user is
    // working on in view, once the list's own layout has followed.
    if (lstChqList->height() < before)
        QTimer::singleShot(0, this, &frmChqList::keepCurrentLineVisible);
}

void frmChqList::keepCurrentLineVisible() {
    int line = lstChqList->ListIndex();
    if (line < 0 || !lstChqList->Selected(line)) {
        const std::vector<int> selected = lstChqList->selectedLines();
        line = selected.empty() ? line : selected.front();
    }
    if (line >= 0 && line < lstChqList->ListCount())
        lstChqList->ensureVisible(line);
}

bool frmChqList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && lstChqList && watched == lstChqList->parentWidget())
        placeRegisterList();
    if (watched == FileList && event->type() == QEvent::KeyPress) {
        // "Save &As" and "Run &Abacon" share the key A: one press chooses Save As; Run Abacon keeps
        // its shortcut Ctrl+V (and takes A while Save As is unavailable).
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_A && (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
            QAction* chosen = mnuSaveAs->isEnabled() ? mnuSaveAs : NmuCalc->isEnabled() ? NmuCalc : nullptr;
            if (chosen) {
                FileList->setActiveAction(chosen);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QCoreApplication::sendEvent(FileList, &enter);
            }
            return true;
        }
    }
    if (watched == SSFrame1 && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        // In delete mode Alt+L is "C&lick to Delete"; "C&leared" keeps Alt+Backspace (mnuCleared).
        const bool deleting = event->type() == QEvent::Show;
        ctlCleared->setShortcut(deleting ? QKeySequence() : QKeySequence::mnemonic(ctlCleared->text()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmChqList::updateRecentMenu() {
    const RecentFiles& recent = settings_.recentFiles;
    for (std::size_t i = 0; i < mnuSelectFile.size(); ++i) {
        QString caption = qs(recent.entry(i));
        caption.replace(QLatin1Char('&'), QStringLiteral("&&")); // a path is no access key
        mnuSelectFile[i]->setText(caption);
        mnuSelectFile[i]->setVisible(recent.isShown(i));
    }
    mnuSepX->setVisible(recent.anyShown());
}

void frmChqList::showHint(ui::SSCommand* button) {
    for (const Hint& hint : hints_) {
        if (hint.button != button)
            continue;
        QString text = hint.text;
        if (button == Command3D4)
            text =
                calendarOpen_ ? QStringLiteral(" Close Calendar? ") : QStringLiteral(" Run Daily Calendar ");
        else if (hint.needsBook && !session_.isOpen())
            text = kInactive;
        lblTips->setCaption(messages_ ? text : QString());
        return;
    }
}

void frmChqList::showPopup(QMenu* menu, ui::Vx3dList* list, Qt::MouseButton button, QPoint pos) {
    if (button == Qt::RightButton)
        menu->popup(list->mapToGlobal(pos));
}

void frmChqList::Timer2_Timer() {
    SSPanel1->setCaption(qs(runtime::formatDate(runtime::localNow(clock_), "h:mm AMPM ")));
}

void frmChqList::Form_Activate() {
    mnuQuikMemos->setText(calendarOpen_ ? QStringLiteral("Close Calen&dar")
                                        : QStringLiteral("Run Calen&dar"));
}

void frmChqList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
    QMainWindow::changeEvent(event);
}

void frmChqList::Panel3D1_Click() {
    if (promptCreate_)
        session_.newBook();
    else
        session_.openFromDialog();
}

void frmChqList::mnuShowMsg_Click() {
    messages_ = !messages_;
    mnuShowMsg->setText(qs(showMessagesCaption(messages_)));
    if (!messages_)
        lblTips->setCaption(QString());
}

void frmChqList::mnuSelectFile_Click(int index) {
    session_.openRecent(index);
}

bool frmChqList::exitLedgerine() {
    if (!session_.confirmExit())
        return false;
    ::help::WinHelpA(this, nullptr, ::help::HELP_QUIT, 0);
    Settings current = settings_;
    current.messages = messages_;
    current.formHeight = twipsFromPixels(height());
    current.formWidth = twipsFromPixels(width());
    current.listHeight = listSizeTwips().height();
    current.listWidth = listSizeTwips().width();
    for (const std::string& message : writeSettingsAtExit(store_, current))
        prompter_.msgBox(qs(message), ui::vbOKOnly + ui::vbExclamation, QString::fromLatin1(kAppTitle));
    codes_->saveAtExit(); // a failure has shown its box; the program still ends
    return true;
}

void frmChqList::closeEvent(QCloseEvent* event) {
    if (!exiting_ && !exitLedgerine()) {
        event->ignore();
        return;
    }
    exiting_ = true;
    event->accept();
}

} // namespace ledger
