#pragma once

#include "ole/Variant.h"

#include <QFont>
#include <QMetaObject>
#include <QObject>
#include <QString>

#include <memory>

namespace ole {

// The description a font holder starts from (the classic FONTDESC; size in currency points).
struct FONTDESC {
    QString lpstrName = QStringLiteral("MS Sans Serif");
    Currency cySize{82500}; // 8.25 points
    short sWeight = 400;
    short sCharset = 0; // ANSI
    bool fItalic = false;
    bool fUnderline = false;
    bool fStrikethrough = false;
};

// The font object (IFont): shared between holders and containers, telling its listeners when it
// changes.
class FontObject : public QObject {
    Q_OBJECT
public:
    explicit FontObject(const FONTDESC& desc = {});
    std::shared_ptr<FontObject> clone() const;

    QString name() const { return name_; }
    Currency size() const { return size_; }
    short weight() const { return weight_; }
    short charset() const { return charset_; }
    bool bold() const { return weight_ >= 700; }
    bool italic() const { return italic_; }
    bool underline() const { return underline_; }
    bool strikethrough() const { return strikethrough_; }

    void setName(QString v);
    void setSize(Currency v);
    void setWeight(short v);
    void setCharset(short v);
    void setBold(bool v) { setWeight(v ? 700 : 400); }
    void setItalic(bool v);
    void setUnderline(bool v);
    void setStrikethrough(bool v);

    FONTDESC description() const;
    QFont toQFont() const;
    bool sameAs(const FontObject& o) const;

Q_SIGNALS:
    void changed();

private:
    QString name_;
    Currency size_;
    short weight_ = 400;
    short charset_ = 0;
    bool italic_ = false;
    bool underline_ = false;
    bool strikethrough_ = false;
};

// Holds a font property of a control (CFontHolder) and tells the control when the font changes.
class CFontHolder {
public:
    CFontHolder() = default;
    ~CFontHolder();
    CFontHolder(const CFontHolder&) = delete;
    CFontHolder& operator=(const CFontHolder&) = delete;

    // Called when the held font changes (the control invalidates itself).
    void setNotify(std::function<void()> notify) { notify_ = std::move(notify); }

    // Takes a copy of the given font, or makes a new one from desc (the standard font when null).
    void InitializeFont(const FONTDESC* desc = nullptr, const std::shared_ptr<FontObject>& font = nullptr);
    std::shared_ptr<FontObject> GetFontDispatch() const { return font_; }
    FontObject* font() const { return font_.get(); }
    QFont GetFontHandle() const { return font_ ? font_->toQFont() : QFont(); }
    void ReleaseFont();

private:
    std::shared_ptr<FontObject> font_;
    QMetaObject::Connection connection_;
    std::function<void()> notify_;
};

} // namespace ole
