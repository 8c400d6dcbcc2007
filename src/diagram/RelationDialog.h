#pragma once

#include <schemakit/schemakit_export.h>

#include "../package/Enumerations.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace schemakit {

class TGroupBox;
class TRadioGroup;

/// The link's edit dialog: the two ends as text, and the join operator and join
/// kind as radio groups whose item indexes are the members' values. A fixed form,
/// made for one edit and freed after it; the controls are public so that the
/// caller (and a scripted test) fills and reads them directly.
class SCHEMAKIT_EXPORT TfrmZBRelation : public QDialog {
    Q_OBJECT
public:
    /// The form with all its controls, the ends still empty.
    explicit TfrmZBRelation(QWidget* parent = nullptr);
    ~TfrmZBRelation() override;

    TRadioGroup* rgJoinOperator = nullptr; ///< the join operator; item index is a TSDRelationOperator
    TRadioGroup* rgJoinType = nullptr;     ///< the join kind; item index is a TSDRelationJoin
    QPushButton* BtnOk = nullptr;          ///< accepts the dialog
    QPushButton* BtnCancel = nullptr;      ///< rejects the dialog
    QFrame* bvlButtons = nullptr;          ///< the line above the buttons
    TGroupBox* gbParent = nullptr;         ///< the parent end's group
    QLabel* Label1 = nullptr;              ///< "Table 1:"
    QLabel* Label3 = nullptr;              ///< "Column 1:"
    QLabel* txtCol1 = nullptr;             ///< the parent end's column
    QLabel* txtTable1 = nullptr;           ///< the parent end's table
    TGroupBox* gbChild = nullptr;          ///< the child end's group
    QLabel* Label2 = nullptr;              ///< "Table 2:"
    QLabel* Label4 = nullptr;              ///< "Column 2:"
    QLabel* txtCol2 = nullptr;             ///< the child end's column
    QLabel* txtTable2 = nullptr;           ///< the child end's table

private:
    void CreateControls();
};

/// Shows the dialog for a link from column `col1` of `table1` to column `col2` of
/// `table2` through the dialog service, with `op` and `join` selected. Returns
/// whether it was confirmed; only then are `op` and `join` set from the dialog.
SCHEMAKIT_EXPORT bool EditRelationValues(const QString& table1, const QString& col1, const QString& table2, const QString& col2,
                        TSDRelationOperator& op, TSDRelationJoin& join);

} // namespace schemakit
