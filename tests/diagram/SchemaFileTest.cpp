#include "DiagramFixture.h"

#include <schemakit/diagram/SchemaFile.h>
#include <schemakit/package/TreeView.h>

#include <QBuffer>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace schemakit;
using schemakit::test::DiagramTest;

namespace {

QByteArray Save(const TSchemaDesignArea& pane)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    pane.SaveToStream(buffer);
    return buffer.data();
}

void Load(TSchemaDesignArea& pane, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    pane.LoadFromStream(buffer);
}

// The one line that differs between two saves of the same diagram.
QString WithoutSaved(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).replace(QRegularExpression(QStringLiteral("\r\nSaved=[^\r]*")),
                                            QStringLiteral("\r\nSaved="));
}

QString RowSection(int i, int j, const QString& caption)
{
    return QStringLiteral("[SubItem%1of%2]\nCaption=%3\nChecked=0\nIndex=%4\nImageIndex=-1\nSelectedIndex=-1\n"
                          "OverlayIndex=-1\nStateIndex=-1\nLinked=0\n")
        .arg(i)
        .arg(j)
        .arg(caption)
        .arg(j - 1);
}

QString BoxSection(int i, TSchemaControlType kind, const QString& caption, const QStringList& rows,
                   const QString& more = {})
{
    QString s = QStringLiteral("[Item%1]\nControlType=%2\nCaption=%3\nSubItems=%4\n%5\n")
                    .arg(i)
                    .arg(int(kind))
                    .arg(caption)
                    .arg(rows.size())
                    .arg(more);
    for (qsizetype j = 0; j < rows.size(); ++j)
        s += RowSection(i, int(j) + 1, rows[j]);
    return s;
}

QString LinkSection(int r, const char* parent, int parentRow, const char* child, int childRow, int op = 0, int join = 0,
                    int type = 0)
{
    return QStringLiteral("[Relation%1]\nParentItem=%2\nChildItem=%3\nParentSubItem=%4\nChildSubItem=%5\n"
                          "JoinOperator=%6\nJoinType=%7\nRelationType=%8\n")
        .arg(r)
        .arg(QLatin1String(parent), QLatin1String(child))
        .arg(parentRow)
        .arg(childRow)
        .arg(op)
        .arg(join)
        .arg(type);
}

// Everything the file keeps, box by box, row by row and link by link.
QStringList Describe(const TSchemaDesignArea& pane)
{
    QStringList r;
    for (int i = 0; i < pane.GetItemCount(); ++i) {
        const TSchemaItem* box = pane.GetItem(i);
        const TFont font = box->Font();
        r << QStringLiteral("box %1 kind %2 flags %3%4%5%6 at %7,%8 %9x%10 font %11 icon %12")
                 .arg(box->Caption())
                 .arg(int(box->SchemaControlType()))
                 .arg(box->ShowCaption())
                 .arg(box->Sizeable())
                 .arg(box->ToolWin())
                 .arg(box->Border())
                 .arg(box->Left())
                 .arg(box->Top())
                 .arg(box->Width())
                 .arg(box->Height())
                 .arg(SchemaFile::EncodeFont(&font, box->Color()))
                 .arg(box->IconControl() ? int(box->IconControl()->IconType()) : -1);
        for (int j = 0; j < box->GetSubItemCount(); ++j) {
            const TSchemaSubItem* row = box->GetSubItem(j);
            r << QStringLiteral("  row %1 checked %2 index %3 images %4 %5 %6 %7 linked %8")
                     .arg(row->Caption())
                     .arg(row->Checked())
                     .arg(row->Index())
                     .arg(row->ImageIndex())
                     .arg(row->SelectedIndex())
                     .arg(row->OverlayIndex())
                     .arg(row->StateIndex())
                     .arg(row->Linked());
        }
    }
    for (int i = 0; i < pane.GetRelationCount(); ++i) {
        const TSchemaRelation* link = pane.GetRelation(i);
        r << QStringLiteral("link %1.%2 -> %3.%4 kinds %5 %6 %7")
                 .arg(pane.GetItemIndex(link->ParentItem()))
                 .arg(link->ParentSubItem()->Caption())
                 .arg(pane.GetItemIndex(link->ChildItem()))
                 .arg(link->ChildSubItem()->Caption())
                 .arg(int(link->JoinOperator()))
                 .arg(int(link->JoinType()))
                 .arg(int(link->RelationType()));
    }
    return r;
}

} // namespace

TEST_F(DiagramTest, EmptyPaneWritesTheGeneralSectionOnly)
{
    const QString text = QString::fromUtf8(Save(*pane));
    const QRegularExpressionMatch saved =
        QRegularExpression(QStringLiteral("\r\nSaved=(\\d{8} \\d\\d:\\d\\d:\\d\\d)\r\n")).match(text);
    ASSERT_TRUE(saved.hasMatch()) << text.toStdString();
    const QDateTime when = QDateTime::fromString(saved.captured(1), QStringLiteral("yyyyMMdd HH:mm:ss"));
    EXPECT_LT(std::abs(when.secsTo(QDateTime::currentDateTime())), 60);
    EXPECT_EQ(QString(text).replace(saved.captured(1), QString()),
              QStringLiteral("[General]\r\nWEB=https://schemakit.dev\r\nEMail=support@schemakit.dev\r\nApp=%1\r\n"
                             "Saved=\r\nItemCount=0\r\nRelCount=0\r\n\r\n")
                  .arg(QCoreApplication::applicationName()));
    pane->AddItem(QStringLiteral("gone"), scListBox);
    Load(*pane, text.toUtf8());
    EXPECT_EQ(pane->ControlCount(), 0);
}

TEST_F(DiagramTest, SavedDiagramComesBackWithBlackLinksAndFlatTrees)
{
    TSchemaItem* customer = pane->AddItem(QStringLiteral("customer"), scCheckListBox);
    TSchemaSubItem* id = customer->AddSubItem(QStringLiteral("id"), -1, true);
    customer->AddSubItem(QStringLiteral("name"), -1, false);
    TSchemaSubItem* city = customer->AddSubItem(QStringLiteral("city"), -1, false);
    customer->SetBounds(30, 40, 170, 120);
    TFont font;
    font.Name = QStringLiteral("Courier New");
    font.Charset = 0;
    font.Color = clRed;
    font.Size = 11;
    font.Style = {fsItalic, fsUnderline};
    customer->SetFont(font);
    customer->SetColor(clInfoBk);

    TSchemaItem* orders = pane->AddItem(QStringLiteral("orders"), scTreeView);
    TSchemaSubItem* oid = orders->AddSubItem(QStringLiteral("o_id"), -1, false);
    TSchemaSubItem* cust = orders->AddSubItem(QStringLiteral("cust"), 0, false);
    orders->AddSubItem(QStringLiteral("total"), -1, false)->SetImageIndex(2);
    cust->SetSelectedIndex(3);
    cust->SetOverlayIndex(1);
    cust->SetStateIndex(0);
    orders->SetSizeable(false);
    orders->SetToolWin(false);
    orders->SetBounds(300, 20, 150, 90);

    TSchemaItem* note = pane->AddItem(QStringLiteral("start"), scText);
    TSchemaSubItem* noteRow = note->AddSubItem(QStringLiteral("start row"), -1, false);
    note->SetShowCaption(true);
    note->SetBorder(true);
    note->move(10, 300);
    TSchemaItem* server = pane->AddItem(QStringLiteral("server"), scIcon);
    TSchemaSubItem* serverRow = server->AddSubItem(QStringLiteral("host"), -1, true);
    server->IconControl()->SetIconType(itServer);
    server->move(400, 300);

    TSchemaRelation* join = pane->AddRelation(customer, orders, id, cust);
    join->SetJoinOperator(roLessThan);
    join->SetJoinType(rjLeftOuter);
    join->SetRelationType(rtIdentifying);
    join->SetColor(clRed);
    pane->AddRelation(orders, server, oid, serverRow)->SetRelationType(rtNonIdentifying);
    pane->AddRelation(note, customer, noteRow, city)->SetJoinType(rjFull);

    ASSERT_EQ(orders->TreeControl()->topLevelItemCount(), 2);
    const QByteArray first = Save(*pane);
    // Boxes by number first, rows by box and then row number.
    EXPECT_TRUE(first.contains("\r\n[SubItem2of3]\r\nCaption=total\r\n"));
    EXPECT_TRUE(first.contains("\r\nIconType=25\r\n"));
    const QStringList before = Describe(*pane);

    int deleted = 0, boxes = 0, rows = 0, links = 0;
    pane->OnDeleteItem = [&](QObject*, TSchemaItem*) { ++deleted; };
    pane->OnAddItem = [&](QObject*, TSchemaItem*) { ++boxes; };
    pane->OnAddSubItem = [&](QObject*, TSchemaSubItem*) { ++rows; };
    pane->OnAddRelation = [&](QObject*, TSchemaRelation*) { ++links; };
    Load(*pane, first);
    EXPECT_EQ(std::tuple(deleted, boxes, rows, links), std::tuple(4, 4, 8, 3));
    EXPECT_EQ(Describe(*pane), before);
    for (int i = 0; i < pane->GetRelationCount(); ++i)
        EXPECT_EQ(pane->GetRelation(i)->Color(), clBlack);
    EXPECT_EQ(pane->GetItem(1)->TreeControl()->topLevelItemCount(), 3);
    EXPECT_FALSE(pane->IsLocked());
    // Nothing is lost or gained by going through the file again.
    EXPECT_EQ(WithoutSaved(Save(*pane)), WithoutSaved(first));
}

TEST_F(DiagramTest, LinksNamingASharedCaptionAttachToTheLaterBox)
{
    TSchemaItem* early = pane->AddItem(QStringLiteral("dup"), scListBox);
    TSchemaItem* late = pane->AddItem(QStringLiteral("DUP"), scListBox);
    TSchemaItem* other = pane->AddItem(QStringLiteral("t"), scListBox);
    TSchemaSubItem* p = early->AddSubItem(QStringLiteral("p"), -1, false);
    TSchemaSubItem* q = late->AddSubItem(QStringLiteral("q"), -1, false);
    TSchemaSubItem* r = other->AddSubItem(QStringLiteral("r"), -1, false);
    TSchemaSubItem* s = other->AddSubItem(QStringLiteral("s"), -1, false);
    pane->AddRelation(early, other, p, r);
    pane->AddRelation(other, late, s, q);
    Load(*pane, Save(*pane));
    ASSERT_EQ(pane->GetRelationCount(), 2);
    EXPECT_EQ(pane->GetRelation(0)->ParentItem(), pane->GetItem(1));
    EXPECT_EQ(pane->GetRelation(0)->ParentSubItem()->Caption(), QStringLiteral("q"));
    EXPECT_EQ(pane->GetRelation(1)->ChildItem(), pane->GetItem(1));
}

TEST_F(DiagramTest, HandWrittenFileKeysIgnoreCaseHeadersDoNotAndMissingValuesKeepDefaults)
{
    QMap<TSchemaItem*, std::pair<TFont, TColor>> asAdded;
    bool lockedWhileLoading = false;
    pane->OnAddItem = [&](QObject*, TSchemaItem* box) {
        asAdded[box] = {box->Font(), box->Color()};
        lockedWhileLoading = pane->IsLocked();
    };
    const QString file = QStringLiteral("[General]\nitemcount=4\n") +
                         BoxSection(1, scListBox, QStringLiteral("plain"), {}, QStringLiteral("FONT=Courier")) +
                         BoxSection(2, scCheckListBox, QStringLiteral("coloured"), {QStringLiteral("r")},
                                    QStringLiteral("left=15\nFont=,,,,,255")) +
                         BoxSection(3, scText, QStringLiteral("text"), {}) +
                         BoxSection(4, scListBox, QStringLiteral("never"), {})
                             .replace(QStringLiteral("[Item4]"), QStringLiteral("[item4]"));
    EXPECT_THROW(Load(*pane, file.toUtf8()), EConvertError);
    EXPECT_TRUE(lockedWhileLoading);
    EXPECT_FALSE(pane->IsLocked());
    ASSERT_EQ(pane->GetItemCount(), 3);
    TSchemaItem* plain = pane->GetItem(0);
    TSchemaItem* coloured = pane->GetItem(1);
    EXPECT_EQ(plain->pos(), QPoint(0, 0));
    EXPECT_EQ(coloured->pos(), QPoint(15, 0));
    EXPECT_EQ(std::pair(plain->Font(), plain->Color()), asAdded[plain]);
    EXPECT_EQ(coloured->Font(), asAdded[coloured].first);
    EXPECT_EQ(coloured->Color(), clRed);
    EXPECT_EQ(coloured->GetSubItem(0)->Caption(), QStringLiteral("r"));
}

TEST_F(DiagramTest, LoadSkipsLinksWithoutEndsAndStopsAtALinkMadeTwice)
{
    const QString file = QStringLiteral("[General]\nItemCount=2\nRelCount=5\n") +
                         BoxSection(1, scListBox, QStringLiteral("a"), {QStringLiteral("x")}) +
                         BoxSection(2, scListBox, QStringLiteral("b"), {QStringLiteral("y")}) +
                         LinkSection(1, "A", 1, "b", 1, 5, 3, 2) + LinkSection(2, "nobody", 1, "b", 1) +
                         LinkSection(3, "a", 7, "b", 1) + LinkSection(4, "b", 1, "a", 1) +
                         LinkSection(5, "a", 1, "a", 1);
    try {
        Load(*pane, file.toUtf8());
        ADD_FAILURE() << "the second link between the rows loaded";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("These items are already linked."));
    }
    EXPECT_FALSE(pane->IsLocked());
    ASSERT_EQ(pane->GetRelationCount(), 1);
    const TSchemaRelation* link = pane->GetRelation(0);
    EXPECT_EQ(link->ParentItem(), pane->GetItem(0));
    EXPECT_EQ(std::tuple(link->JoinOperator(), link->JoinType(), link->RelationType()),
              std::tuple(roNonEqual, rjFull, rtNonIdentifying));

    // An ordinal outside its enumeration is refused like a malformed number.
    const QString badKind = QStringLiteral("[General]\nItemCount=1\nRelCount=1\n") +
                            BoxSection(1, scListBox, QStringLiteral("a"), {QStringLiteral("x"), QStringLiteral("y")}) +
                            LinkSection(1, "a", 1, "a", 2, 0, 4);
    EXPECT_THROW(Load(*pane, badKind.toUtf8()), EConvertError);
    EXPECT_EQ(pane->GetRelationCount(), 1);
}

TEST_F(DiagramTest, LineBreaksInCaptionsRoundTripWithoutForgingSections)
{
    const QString evil = QStringLiteral("evil\r\n[Item2]\r\nControlType=0\nCaption=forged\\n");
    TSchemaItem* box = pane->AddItem(evil, scListBox);
    TSchemaItem* plain = pane->AddItem(QStringLiteral("C:\\new"), scListBox);
    TSchemaSubItem* row = box->AddSubItem(QStringLiteral("x\ny"), -1, false);
    pane->AddRelation(box, plain, row, plain->AddSubItem(QStringLiteral("z"), -1, false));
    const QByteArray bytes = Save(*pane);
    EXPECT_TRUE(bytes.contains("\r\nCaption=C:\\new\r\n"));
    EXPECT_EQ(bytes.count("\r\n[Item2]\r\n"), 1);
    const QStringList before = Describe(*pane);
    Load(*pane, bytes);
    EXPECT_EQ(Describe(*pane), before);
    EXPECT_EQ(pane->GetItem(0)->Caption(), evil);
}

TEST_F(DiagramTest, HugeCountsEndAtTheFirstMissingSection)
{
    const QString icon =
        BoxSection(1, scIcon, QStringLiteral("icon"), {QStringLiteral("held"), QStringLiteral("refused")})
            .replace(QStringLiteral("SubItems=2"), QStringLiteral("SubItems=2000000000"));
    QElapsedTimer clock;
    clock.start();
    Load(*pane, (QStringLiteral("[General]\nItemCount=1\n") + icon).toUtf8());
    ASSERT_EQ(pane->GetItemCount(), 1);
    EXPECT_EQ(pane->GetItem(0)->GetSubItem(0)->Caption(), QStringLiteral("held"));
    EXPECT_THROW(Load(*pane, (QStringLiteral("[General]\nItemCount=2000000000\n") + icon).toUtf8()), EConvertError);
    EXPECT_EQ(pane->GetItemCount(), 1);
    const QString list = BoxSection(1, scListBox, QStringLiteral("list"), {QStringLiteral("a")})
                             .replace(QStringLiteral("SubItems=1"), QStringLiteral("SubItems=2000000000"));
    EXPECT_THROW(Load(*pane, (QStringLiteral("[General]\nItemCount=1\n") + list).toUtf8()), EConvertError);
    EXPECT_EQ(pane->GetItem(0)->GetSubItemCount(), 2); // the row whose section is missing fails on its Index
    EXPECT_THROW(Load(*pane, (QStringLiteral("[General]\nItemCount=1\nRelCount=2000000000\n") + icon).toUtf8()),
                 EConvertError);
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(DiagramTest, LinkToARowAfterADeletedOneKeepsItsRow)
{
    TSchemaItem* a = pane->AddItem(QStringLiteral("a"), scListBox);
    TSchemaItem* b = pane->AddItem(QStringLiteral("b"), scListBox);
    a->AddSubItem(QStringLiteral("a0"), -1, false);
    a->AddSubItem(QStringLiteral("a1"), -1, false);
    TSchemaSubItem* a2 = a->AddSubItem(QStringLiteral("a2"), -1, false);
    a->AddSubItem(QStringLiteral("a3"), -1, false);
    a->DeleteSubItem(1);
    pane->AddRelation(a, b, a2, b->AddSubItem(QStringLiteral("b0"), -1, false));
    EXPECT_EQ(a2->Index(), 2);
    const QByteArray bytes = Save(*pane);
    EXPECT_TRUE(bytes.contains("\r\nParentSubItem=2\r\n"));
    Load(*pane, bytes);
    ASSERT_EQ(pane->GetRelationCount(), 1);
    EXPECT_EQ(pane->GetRelation(0)->ParentSubItem()->Caption(), QStringLiteral("a2"));
    EXPECT_EQ(pane->GetRelation(0)->ParentSubItem()->Index(), 2);
}

TEST_F(DiagramTest, FilesThatCannotBeOpenedRaiseFileErrors)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("diagram.sch"));
    pane->AddItem(QStringLiteral("kept"), scListBox);
    pane->SaveToFile(name);
    pane->SaveToFile(name); // over the old one
    EXPECT_THROW(pane->SaveToFile(dir.filePath(QStringLiteral("no/such/dir.sch"))), EFileError);
    EXPECT_THROW(pane->LoadFromFile(dir.filePath(QStringLiteral("missing.sch"))), EFileError);
    EXPECT_EQ(pane->GetItemCount(), 1);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    EXPECT_THROW(pane->SaveToStream(readOnly), EFileError);
    QBuffer writeOnly;
    writeOnly.open(QIODevice::WriteOnly);
    EXPECT_THROW(pane->LoadFromStream(writeOnly), EFileError);
    EXPECT_EQ(pane->GetItemCount(), 1); // not emptied as if an empty file had been read
    pane->LoadFromFile(name);
    ASSERT_EQ(pane->GetItemCount(), 1);
    EXPECT_EQ(pane->GetItem(0)->Caption(), QStringLiteral("kept"));
}
