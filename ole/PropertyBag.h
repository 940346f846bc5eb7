#pragma once

#include "ole/Variant.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace ole {

struct BagReadResult;

// The property storage a container keeps in its document: named, typed values in the order they
// were written, stored as UTF-8 text, one property a line:
//
//   VxPropertyBag 1
//   AutoSize:bool=True
//   BevelSize:short=0
//   BorderColor:color=&H00646464&
//   TitleFontName:string="MS Sans Serif"
//   TitleFontSize:float=8.25
//   TitleFont:font="MS Sans Serif",12,700,0,False,False,False
//   Picture:picture=bitmap,<PNG bytes in base64>   (or "none"; "icon,..." and "metafile,..." too)
//
// Names are letters, digits and "_" (at most 64) and are matched without regard to case. Strings are
// quoted with \" \\ \n \r \t escapes. Blank lines and lines starting with "#" are ignored. Reading
// never trusts the text: a line that breaks these rules is reported and skipped; the rest is kept.
class PropertyBag {
public:
    static constexpr int kMaxNameLength = 64;
    static constexpr int kMaxLines = 10000;
    static constexpr qsizetype kMaxBytes = 16 * 1024 * 1024;

    // Replaces the value of an existing name in place, or appends.
    void write(const QString& name, const Variant& value);
    // Nothing when the name is absent. A stored picture is decoded here; a picture that cannot be
    // decoded raises AutomationError (invalid picture).
    std::optional<Variant> read(const QString& name) const;
    bool contains(const QString& name) const;
    QStringList names() const;
    void clear() { entries_.clear(); }

    QByteArray save() const;
    static BagReadResult load(const QByteArray& text);

private:
    struct Entry {
        QString name;
        Variant value;
        QByteArray pictureText; // a picture as stored, decoded when read
    };
    const Entry* find(const QString& name) const;
    std::vector<Entry> entries_;
    friend struct BagParser;
};

struct BagReadResult {
    bool ok = false; // false: not a property bag at all (no header line); the bag is empty
    PropertyBag bag;
    QStringList problems; // "Line 4: ..." for every line that was skipped
};

// The text form of one value (the part after "=").
QByteArray encodeBagValue(const Variant& value);

} // namespace ole
