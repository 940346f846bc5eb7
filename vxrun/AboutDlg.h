#pragma once

#include <QDialog>

#include <functional>

namespace vxrun {

// The runtime's About box. It never runs itself: the caller shows it through its own way of
// running modal dialogs (the prompter), so that tests can answer it.
class CVxAboutDlg : public QDialog {
public:
    // flag non-zero adds the runtime's module name and version line.
    CVxAboutDlg(QWidget* parent, int flag);

    // Shows the box through runModal and returns its result.
    int DoModal(const std::function<int(QDialog&)>& runModal);
};

} // namespace vxrun
