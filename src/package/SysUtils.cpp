#include "SysUtils.h"

#include "Exceptions.h"

#include <QCoreApplication>

namespace schemakit {

namespace {
inline char16_t FoldAscii(char16_t c) noexcept
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}
} // namespace

bool SameText(QStringView a, QStringView b) noexcept
{
    if (a.size() != b.size())
        return false;
    const char16_t* pa = a.utf16();
    const char16_t* pb = b.utf16();
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (pa[i] != pb[i] && FoldAscii(pa[i]) != FoldAscii(pb[i]))
            return false;
    }
    return true;
}

QString UpperCaseAscii(QStringView s)
{
    QString r(s.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(r.data());
    for (qsizetype i = 0; i < s.size(); ++i)
        out[i] = FoldAscii(s.utf16()[i]);
    return r;
}

int StrToInt(const QString& text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    // QString::toInt accepts surrounding blanks; a strict conversion does not.
    if (!ok || text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        throw EConvertError(QCoreApplication::translate("schemakit", "'%1' is not a valid integer value").arg(text));
    return v;
}

} // namespace schemakit
