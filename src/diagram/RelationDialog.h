#pragma once

#include "RelationTypes.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace schemakit {

class TGroupBox;
class TRadioGroup;

// The link's edit dialog: the two ends as text, and the join operator and join
// kind as radio groups whose item indexes are the members' values. A fixed form,
// made for one edit and freed after it; the controls are public so that the
// caller (and a scripted test) fills and reads them directly.
class TfrmZBRelation : public QDialog {
    Q_OBJECT
public:
    explicit TfrmZBRelation(QWidget* parent = nullptr);
    ~TfrmZBRelation() override;

    TRadioGroup* rgJoinOperator = nullptr;
    TRadioGroup* rgJoinType = nullptr;
    QPushButton* BtnOk = nullptr;
    QPushButton* BtnCancel = nullptr;
    QFrame* bvlButtons = nullptr;
    TGroupBox* gbParent = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* txtCol1 = nullptr;
    QLabel* txtTable1 = nullptr;
    TGroupBox* gbChild = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* txtCol2 = nullptr;
    QLabel* txtTable2 = nullptr;

private:
    void CreateControls();
};

// Shows the dialog for a link from column `col1` of `table1` to column `col2` of
// `table2` through the dialog service, with `op` and `join` selected. Returns
// whether it was confirmed; only then are `op` and `join` set from the dialog.
bool EditRelationValues(const QString& table1, const QString& col1, const QString& table2, const QString& col2,
                        TSDRelationOperator& op, TSDRelationJoin& join);

} // namespace schemakit
