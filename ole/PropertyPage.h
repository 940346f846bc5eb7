#pragma once

#include "ole/OleControl.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <set>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ole {

class COlePropertyPage;

// One run of a page's exchange: loading values into the page, or saving (and validating) them.
class CDataExchange {
public:
    CDataExchange(COlePropertyPage* page, bool save) : m_pDlgWnd(page), m_bSaveAndValidate(save) {}
    // Refuses the exchange: the focus goes to the control last exchanged, and nothing is written.
    [[noreturn]] void Fail();

    COlePropertyPage* m_pDlgWnd;
    bool m_bSaveAndValidate;
    int m_idLastControl = 0;
};

// The base of a property page: a dialog of controls bound to properties of the selected controls
// by name. Values are read from the first control when the page loads and written to every
// selected control when it is applied (only the properties whose page control was changed).
class COlePropertyPage : public QWidget {
    Q_OBJECT
public:
    COlePropertyPage(int dialogId, QString caption, QWidget* parent = nullptr);
    ~COlePropertyPage() override;

    int dialogId() const { return dialogId_; }
    const QString& caption() const { return caption_; }

    // The controls the page edits (the property frame's selection); loads the page from them.
    void SetObjects(std::vector<COleControl*> objects);
    const std::vector<COleControl*>& GetObjects() const { return objects_; }
    // Loads (false) or applies (true); false when a value was refused (the message is reported).
    bool UpdateData(bool saveAndValidate);
    bool Apply() { return UpdateData(true); }
    bool isDirty() const { return !changed_.empty(); }

    // Where the page's messages go (the frame's prompter); without one they are only kept.
    void setReporter(std::function<void(const QString&)> report) { report_ = std::move(report); }
    const QString& lastMessage() const { return lastMessage_; }
    void report(const QString& text);

    // A dialog control by its id (its object name is "ctl<id>").
    QWidget* control(int id) const;
    // Dialog units of the page's font (MS Sans Serif 8) to pixels.
    static QRect dluToPixels(const QRect& dlu);

    // ---- For the exchange functions ----
    bool loading() const { return loading_; }
    bool isChanged(int id) const { return changed_.count(id) != 0; }
    void addPending(const QString& property, std::function<Variant()> value);
    // Writes the collected values to every selected control; a refusal raises the setter's error.
    void writePending();

protected:
    virtual void DoDataExchange(CDataExchange* pDX) = 0;

    // Dialog building, positions in dialog units (x, y, width, height).
    QComboBox* addCombo(int id, const QRect& dlu, const QStringList& items, bool sorted = true);
    QLineEdit* addEdit(int id, const QRect& dlu);
    QCheckBox* addCheck(int id, const QString& text, const QRect& dlu);
    QPushButton* addButton(int id, const QString& text, const QRect& dlu);
    QLabel* addLabel(const QString& text, const QRect& dlu, QWidget* buddy);

private:
    void markChanged(int id);

    int dialogId_;
    QString caption_;
    std::vector<COleControl*> objects_;
    std::set<int> changed_;
    std::vector<std::pair<QString, std::function<Variant()>>> pending_;
    std::function<void(const QString&)> report_;
    QString lastMessage_;
    bool loading_ = false;
};

// The exchange functions of pages, under the classic names: DDX_ moves a value between a dialog
// control and a page member, DDV_ checks it, DDP_ moves it between the member and a property.
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_CBString(CDataExchange* pDX, int id, QString& text);
void DDX_Check(CDataExchange* pDX, int id, int& state);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDP_Text(CDataExchange* pDX, int id, int& member, const QString& property);
void DDP_CBIndex(CDataExchange* pDX, int id, int& member, const QString& property);
void DDP_CBString(CDataExchange* pDX, int id, QString& member, const QString& property);
void DDP_Check(CDataExchange* pDX, int id, int& member, const QString& property);
// Writes the values collected while saving to every selected control.
void DDP_PostProcessing(CDataExchange* pDX);

} // namespace ole
