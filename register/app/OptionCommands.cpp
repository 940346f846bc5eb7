#include "register/app/OptionCommands.h"

#include "register/app/AppSettings.h"
#include "register/app/QtText.h"
#include "register/app/frmAbout.h"
#include "register/app/frmChqList.h"
#include "register/app/frmInfo.h"
#include "register/core/Options.h"
#include "ui/Prompter.h"

#include <QApplication>
#include <QFont>

namespace ledger {

namespace {

// The hourglass and a tip on the hint line while the lists are rebuilt.
class BusyTip {
public:
    BusyTip(frmChqList& window, std::string_view text) : window_(window) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        window_.showTip(qs(text));
    }
    ~BusyTip() {
        window_.showTip(QString());
        QApplication::restoreOverrideCursor();
    }
    BusyTip(const BusyTip&) = delete;
    BusyTip& operator=(const BusyTip&) = delete;

private:
    frmChqList& window_;
};

} // namespace

OptionCommands::OptionCommands(frmChqList& window, ui::Prompter& prompter, QString programFile)
    : QObject(&window), window_(window), prompter_(prompter), programFile_(std::move(programFile)) {}

void OptionCommands::mnuTextColor_Click() {
    chooseColor(true);
}

void OptionCommands::mnuBackColor_Click() {
    chooseColor(false);
}

void OptionCommands::chooseColor(bool text) {
    Settings& options = window_.options();
    std::uint32_t& stored = text ? options.textColor : options.backColor;
    const std::optional<QColor> chosen =
        prompter_.chooseColor(colorFromRgbNumber(stored), qs(text ? kTextColorTitle : kBackColorTitle));
    if (!chosen || !chosen->isValid())
        return; // cancelled: nothing changes
    stored = rgbNumberFromColor(*chosen);
    window_.applyListLook();
}

void OptionCommands::mnuCustFonts_Click() {
    Settings& options = window_.options();
    const ListFont current = listFontOf(options);
    QFont initial(qs(current.name));
    initial.setPointSizeF(current.size);
    initial.setBold(current.bold);
    initial.setItalic(current.italic);
    const std::optional<QFont> font = prompter_.chooseFont(initial);
    if (!font)
        return;
    const ListFont chosen{utf8(font->family()), font->pointSizeF(), font->bold(), font->italic()};
    switch (fontDecision(current, chosen)) {
    case FontDecision::NoChangeNeeded:
        prompter_.msgBox(qs(kDefaultFontCurrent), ui::vbOKOnly + ui::vbExclamation, qs(kFontSelectionTitle));
        return;
    case FontDecision::AskCaution:
        if (prompter_.msgBox(qs(kLargeFontCaution), ui::vbYesNo + ui::vbExclamation, qs(kFontSelectionTitle)) !=
            ui::vbYes)
            return;
        break;
    case FontDecision::Apply:
        break;
    }
    storeListFont(options, chosen);
    const BusyTip busy(window_, kChangingFontsTip);
    window_.applyListLook();
    window_.refreshRegister();
}

void OptionCommands::mnuRestoreDefaults_Click() {
    const BusyTip busy(window_, kRestoringDefaultsTip);
    Settings& options = window_.options();
    const bool fontChanged = restoreDefaults(options, builtInSettings());
    window_.applyOptions(); // sizes, messages shown, colours and font
    if (fontChanged)
        window_.refreshRegister();
}

void OptionCommands::mnuInfo_Click() {
    frmInfo info(window_, &window_);
    prompter_.runModal(info);
}

void OptionCommands::mnuAboutLedgrn_Click() {
    frmAbout about(programFile_, &window_);
    prompter_.runModal(about);
}

} // namespace ledger
