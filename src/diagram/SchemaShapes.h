#pragma once

// The inner controls of the shape kind boxes. Each holds the box's single row in
// its Data slot.

#include <QPixmap>
#include <QWidget>

namespace schemakit {

// The built-in pictures of an icon box. The ordinals are what schema files
// store, so the order must not change.
enum TSCIconType : quint8 {
    itDefault = 0,
    itComputer = 1,
    itDrive = 2,
    itCalculator = 3,
    itCalendar = 4,
    itDesign = 5,
    itFAX = 6,
    itRecycle = 7,
    itConnection = 8,
    itCross = 9,
    itPassword = 10,
    itDatabase = 11,
    itPaper = 12,
    itLink = 13,
    itRelation = 14,
    itSettings = 15,
    itFolderBox = 16,
    itFont = 17,
    itForm = 18,
    itGraph = 19,
    itMail = 20,
    itNetwork = 21,
    itNote = 22,
    itWebData = 23,
    itPrinter = 24,
    itServer = 25,
    itSignal = 26,
    itStopLight = 27,
    itTime = 28,
    itUpdate = 29,
    itUser = 30,
};

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

    TSCIconType IconType() const noexcept { return FIconType; }
    void SetIconType(TSCIconType value);

    void* Data() const noexcept { return FData; }
    void SetData(void* value) { FData = value; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FPicture;
    TSCIconType FIconType = itDefault;
    void* FData = nullptr;
};

} // namespace schemakit
