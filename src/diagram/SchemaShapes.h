#pragma once

// The inner controls of the shape kind boxes. Each holds the box's single row in
// its Data slot.

#include <QPixmap>
#include <QWidget>

namespace schemakit {

// A text drawn inside the box.
class TSchemaText : public QWidget {
    Q_OBJECT
public:
    explicit TSchemaText(QWidget* parent = nullptr);
    ~TSchemaText() override;

    const QString& Text() const noexcept { return FText; }
    void SetText(const QString& text);
    // Width of a text as the label measures it.
    int TextWidth(const QString& text) const;

    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FText;
    void* FData = nullptr;
};

// A picture shown in the box.
class TSchemaIcon : public QWidget {
    Q_OBJECT
public:
    explicit TSchemaIcon(QWidget* parent = nullptr);
    ~TSchemaIcon() override;

    const QPixmap& Picture() const noexcept { return FPicture; }
    void SetPicture(const QPixmap& picture);

    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FPicture;
    void* FData = nullptr;
};

} // namespace schemakit
