#include "ole/PropertyBag.h"

#include "ole/AutomationError.h"
#include "ole/FontHolder.h"
#include "ole/PictureHolder.h"

#include <QBuffer>
#include <QList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ole {

namespace {

constexpr char kHeader[] = "VxPropertyBag 1";

QByteArray quote(const QString& s) {
    QByteArray out = "\"";
    for (const char c : s.toUtf8()) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20)
                out += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
            else
                out += c;
        }
    }
    return out + '"';
}

QByteArray boolText(bool b) {
    return b ? "True" : "False";
}

QByteArray pictureText(const PictureObject* p) {
    if (!p || p->type() == PICTYPE_NONE || p->type() == PICTYPE_UNINITIALIZED)
        return "none";
    if (p->type() == PICTYPE_METAFILE || p->type() == PICTYPE_ENHMETAFILE)
        return QByteArray(p->type() == PICTYPE_METAFILE ? "metafile," : "enhmetafile,") +
               p->metafileBytes().toBase64();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    p->image().save(&buffer, "PNG");
    return QByteArray(p->type() == PICTYPE_ICON ? "icon," : "bitmap,") + png.toBase64();
}

// Reads a quoted string at pos; false on a missing quote or a bad escape.
bool unquote(const QByteArray& text, qsizetype& pos, QString& out) {
    if (pos >= text.size() || text[pos] != '"')
        return false;
    QByteArray bytes;
    for (++pos; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            ++pos;
            out = QString::fromUtf8(bytes);
            return true;
        }
        if (c != '\\') {
            bytes += c;
            continue;
        }
        if (++pos >= text.size())
            return false;
        switch (text[pos]) {
        case '"':
            bytes += '"';
            break;
        case '\\':
            bytes += '\\';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 'r':
            bytes += '\r';
            break;
        case 't':
            bytes += '\t';
            break;
        case 'x': {
            if (pos + 2 >= text.size())
                return false;
            bool ok = false;
            const int v = text.mid(pos + 1, 2).toInt(&ok, 16);
            if (!ok)
                return false;
            bytes += static_cast<char>(v);
            pos += 2;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

std::optional<bool> parseBool(const QByteArray& t) {
    if (t == "True" || t == "-1")
        return true;
    if (t == "False" || t == "0")
        return false;
    return std::nullopt;
}

std::optional<std::int64_t> parseInteger(const QByteArray& t, std::int64_t lo, std::int64_t hi) {
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok, 10);
    if (!ok || v < lo || v > hi)
        return std::nullopt;
    return v;
}

std::optional<double> parseReal(const QByteArray& t) {
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<Currency> parseCurrency(const QByteArray& t) {
    const qsizetype dot = t.indexOf('.');
    const QByteArray whole = dot < 0 ? t : t.left(dot);
    QByteArray frac = dot < 0 ? QByteArray() : t.mid(dot + 1);
    if (frac.size() > 4 || whole.isEmpty() || whole.size() > 15)
        return std::nullopt;
    for (const char c : frac)
        if (c < '0' || c > '9')
            return std::nullopt;
    const auto w = parseInteger(whole, -999999999999999, 999999999999999);
    if (!w)
        return std::nullopt;
    const std::int64_t f = frac.leftJustified(4, '0').toLongLong();
    const bool negative = whole.startsWith('-');
    return Currency{*w * 10000 + (negative ? -f : f)};
}

std::optional<OLE_COLOR> parseColor(const QByteArray& t) {
    if (t.size() < 4 || !t.startsWith("&H") || !t.endsWith('&') || t.size() > 12)
        return std::nullopt;
    bool ok = false;
    const qulonglong v = t.mid(2, t.size() - 3).toULongLong(&ok, 16);
    if (!ok || v > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<OLE_COLOR>(v);
}

std::optional<Variant> parseFont(const QByteArray& t) {
    FONTDESC d;
    qsizetype pos = 0;
    if (!unquote(t, pos, d.lpstrName) || pos >= t.size() || t[pos] != ',')
        return std::nullopt;
    const QList<QByteArray> parts = t.mid(pos + 1).split(',');
    if (parts.size() != 6)
        return std::nullopt;
    const auto size = parseCurrency(parts[0]);
    const auto weight = parseInteger(parts[1], 0, 1000);
    const auto charset = parseInteger(parts[2], 0, 255);
    const auto italic = parseBool(parts[3]);
    const auto underline = parseBool(parts[4]);
    const auto strike = parseBool(parts[5]);
    if (!size || size->ticks < 0 || !weight || !charset || !italic || !underline || !strike)
        return std::nullopt;
    d.cySize = *size;
    d.sWeight = static_cast<short>(*weight);
    d.sCharset = static_cast<short>(*charset);
    d.fItalic = *italic;
    d.fUnderline = *underline;
    d.fStrikethrough = *strike;
    return Variant::fromFont(std::make_shared<FontObject>(d));
}

bool validName(const QByteArray& n) {
    if (n.isEmpty() || n.size() > PropertyBag::kMaxNameLength)
        return false;
    for (const char c : n)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

std::shared_ptr<PictureObject> decodePicture(const QByteArray& text) {
    if (text == "none")
        return std::make_shared<PictureObject>(PICTYPE_NONE, QImage());
    const qsizetype comma = text.indexOf(',');
    const QByteArray kind = text.left(comma);
    const auto decoded =
        QByteArray::fromBase64Encoding(text.mid(comma + 1), QByteArray::AbortOnBase64DecodingErrors);
    if (comma < 0 || !decoded)
        throw AutomationError(CTL_E_INVALIDPICTURE, QStringLiteral("Invalid picture"));
    std::shared_ptr<PictureObject> p;
    if (kind == "metafile" || kind == "enhmetafile") {
        if (!decoded.decoded.isEmpty())
            p = std::make_shared<PictureObject>(kind == "metafile" ? PICTYPE_METAFILE : PICTYPE_ENHMETAFILE,
                                                QImage(), decoded.decoded);
    } else if (kind == "bitmap" || kind == "icon") {
        p = PictureObject::fromFileBytes(decoded.decoded, QStringLiteral("stored.png"));
        if (p && kind == "icon")
            p = PictureObject::icon(p->image());
    }
    if (!p)
        throw AutomationError(CTL_E_INVALIDPICTURE, QStringLiteral("Invalid picture"));
    return p;
}

} // namespace

QByteArray encodeBagValue(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
        return {};
    case VarType::Bool:
        return boolText(v.toBool());
    case VarType::Short:
    case VarType::Long:
        return QByteArray::number(v.toLong());
    case VarType::Float:
        return QByteArray::number(static_cast<double>(v.toFloat()), 'g', 9);
    case VarType::Double:
        return QByteArray::number(v.toDouble(), 'g', 17);
    case VarType::Currency:
        return v.toString().toLatin1();
    case VarType::String:
        return quote(v.toString());
    case VarType::Color:
        return v.display().toLatin1();
    case VarType::Font: {
        const auto f = v.toFont();
        return quote(f->name()) + ',' + Variant::fromCurrency(f->size()).toString().toLatin1() + ',' +
               QByteArray::number(f->weight()) + ',' + QByteArray::number(f->charset()) + ',' +
               boolText(f->italic()) + ',' + boolText(f->underline()) + ',' + boolText(f->strikethrough());
    }
    case VarType::Picture:
        return pictureText(v.toPicture().get());
    }
    return {};
}

const PropertyBag::Entry* PropertyBag::find(const QString& name) const {
    for (const Entry& e : entries_)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    return nullptr;
}

void PropertyBag::write(const QString& name, const Variant& value) {
    if (auto* e = const_cast<Entry*>(find(name))) {
        e->value = value;
        e->pictureText.clear();
        return;
    }
    entries_.push_back(Entry{name, value, {}});
}

std::optional<Variant> PropertyBag::read(const QString& name) const {
    const Entry* e = find(name);
    if (!e)
        return std::nullopt;
    if (!e->pictureText.isEmpty())
        return Variant::fromPicture(decodePicture(e->pictureText));
    return e->value;
}

bool PropertyBag::contains(const QString& name) const {
    return find(name) != nullptr;
}

QStringList PropertyBag::names() const {
    QStringList out;
    for (const Entry& e : entries_)
        out << e.name;
    return out;
}

QByteArray PropertyBag::save() const {
    // Appended piece by piece into one buffer: a control's bag is saved whenever its form is.
    QByteArray out;
    out.reserve(static_cast<qsizetype>(sizeof kHeader) + 48 * static_cast<qsizetype>(entries_.size()));
    out.append(kHeader).append('\n');
    for (const Entry& e : entries_) {
        const VarType type = e.pictureText.isEmpty() ? e.value.type() : VarType::Picture;
        out.append(e.name.toUtf8()).append(':').append(varTypeName(type).toLatin1()).append('=');
        out.append(e.pictureText.isEmpty() ? encodeBagValue(e.value) : e.pictureText).append('\n');
    }
    return out;
}

struct BagParser {
    static std::optional<QString> parseLine(const QByteArray& line, PropertyBag& bag) {
        const qsizetype colon = line.indexOf(':');
        const qsizetype equals = line.indexOf('=');
        if (colon < 0 || equals < colon)
            return QStringLiteral("expected Name:type=value");
        const QByteArray name = line.left(colon);
        if (!validName(name))
            return QStringLiteral("bad property name");
        if (bag.find(QString::fromLatin1(name)))
            return QStringLiteral("property %1 is stored twice").arg(QString::fromLatin1(name));
        bool known = false;
        const VarType type =
            varTypeFromName(QString::fromLatin1(line.mid(colon + 1, equals - colon - 1)), &known);
        if (!known)
            return QStringLiteral("unknown type");
        const QByteArray text = line.mid(equals + 1);
        std::optional<Variant> v;
        switch (type) {
        case VarType::Bool:
            if (const auto b = parseBool(text))
                v = Variant::fromBool(*b);
            break;
        case VarType::Short:
            if (const auto i = parseInteger(text, -32768, 32767))
                v = Variant::fromShort(static_cast<std::int16_t>(*i));
            break;
        case VarType::Long:
            if (const auto i = parseInteger(text, std::numeric_limits<std::int32_t>::min(),
                                            std::numeric_limits<std::int32_t>::max()))
                v = Variant::fromLong(static_cast<std::int32_t>(*i));
            break;
        case VarType::Float:
            if (const auto d = parseReal(text); d && std::abs(*d) <= std::numeric_limits<float>::max())
                v = Variant::fromFloat(static_cast<float>(*d));
            break;
        case VarType::Double:
            if (const auto d = parseReal(text))
                v = Variant::fromDouble(*d);
            break;
        case VarType::Currency:
            if (const auto c = parseCurrency(text))
                v = Variant::fromCurrency(*c);
            break;
        case VarType::String: {
            QString s;
            qsizetype pos = 0;
            if (unquote(text, pos, s) && pos == text.size())
                v = Variant::fromString(s);
            break;
        }
        case VarType::Color:
            if (const auto c = parseColor(text))
                v = Variant::fromColor(*c);
            break;
        case VarType::Font:
            v = parseFont(text);
            break;
        case VarType::Picture:
            // Kept as text: a picture is decoded when it is read, where a bad one is handled. A
            // control character (a stray CR) is never part of a picture and would not be written back
            // as read.
            if (text.isEmpty() || std::any_of(text.begin(), text.end(),
                                              [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
                return QStringLiteral("bad picture value");
            bag.entries_.push_back(PropertyBag::Entry{QString::fromLatin1(name), Variant(), text});
            return std::nullopt;
        case VarType::Empty:
            if (text.isEmpty())
                v = Variant();
            break;
        }
        if (!v)
            return QStringLiteral("bad %1 value").arg(varTypeName(type));
        bag.entries_.push_back(PropertyBag::Entry{QString::fromLatin1(name), *v, {}});
        return std::nullopt;
    }
};

BagReadResult PropertyBag::load(const QByteArray& text) {
    BagReadResult result;
    if (text.size() > kMaxBytes) {
        result.problems << QStringLiteral("The property storage is too large.");
        return result;
    }
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    if (lines.isEmpty() || lines.first() != kHeader) {
        result.problems << QStringLiteral("This is not a property storage.");
        return result;
    }
    result.ok = true;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        if (i > kMaxLines) {
            result.problems << QStringLiteral("Line %1: too many lines; the rest is ignored").arg(i + 1);
            break;
        }
        if (const auto problem = BagParser::parseLine(line, result.bag))
            result.problems << QStringLiteral("Line %1: %2").arg(i + 1).arg(*problem);
    }
    return result;
}

} // namespace ole
