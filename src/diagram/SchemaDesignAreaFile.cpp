// The pane's schema file: SaveToStream, SaveToFile, LoadFromStream, LoadFromFile.
// The text format itself lives in SchemaFile; this side walks and rebuilds the
// diagram through the pane's public operations.

#include "SchemaDesignArea.h"

#include "SchemaFile.h"
#include "SchemaItem.h"
#include "SchemaRelation.h"
#include "SchemaShapes.h"
#include "SchemaSubItem.h"

#include "../package/Exceptions.h"
#include "../package/SysUtils.h"
#include "../package/TreeView.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QMetaMethod>
#include <QPointer>
#include <QSaveFile>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <limits>

namespace schemakit {

namespace {

using SchemaFile::SectionHeader;
using SchemaFile::TReader;
using SchemaFile::TSection;
using SchemaFile::TWriter;

const QString kWeb = QStringLiteral("https://schemakit.dev");
const QString kEMail = QStringLiteral("support@schemakit.dev");

// --- writing ---------------------------------------------------------------------------

// The rows of a box in row order, gathered in one pass (a tree's rows by index
// would cost a walk each).
QList<TSchemaSubItem*> RowsOf(const TSchemaItem& box)
{
    QList<TSchemaSubItem*> rows;
    if (TTreeView* tree = box.TreeControl()) {
        rows.reserve(tree->Count());
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            rows.append(static_cast<TSchemaSubItem*>(TTreeView::Data(*it)));
    } else {
        const int n = box.GetSubItemCount();
        rows.reserve(n);
        for (int i = 0; i < n; ++i)
            rows.append(box.GetSubItem(i));
    }
    // A node made behind the box's back has no row; it cannot be written, and the
    // rows after it are numbered as they will be read back.
    rows.removeAll(nullptr);
    return rows;
}

// Where each written row stands in its box, as the file numbers it.
struct RowPlace {
    const TSchemaItem* Box;
    int Position;
};

class DiagramWriter {
public:
    explicit DiagramWriter(const TSchemaDesignArea& pane) : FPane(pane) {}

    QByteArray Write()
    {
        // One walk over the child list; GetItem(i) would walk it once per box.
        QList<TSchemaItem*> boxes;
        QList<TSchemaRelation*> links;
        for (int i = 0; i < FPane.ControlCount(); ++i) {
            QObject* child = FPane.Controls(i);
            if (auto* box = qobject_cast<TSchemaItem*>(child))
                boxes.append(box);
            else if (auto* link = qobject_cast<TSchemaRelation*>(child);
                     link && link->ParentItem() && link->ChildItem())
                links.append(link); // a link without both boxes has nothing to name
        }
        FOut.Header(u"[General]");
        FOut.Text(u"WEB", kWeb);
        FOut.Text(u"EMail", kEMail);
        FOut.Text(u"App", QGuiApplication::applicationDisplayName());
        FOut.Text(u"Saved", QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd HH:mm:ss")));
        FOut.Int(u"ItemCount", int(boxes.size()));
        FOut.Int(u"RelCount", int(links.size()));
        FOut.Blank();
        for (qsizetype i = 0; i < boxes.size(); ++i)
            WriteBox(int(i) + 1, *boxes[i]);
        for (qsizetype r = 0; r < links.size(); ++r)
            WriteLink(int(r) + 1, *links[r]);
        return FOut.Bytes();
    }

private:
    void WriteBox(int i, const TSchemaItem& box)
    {
        const QList<TSchemaSubItem*> rows = RowsOf(box);
        FOut.Header(SectionHeader(i, -1, -1));
        FOut.Int(u"ControlType", int(box.SchemaControlType()));
        FOut.Text(u"Caption", box.Caption());
        FOut.Bool(u"ShowCaption", box.ShowCaption());
        FOut.Bool(u"Sizeable", box.Sizeable());
        FOut.Bool(u"ToolWin", box.ToolWin());
        FOut.Bool(u"Border", box.Border());
        FOut.Int(u"Left", box.Left());
        FOut.Int(u"Top", box.Top());
        FOut.Int(u"Width", box.Width());
        FOut.Int(u"Height", box.Height());
        if (const TSchemaIcon* icon = box.IconControl())
            FOut.Int(u"IconType", int(icon->IconType()));
        FOut.Int(u"SubItems", int(rows.size()));
        const TFont font = box.Font();
        FOut.Text(u"Font", SchemaFile::EncodeFont(&font, box.Color()));
        FOut.Blank();
        for (qsizetype j = 0; j < rows.size(); ++j) {
            const TSchemaSubItem& row = *rows[j];
            FPlaces.insert(&row, RowPlace{&box, int(j)});
            FOut.Header(SectionHeader(i, int(j) + 1, -1));
            FOut.Text(u"Caption", row.Caption());
            FOut.Bool(u"Checked", row.Checked());
            FOut.Int(u"Index", row.Index());
            FOut.Int(u"ImageIndex", row.ImageIndex());
            FOut.Int(u"SelectedIndex", row.SelectedIndex());
            FOut.Int(u"OverlayIndex", row.OverlayIndex());
            FOut.Int(u"StateIndex", row.StateIndex());
            FOut.Bool(u"Linked", row.Linked());
            FOut.Blank();
        }
    }

    // The reader takes a link's row by its position in the box, so the position is
    // what is written: a row's Index keeps the place it was added at, which is no
    // longer its place once a row before it was deleted. A shape box's single row
    // is 0, as its Index of -1 gives.
    int RowNumber(const TSchemaItem* box, const TSchemaSubItem* row) const
    {
        if (!IsListKind(box->SchemaControlType()))
            return 0;
        const auto place = FPlaces.constFind(row);
        return place != FPlaces.cend() && place->Box == box ? place->Position + 1 : 0;
    }

    void WriteLink(int r, const TSchemaRelation& link)
    {
        FOut.Header(SectionHeader(-1, -1, r));
        FOut.Text(u"ParentItem", link.ParentItem()->Caption());
        FOut.Text(u"ChildItem", link.ChildItem()->Caption());
        FOut.Int(u"ParentSubItem", RowNumber(link.ParentItem(), link.ParentSubItem()));
        FOut.Int(u"ChildSubItem", RowNumber(link.ChildItem(), link.ChildSubItem()));
        FOut.Int(u"JoinOperator", int(link.JoinOperator()));
        FOut.Int(u"JoinType", int(link.JoinType()));
        FOut.Int(u"RelationType", int(link.RelationType()));
        FOut.Blank();
    }

    const TSchemaDesignArea& FPane;
    TWriter FOut;
    QHash<const TSchemaSubItem*, RowPlace> FPlaces;
};

// --- reading -----------------------------------------------------------------------------

// An ordinal that must name a member: anything else is as malformed as a number
// that is not one, since the members index tables elsewhere.
template <typename E>
E StrictMember(const TSection& section, QStringView key, E last)
{
    const int v = section.Int(key);
    if (v < 0 || v > int(last))
        throw EConvertError(QCoreApplication::translate("schemakit", "'%1' is not a valid %2 value").arg(v).arg(key));
    return E(v);
}

// FindItem by caption for every link end would make reading links cost the boxes
// times the links. While the boxes stay as they were after reading them, an index
// of captions gives the same box FindItem would: the later of equal captions. A
// handler or a receiver of OnAddRelation may change boxes or captions, so with
// one there (`watched`) every lookup goes to FindItem itself.
class BoxFinder {
public:
    BoxFinder(const TSchemaDesignArea& pane, bool watched) : FPane(pane), FWatched(watched) {}

    TSchemaItem* Find(const QString& caption)
    {
        if (FWatched)
            return FPane.FindItem(caption);
        if (!FBuilt || WindowedCount() != FWindowed)
            Build();
        TSchemaItem* box = FIndex.value(UpperCaseAscii(caption));
        if (box && !SameText(box->Caption(), caption))
            return FPane.FindItem(caption);
        return box;
    }

private:
    int WindowedCount() const { return FPane.ControlCount() - FPane.WindowlessCount(); }

    void Build()
    {
        FIndex.clear();
        for (int i = FPane.WindowlessCount(); i < FPane.ControlCount(); ++i) {
            if (auto* box = qobject_cast<TSchemaItem*>(FPane.Controls(i)))
                FIndex.insert(UpperCaseAscii(box->Caption()), box);
        }
        FWindowed = WindowedCount();
        FBuilt = true;
    }

    const TSchemaDesignArea& FPane;
    const bool FWatched;
    QHash<QString, QPointer<TSchemaItem>> FIndex;
    int FWindowed = 0;
    bool FBuilt = false;
};

// The row at a file's 1-based row number: 0 (and anything below) asks for
// position -1, which only a shape box answers, with its single row.
TSchemaSubItem* RowAt(const TSchemaItem* box, int number)
{
    if (!box)
        return nullptr;
    return box->GetSubItem(int(std::max<qint64>(qint64(number) - 1, -1)));
}

class DiagramReader {
public:
    DiagramReader(TSchemaDesignArea& pane, const TReader& file, bool linksWatched)
        : FPane(pane), FAlive(&pane), FFile(file), FLinksWatched(linksWatched)
    {
    }

    // Returns false when a handler or a receiver freed the pane: reading
    // stops there, and nothing may touch the pane again.
    bool Read()
    {
        const TSection whole = FFile.Whole();
        const int boxes = whole.IntDef(u"ItemCount", 0);
        const int links = whole.IntDef(u"RelCount", 0);
        // Neither loop outruns the file: a number without its section has no
        // ControlType or row number, and that raises.
        for (int i = 1; i <= boxes && FAlive; ++i)
            ReadBox(i);
        if (!FAlive)
            return false;
        BoxFinder finder(FPane, FLinksWatched);
        for (int r = 1; r <= links && FAlive; ++r)
            ReadLink(r, finder);
        return !FAlive.isNull();
    }

private:
    void ReadBox(int i)
    {
        const TSection section = FFile.Section(i, -1, -1);
        const QString caption = section.Text(u"Caption");
        const TSchemaControlType kind = StrictMember(section, u"ControlType", scIcon);
        QPointer<TSchemaItem> box = FPane.AddItem(caption, kind);
        if (!box)
            return; // AddItem swallowed an error; its rows go with it
        box->SetShowCaption(section.Bool(u"ShowCaption"));
        box->SetSizeable(section.Bool(u"Sizeable"));
        box->SetToolWin(section.Bool(u"ToolWin"));
        box->SetBorder(section.Bool(u"Border"));
        box->SetLeft(section.IntDef(u"Left", box->Left()));
        box->SetTop(section.IntDef(u"Top", box->Top()));
        box->SetWidth(section.IntDef(u"Width", box->Width()));
        box->SetHeight(section.IntDef(u"Height", box->Height()));
        const TFont before = box->Font();
        TFont font = before;
        TColor color = box->Color();
        SchemaFile::DecodeFont(section.Text(u"Font"), font, color);
        // Handing back an unchanged font would still pass it through QFont.
        if (!(font == before))
            box->SetFont(font);
        box->SetColor(color);
        if (TSchemaIcon* icon = box->IconControl()) {
            const int type = section.IntDef(u"IconType", int(icon->IconType()));
            if (type >= itDefault && type <= itUser)
                icon->SetIconType(TSCIconType(type));
        }
        const int rows = section.IntDef(u"SubItems", 0);
        for (int j = 1; j <= rows && box; ++j) {
            if (!ReadRow(*box, i, j))
                break;
        }
    }

    // Returns false once the box takes no further rows.
    bool ReadRow(TSchemaItem& box, int i, int j)
    {
        const TSection section = FFile.Section(i, j, -1);
        const QPointer<TSchemaItem> alive = &box; // OnAddSubItem may free the box
        QPointer<TSchemaSubItem> row = box.AddSubItem(section.Text(u"Caption"), -1, section.Bool(u"Checked"));
        if (!alive)
            return false;
        if (!row) {
            // Only a shape box refuses, and once it holds its row it refuses all the
            // rest without a trace: there is nothing left to read for it.
            return IsListKind(box.SchemaControlType());
        }
        row->SetIndex(section.Int(u"Index"));
        const int image = section.Int(u"ImageIndex");
        row->SetImageIndex(image);
        const int selected = section.Int(u"SelectedIndex");
        row->SetSelectedIndex(selected);
        const int overlay = section.Int(u"OverlayIndex");
        row->SetOverlayIndex(overlay);
        const int state = section.Int(u"StateIndex");
        row->SetStateIndex(state);
        row->SetLinked(section.Bool(u"Linked"));
        return true;
    }

    void ReadLink(int r, BoxFinder& finder)
    {
        const TSection section = FFile.Section(-1, -1, r);
        TSchemaItem* parent = finder.Find(section.Text(u"ParentItem"));
        TSchemaItem* child = finder.Find(section.Text(u"ChildItem"));
        TSchemaSubItem* parentRow = RowAt(parent, section.Int(u"ParentSubItem"));
        TSchemaSubItem* childRow = RowAt(child, section.Int(u"ChildSubItem"));
        if (!parent || !child || !parentRow || !childRow)
            return;
        QPointer<TSchemaRelation> link = FPane.AddRelation(parent, child, parentRow, childRow);
        const TSDRelationOperator op = StrictMember(section, u"JoinOperator", roNonEqual);
        if (link)
            link->SetJoinOperator(op);
        const TSDRelationJoin join = StrictMember(section, u"JoinType", rjFull);
        if (link)
            link->SetJoinType(join);
        const TSDRelationType type = StrictMember(section, u"RelationType", rtNonIdentifying);
        if (link)
            link->SetRelationType(type);
    }

    TSchemaDesignArea& FPane;
    const QPointer<TSchemaDesignArea> FAlive;
    const TReader& FFile;
    const bool FLinksWatched;
};

} // namespace

void TSchemaDesignArea::SaveToStream(QIODevice& stream) const
{
    const QByteArray bytes = DiagramWriter(*this).Write();
    if (stream.write(bytes) != bytes.size())
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot write the stream: %1").arg(stream.errorString()));
}

void TSchemaDesignArea::SaveToFile(const QString& fileName) const
{
    QSaveFile f(fileName);
    if (!f.open(QIODevice::WriteOnly))
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot create file \"%1\". %2").arg(fileName, f.errorString()));
    SaveToStream(f); // an error here leaves the old file; QSaveFile drops its copy
    if (!f.commit())
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot write file \"%1\". %2").arg(fileName, f.errorString()));
}

void TSchemaDesignArea::LoadFromStream(QIODevice& stream)
{
    // A stream that cannot be read must not leave an emptied pane behind as
    // if an empty file had been read.
    if (!stream.isReadable())
        throw EFileError(QCoreApplication::translate(
            "schemakit", "Cannot read the schema file: the stream is not open for reading."));
    // The events and signals of ClearAll, AddItem and AddRelation may free the
    // pane; then it has unlocked the drawing itself, and reading stops.
    const QPointer<TSchemaDesignArea> alive = this;
    BeginUpdate();
    try {
        ClearAll();
        if (!alive)
            return;
        const TReader file(stream.readAll());
        const bool linksWatched =
            OnAddRelation || isSignalConnected(QMetaMethod::fromSignal(&TSchemaDesignArea::relationAdded));
        if (!DiagramReader(*this, file, linksWatched).Read())
            return;
    } catch (...) {
        if (alive)
            EndUpdate();
        throw;
    }
    EndUpdate();
}

void TSchemaDesignArea::LoadFromFile(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EFileError(
            QCoreApplication::translate("schemakit", "Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    LoadFromStream(f);
}

} // namespace schemakit
