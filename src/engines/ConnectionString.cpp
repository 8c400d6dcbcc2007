#include "ConnectionString.h"

#include "../package/Exceptions.h"
#include "../package/SysUtils.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace schemakit {

namespace {

// libpq's connection keywords (PostgreSQL 15 and 16).
constexpr std::array<QStringView, 39> kPgKeywords{u"host",
                                                  u"hostaddr",
                                                  u"port",
                                                  u"dbname",
                                                  u"user",
                                                  u"password",
                                                  u"passfile",
                                                  u"channel_binding",
                                                  u"connect_timeout",
                                                  u"client_encoding",
                                                  u"options",
                                                  u"application_name",
                                                  u"fallback_application_name",
                                                  u"keepalives",
                                                  u"keepalives_idle",
                                                  u"keepalives_interval",
                                                  u"keepalives_count",
                                                  u"tcp_user_timeout",
                                                  u"replication",
                                                  u"gssencmode",
                                                  u"sslmode",
                                                  u"requiressl",
                                                  u"sslcompression",
                                                  u"sslcert",
                                                  u"sslkey",
                                                  u"sslpassword",
                                                  u"sslrootcert",
                                                  u"sslcrl",
                                                  u"sslcrldir",
                                                  u"sslsni",
                                                  u"requirepeer",
                                                  u"ssl_min_protocol_version",
                                                  u"ssl_max_protocol_version",
                                                  u"krbsrvname",
                                                  u"gsslib",
                                                  u"gssdelegation",
                                                  u"service",
                                                  u"target_session_attrs",
                                                  u"load_balance_hosts"};

bool IsPgKeyword(QStringView word)
{
    for (QStringView k : kPgKeywords) {
        if (k == word)
            return true;
    }
    return false;
}

bool StartsWithText(QStringView text, QStringView prefix)
{
    return text.size() >= prefix.size() && SameText(text.left(prefix.size()), prefix);
}

qsizetype UriSchemeLength(QStringView text)
{
    for (QStringView scheme : {QStringView(u"postgresql://"), QStringView(u"postgres://")}) {
        if (StartsWithText(text, scheme))
            return scheme.size();
    }
    return 0;
}

[[noreturn]] void Malformed(const QString& why)
{
    throw Exception(QCoreApplication::translate("schemakit", "Invalid PostgreSQL connection string: %1").arg(why));
}

void SetOption(TPgConnectionParams& p, const QString& key, const QString& value)
{
    for (auto& option : p.Options) {
        if (option.first == key) {
            option.second = value;
            return;
        }
    }
    p.Options.append({key, value});
}

void RemoveOption(TPgConnectionParams& p, const QString& key)
{
    p.Options.removeIf([&](const QPair<QString, QString>& option) { return option.first == key; });
}

// Later keywords replace earlier ones, as in libpq.
void Assign(TPgConnectionParams& p, const QString& key, const QString& value)
{
    if (key == u"host") {
        p.Host = value;
    } else if (key == u"dbname") {
        p.DatabaseName = value;
    } else if (key == u"user") {
        p.UserName = value;
    } else if (key == u"password") {
        p.Password = value;
    } else if (key == u"port") {
        bool ok = false;
        const int port = value.toInt(&ok);
        const bool plain = ok && port > 0 && port < 65536 && value.front().isDigit();
        p.Port = plain ? port : -1;
        // Several ports (one per host) or a text libpq should judge itself.
        RemoveOption(p, key);
        if (!plain && !value.isEmpty())
            SetOption(p, key, value);
    } else {
        SetOption(p, key, value);
    }
}

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QString PercentDecoded(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%') {
            if (i + 2 >= text.size() || !IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2]))
                Malformed(QCoreApplication::translate("schemakit", "bad percent escape in \"%1\"").arg(text));
            i += 2;
        }
    }
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

// postgresql://[user[:password]@][host[:port][,host[:port]...]][/dbname][?key=value&...]
TPgConnectionParams ParseUri(QStringView text, qsizetype schemeLength)
{
    TPgConnectionParams p;
    QStringView rest = text.mid(schemeLength);
    QStringView query;
    if (const qsizetype q = rest.indexOf(u'?'); q >= 0) {
        query = rest.mid(q + 1);
        rest = rest.left(q);
    }
    QStringView authority = rest;
    if (const qsizetype slash = rest.indexOf(u'/'); slash >= 0) {
        authority = rest.left(slash);
        p.DatabaseName = PercentDecoded(rest.mid(slash + 1));
    }
    if (const qsizetype at = authority.lastIndexOf(u'@'); at >= 0) {
        const QStringView userInfo = authority.left(at);
        authority = authority.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(u':');
        p.UserName = PercentDecoded(colon < 0 ? userInfo : userInfo.left(colon));
        if (colon >= 0)
            p.Password = PercentDecoded(userInfo.mid(colon + 1));
    }

    QStringList hosts;
    QStringList ports;
    bool anyPort = false;
    for (QStringView hostSpec : authority.split(u',')) {
        QStringView host = hostSpec;
        QStringView port;
        if (hostSpec.startsWith(u'[')) { // [IPv6 address]
            const qsizetype close = hostSpec.indexOf(u']');
            if (close < 0)
                Malformed(QCoreApplication::translate("schemakit", "unclosed \"[\" in the host"));
            host = hostSpec.mid(1, close - 1);
            if (close + 1 < hostSpec.size()) {
                if (hostSpec[close + 1] != u':')
                    Malformed(QCoreApplication::translate("schemakit", "unexpected text after \"]\""));
                port = hostSpec.mid(close + 2);
            }
        } else if (const qsizetype colon = hostSpec.indexOf(u':'); colon >= 0) {
            host = hostSpec.left(colon);
            port = hostSpec.mid(colon + 1);
        }
        hosts << PercentDecoded(host);
        ports << port.toString();
        anyPort = anyPort || !port.isEmpty();
    }
    if (std::any_of(hosts.cbegin(), hosts.cend(), [](const QString& host) { return !host.isEmpty(); }))
        Assign(p, QStringLiteral("host"), hosts.join(u','));
    if (anyPort)
        Assign(p, QStringLiteral("port"), ports.join(u','));

    if (!query.isEmpty()) {
        for (QStringView item : query.split(u'&', Qt::SkipEmptyParts)) {
            const qsizetype eq = item.indexOf(u'=');
            if (eq <= 0)
                Malformed(QCoreApplication::translate("schemakit", "\"%1\" is not key=value").arg(item));
            Assign(p, PercentDecoded(item.left(eq)), PercentDecoded(item.mid(eq + 1)));
        }
    }
    return p;
}

// keyword = value pairs separated by blanks; a value is either a run of non-blank
// characters or a single-quoted text, in both of which "\x" stands for "x".
TPgConnectionParams ParseKeywordValue(QStringView text)
{
    TPgConnectionParams p;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };
    while (true) {
        skipBlanks();
        if (i >= n)
            break;
        const qsizetype keyStart = i;
        while (i < n && !text[i].isSpace() && text[i] != u'=')
            ++i;
        const QString key = text.mid(keyStart, i - keyStart).toString();
        if (key.isEmpty())
            Malformed(
                QCoreApplication::translate("schemakit", "a value without a keyword at position %1").arg(keyStart + 1));
        skipBlanks();
        if (i >= n || text[i] != u'=')
            Malformed(QCoreApplication::translate("schemakit", "missing \"=\" after \"%1\"").arg(key));
        ++i;
        skipBlanks();
        QString value;
        if (i < n && text[i] == u'\'') {
            ++i;
            bool closed = false;
            while (i < n) {
                if (text[i] == u'\\' && i + 1 < n) {
                    value += text[i + 1];
                    i += 2;
                } else if (text[i] == u'\'') {
                    ++i;
                    closed = true;
                    break;
                } else {
                    value += text[i++];
                }
            }
            if (!closed)
                Malformed(QCoreApplication::translate("schemakit", "unterminated quoted value of \"%1\"").arg(key));
        } else {
            while (i < n && !text[i].isSpace()) {
                if (text[i] == u'\\' && i + 1 < n)
                    ++i;
                value += text[i++];
            }
        }
        Assign(p, key, value);
    }
    return p;
}

QString QuotedOptionValue(const QString& value)
{
    QString quoted = value;
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + quoted + u'\'';
}

} // namespace

QString TPgConnectionParams::ConnectOptions() const
{
    QStringList items;
    for (const auto& [key, value] : Options) {
        if (value.contains(u';') || key.contains(u';'))
            Malformed(QCoreApplication::translate("schemakit",
                                                  "the value of \"%1\" holds a \";\", which cannot be passed on")
                          .arg(key));
        items << key + u'=' + QuotedOptionValue(value);
    }
    return items.join(u';');
}

bool IsPgConnectionString(QStringView text)
{
    text = text.trimmed();
    if (UriSchemeLength(text) > 0)
        return true;
    qsizetype i = 0;
    while (i < text.size() && (text[i].isLetter() || text[i] == u'_'))
        ++i;
    const QStringView keyword = text.left(i);
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i < text.size() && text[i] == u'=' && IsPgKeyword(keyword);
}

TPgConnectionParams ParsePgConnectionString(QStringView text)
{
    text = text.trimmed();
    if (const qsizetype scheme = UriSchemeLength(text); scheme > 0)
        return ParseUri(text, scheme);
    return ParseKeywordValue(text);
}

} // namespace schemakit
