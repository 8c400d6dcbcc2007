#include "RelationDialog.h"

#include "../package/Color.h"
#include "../package/DialogService.h"
#include "../package/GroupBox.h"
#include "../package/RadioGroup.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace schemakit {

namespace {

// The form keeps the classic face and its pixel heights; where the face is
// missing, Qt's font matching picks the nearest one.
QFont SansSerif(int pixelSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

template <typename T>
T* Place(T* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(left, top, width, height);
    return control;
}

QLabel* Caption(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* label = Place(new QLabel(text, parent), name, left, top, 60, 13);
    label->setFont(SansSerif(11));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

// Table and column names are data: they are shown as typed, never as markup.
QLabel* Value(QWidget* parent, const char* name, int left, int top)
{
    auto* label = Place(new QLabel(parent), name, left, top, 205, 16);
    QFont font = SansSerif(11);
    font.setBold(true);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorToQColor(clNavy));
    label->setPalette(palette);
    return label;
}

TRadioGroup* RadioGroup(QWidget* parent, const char* name, const QString& caption, const QStringList& items,
                        int columns, int left, int top, int width, int height)
{
    auto* group = Place(new TRadioGroup(parent), name, left, top, width, height);
    group->setTitle(caption);
    group->SetColumns(columns);
    group->SetItems(items);
    group->SetItemIndex(0);
    return group;
}

} // namespace

TfrmZBRelation::TfrmZBRelation(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmZBRelation"));
    setWindowTitle(QCoreApplication::translate("schemakit", "Relation properties"));
    setFont(SansSerif(10));
    setFixedSize(322, 256);
    CreateControls();
    // Without a parent Qt centres the dialog on the screen when it is shown.
    rgJoinOperator->setFocus();
}

TfrmZBRelation::~TfrmZBRelation() = default;

void TfrmZBRelation::CreateControls()
{
    // Controls join the tab chain in the order they are made, so the focusable
    // ones come first, in tab order.
    rgJoinOperator = RadioGroup(this, "rgJoinOperator", QCoreApplication::translate("schemakit", " Join Operator "),
                                {QStringLiteral("="), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("<="),
                                 QStringLiteral(">="), QStringLiteral("<>")},
                                3, 5, 140, 130, 60);
    rgJoinType = RadioGroup(this, "rgJoinType", QCoreApplication::translate("schemakit", " Join Type "),
                            {QCoreApplication::translate("schemakit", "Inner"),
                             QCoreApplication::translate("schemakit", "Left Outer"),
                             QCoreApplication::translate("schemakit", "Right Outer"),
                             QCoreApplication::translate("schemakit", "Full Outer")},
                            2, 140, 140, 178, 60);
    BtnOk = Place(new QPushButton(QCoreApplication::translate("schemakit", "&OK"), this), "BtnOk", 163, 225, 75, 25);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    BtnCancel = Place(new QPushButton(QCoreApplication::translate("schemakit", "&Cancel"), this), "BtnCancel", 243, 225,
                      75, 25);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    // The bevel is a band along the bottom with a sunken line on its top edge. It
    // lies under the buttons and lets their clicks through, as a windowless
    // control would.
    bvlButtons = Place(new QFrame(this), "bvlButtons", 0, height() - 40, width(), 40);
    bvlButtons->setFrameShape(QFrame::HLine);
    bvlButtons->setFrameShadow(QFrame::Sunken);
    bvlButtons->setFrameRect(QRect(0, 0, width(), 2));
    bvlButtons->setAttribute(Qt::WA_TransparentForMouseEvents);
    bvlButtons->lower();

    gbParent =
        Place(new TGroupBox(QCoreApplication::translate("schemakit", " Parent "), this), "gbParent", 5, 8, 313, 57);
    Label1 = Caption(gbParent, "Label1", QCoreApplication::translate("schemakit", "Table 1:"), 4, 15);
    Label3 = Caption(gbParent, "Label3", QCoreApplication::translate("schemakit", "Column 1:"), 4, 32);
    txtCol1 = Value(gbParent, "txtCol1", 70, 31);
    txtTable1 = Value(gbParent, "txtTable1", 70, 15);

    gbChild =
        Place(new TGroupBox(QCoreApplication::translate("schemakit", " Child "), this), "gbChild", 5, 72, 313, 57);
    Label2 = Caption(gbChild, "Label2", QCoreApplication::translate("schemakit", "Table 2:"), 4, 15);
    Label4 = Caption(gbChild, "Label4", QCoreApplication::translate("schemakit", "Column 2:"), 4, 31);
    txtCol2 = Value(gbChild, "txtCol2", 70, 31);
    txtTable2 = Value(gbChild, "txtTable2", 70, 15);
}

bool EditRelationValues(const QString& table1, const QString& col1, const QString& table2, const QString& col2,
                        TSDRelationOperator& op, TSDRelationJoin& join)
{
    TfrmZBRelation form;
    form.txtTable1->setText(table1);
    form.txtCol1->setText(col1);
    form.txtTable2->setText(table2);
    form.txtCol2->setText(col2);
    form.rgJoinOperator->SetItemIndex(op);
    form.rgJoinType->SetItemIndex(join);
    if (Dialogs().ExecuteModal(form) != QDialog::Accepted)
        return false;
    // A group left with nothing checked keeps the old value rather than storing -1.
    if (form.rgJoinOperator->ItemIndex() >= 0)
        op = TSDRelationOperator(form.rgJoinOperator->ItemIndex());
    if (form.rgJoinType->ItemIndex() >= 0)
        join = TSDRelationJoin(form.rgJoinType->ItemIndex());
    return true;
}

} // namespace schemakit
