#include "ole/FontHolder.h"

#include <algorithm>

namespace ole {

FontObject::FontObject(const FONTDESC& d)
    : name_(d.lpstrName), size_(d.cySize), weight_(d.sWeight), charset_(d.sCharset), italic_(d.fItalic),
      underline_(d.fUnderline), strikethrough_(d.fStrikethrough) {}

std::shared_ptr<FontObject> FontObject::clone() const {
    return std::make_shared<FontObject>(description());
}

FONTDESC FontObject::description() const {
    return FONTDESC{name_, size_, weight_, charset_, italic_, underline_, strikethrough_};
}

bool FontObject::sameAs(const FontObject& o) const {
    return name_ == o.name_ && size_ == o.size_ && weight_ == o.weight_ && charset_ == o.charset_ &&
           italic_ == o.italic_ && underline_ == o.underline_ && strikethrough_ == o.strikethrough_;
}

// Each setter tells the listeners only about a real change, as IFont's notifications do.
#define VX_FONT_SETTER(fn, field)                                                                            \
    void FontObject::fn(decltype(field) v) {                                                                 \
        if (field == v)                                                                                      \
            return;                                                                                          \
        field = v;                                                                                           \
        Q_EMIT changed();                                                                                    \
    }
VX_FONT_SETTER(setName, name_)
VX_FONT_SETTER(setSize, size_)
VX_FONT_SETTER(setWeight, weight_)
VX_FONT_SETTER(setCharset, charset_)
VX_FONT_SETTER(setItalic, italic_)
VX_FONT_SETTER(setUnderline, underline_)
VX_FONT_SETTER(setStrikethrough, strikethrough_)
#undef VX_FONT_SETTER

QFont FontObject::toQFont() const {
    QFont f(name_);
    f.setPointSizeF(std::max(1.0, static_cast<double>(size_.ticks) / 10000.0));
    f.setWeight(static_cast<QFont::Weight>(std::clamp(static_cast<int>(weight_), 1, 1000)));
    f.setItalic(italic_);
    f.setUnderline(underline_);
    f.setStrikeOut(strikethrough_);
    return f;
}

CFontHolder::~CFontHolder() {
    ReleaseFont();
}

void CFontHolder::InitializeFont(const FONTDESC* desc, const std::shared_ptr<FontObject>& font) {
    ReleaseFont();
    font_ = font ? font->clone() : std::make_shared<FontObject>(desc ? *desc : FONTDESC{});
    connection_ = QObject::connect(font_.get(), &FontObject::changed, [this] {
        if (notify_)
            notify_();
    });
}

void CFontHolder::ReleaseFont() {
    QObject::disconnect(connection_);
    font_.reset();
}

} // namespace ole
