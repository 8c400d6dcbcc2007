#include "ResourceStrings.h"

#include "Exceptions.h"
#include "SchmCnst.h"

#include <QCoreApplication>
#include <QFile>

namespace schemakit {

namespace {

QHash<quint16, QString>& ActiveTable()
{
    static QHash<quint16, QString> table;
    return table;
}

QString Unescape(QStringView s)
{
    QString r;
    r.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\\' && i + 1 < s.size()) {
            const QChar c = s[++i];
            r += c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c;
        } else {
            r += s[i];
        }
    }
    return r;
}

} // namespace

QString TResourceString::Text() const
{
    const auto& table = ActiveTable();
    if (!table.isEmpty()) {
        auto it = table.constFind(FId);
        if (it != table.constEnd())
            return *it;
    }
    return QCoreApplication::translate("schemakit", FText, FIdentifier);
}

const QList<const TResourceString*>& ResourceStringTable()
{
    static const QList<const TResourceString*> table{
        &zbtNotValidTableParent,
        &zbtUniqueOnly,
        &zbtAggIsNotAllowed,
        &zbtItemLinked,
        &strColumnPage,
        &strOptionsPage,
        &strSQLPage,
        &strResultPage,
        &strFieldName,
        &strTableName,
        &strValueName,
        &strSortName,
        &strWhereName,
        &strGroupName,
        &strHavingName,
        &strValueAVG,
        &strValueCOUNT,
        &strValueMAX,
        &strValueMIN,
        &strValueSUM,
        &strSortASC,
        &strSortDESC,
        &sOK,
        &sCancel,
        &sNewSQL,
        &sOpenSQL,
        &sSaveSQL,
        &sShowGrid,
        &sShowTables,
        &sGenSQL,
        &sExecSQl,
        &sSchemaFiles,
        &sAllFiles,
        &sSelectAll,
        &sUnSelectAll,
        &sDeleteReleations,
        &sDeleteItem,
        &sEditRelation,
        &sDeleteRelation,
        &sChangeBackground,
        &sChangeFont,
    };
    return table;
}

const TResourceString* FindResourceString(quint16 id)
{
    for (const TResourceString* s : ResourceStringTable()) {
        if (s->Id() == id)
            return s;
    }
    return nullptr;
}

const TResourceString* FindResourceString(QStringView identifier)
{
    for (const TResourceString* s : ResourceStringTable()) {
        if (identifier == QLatin1String(s->Identifier()))
            return s;
    }
    return nullptr;
}

QString LoadResString(quint16 id)
{
    const TResourceString* s = FindResourceString(id);
    return s ? s->Text() : QString();
}

void SetResourceStringTable(const QHash<quint16, QString>& texts)
{
    ActiveTable() = texts;
}

void ResetResourceStringTable()
{
    ActiveTable().clear();
}

QHash<quint16, QString> ParseResourceStringTable(QIODevice& source)
{
    QHash<quint16, QString> table;
    int lineNo = 0;
    while (!source.atEnd()) {
        const QString line = QString::fromUtf8(source.readLine()).remove(QChar(0xFEFF));
        ++lineNo;
        QStringView text = QStringView(line);
        while (!text.isEmpty() && (text.back() == u'\n' || text.back() == u'\r'))
            text.chop(1);
        if (text.trimmed().isEmpty() || text.trimmed().startsWith(u'#'))
            continue;
        const qsizetype eq = text.indexOf(u'=');
        if (eq < 0)
            throw Exception(
                QCoreApplication::translate("schemakit", "Line %1 of the string table has no '='.").arg(lineNo));
        const QStringView key = text.left(eq).trimmed();
        bool isNumber = false;
        const uint id = key.toUInt(&isNumber);
        const TResourceString* s = isNumber && id <= 0xFFFF ? FindResourceString(quint16(id)) : FindResourceString(key);
        if (!s)
            throw Exception(QCoreApplication::translate("schemakit",
                                                        "Line %1 of the string table names an unknown string \"%2\".")
                                .arg(lineNo)
                                .arg(key.toString()));
        table.insert(s->Id(), Unescape(text.mid(eq + 1)));
    }
    return table;
}

void LoadResourceStringTable(QIODevice& source)
{
    SetResourceStringTable(ParseResourceStringTable(source));
}

void LoadResourceStringTable(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    LoadResourceStringTable(f);
}

} // namespace schemakit
