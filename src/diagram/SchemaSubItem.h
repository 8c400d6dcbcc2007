#pragma once

#include <schemakit/schemakit_export.h>

#include "../package/SchemaTypes.h"

#include <QObject>

namespace schemakit {

/// One row of a box (in a database diagram, one field of a table). It belongs to
/// its box and goes with it; the box's inner control keeps the rows in order.
class SCHEMAKIT_EXPORT TSchemaSubItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
    Q_PROPERTY(int Index READ Index WRITE SetIndex)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int SelectedIndex READ SelectedIndex WRITE SetSelectedIndex)
    Q_PROPERTY(int OverlayIndex READ OverlayIndex WRITE SetOverlayIndex)
    Q_PROPERTY(int StateIndex READ StateIndex WRITE SetStateIndex)
    Q_PROPERTY(bool Linked READ Linked WRITE SetLinked)
public:
    /// A row of the box `owner`.
    /// `owner` must be a box or null; anything else raises EInvalidCast.
    explicit TSchemaSubItem(QObject* owner = nullptr);
    ~TSchemaSubItem() override;

    /// The box the row belongs to, or null.
    TSchemaItem* ItemOwner() const noexcept { return FItemOwner; }

    ///@{
    /// The row's name (a field name), as added.
    /// Setting the caption does not change the text the box shows.
    const QString& Caption() const noexcept { return FCaption; }
    void SetCaption(const QString& value) { FCaption = value; }
    ///@}

    ///@{
    /// The row's check mark.
    /// Changing the check mark mirrors it in a check list and raises the box's
    /// OnSubItemCheck with this row as Sender.
    bool Checked() const noexcept { return FChecked; }
    void SetChecked(bool value);
    ///@}

    ///@{
    /// The position the inner control gave the row when it was added; not updated
    /// afterwards. -1 for a shape box's row.
    int Index() const noexcept { return FIndex; }
    void SetIndex(int value) { FIndex = value; }
    ///@}

    ///@{
    /// The row's image indexes into the pane's images (image, selected, overlay)
    /// and state images; -1 for none. Setting one redraws the box, and a tree
    /// box's node takes it over.
    int ImageIndex() const noexcept { return FImageIndex; }
    int SelectedIndex() const noexcept { return FSelectedIndex; }
    int OverlayIndex() const noexcept { return FOverlayIndex; }
    int StateIndex() const noexcept { return FStateIndex; }
    void SetImageIndex(int value) { SetImageIndexOf(0, value); }
    void SetSelectedIndex(int value) { SetImageIndexOf(1, value); }
    void SetOverlayIndex(int value) { SetImageIndexOf(2, value); }
    void SetStateIndex(int value) { SetImageIndexOf(3, value); }
    ///@}

    ///@{
    /// True while at least one link ends on the row; such rows are drawn bold.
    bool Linked() const noexcept { return FLinked; }
    void SetLinked(bool value) { FLinked = value; }
    ///@}

    ///@{
    /// A free slot for the caller; never owned or used by the library.
    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }
    ///@}

private:
    // 0 image, 1 selected, 2 overlay, 3 state.
    void SetImageIndexOf(int which, int value);

    TSchemaItem* FItemOwner = nullptr;
    QString FCaption;
    bool FChecked = false;
    int FIndex = 0;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FOverlayIndex = -1;
    int FStateIndex = -1;
    bool FLinked = false;
    void* FData = nullptr;
};

} // namespace schemakit
