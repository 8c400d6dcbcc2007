#pragma once

#include "Color.h"
#include "Font.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace schemakit {

// Every modal interaction of the library goes through one replaceable service: the
// default shows Qt's dialogs; tests and scripted applications install their own so
// that nothing ever waits for a person.
class TDialogService {
public:
    virtual ~TDialogService();

    // Each returns whether the user confirmed; the value is changed only then.
    virtual bool ExecuteFontDialog(TFont& font, QWidget* parent) = 0;
    virtual bool ExecuteColorDialog(TColor& color, QWidget* parent) = 0;
    // `filter` uses "description|pattern|description|pattern" pairs.
    virtual bool ExecuteOpenDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                   QWidget* parent) = 0;
    virtual bool ExecuteSaveDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                   QWidget* parent) = 0;
    // A message box with an OK button.
    virtual void ShowMessage(const QString& text, QWidget* parent) = 0;
    // The same with a warning's look; by default a plain message.
    virtual void ShowWarning(const QString& text, QWidget* parent) { ShowMessage(text, parent); }
    // Runs a form modally; returns its result (QDialog::Accepted or Rejected).
    virtual int ExecuteModal(QDialog& form) = 0;
};

// The active service (the Qt one until another is installed).
TDialogService& Dialogs();
// Installs a service and returns the previous one; null restores the Qt service.
std::unique_ptr<TDialogService> SetDialogService(std::unique_ptr<TDialogService> service);

// "a|*.x|b|*.y" as a Qt file-dialog filter ("a (*.x);;b (*.y)"): the description is
// kept, and the pattern is appended in brackets unless the description shows it.
QString DialogFilterToQt(const QString& filter);

class TQtDialogService : public TDialogService {
public:
    bool ExecuteFontDialog(TFont& font, QWidget* parent) override;
    bool ExecuteColorDialog(TColor& color, QWidget* parent) override;
    bool ExecuteOpenDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                           QWidget* parent) override;
    bool ExecuteSaveDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                           QWidget* parent) override;
    void ShowMessage(const QString& text, QWidget* parent) override;
    void ShowWarning(const QString& text, QWidget* parent) override;
    int ExecuteModal(QDialog& form) override;
};

// Answers from queues filled in advance and records what was asked. An empty queue
// answers "cancelled", so a forgotten answer fails a test instead of hanging it.
class TScriptedDialogService : public TDialogService {
public:
    struct Request {
        QString Kind; // "font", "color", "open", "save", "message", "warning", "modal"
        QString Text; // the message, the dialog's filter, or the form's object name
    };

    std::deque<std::optional<TFont>> FontAnswers;
    std::deque<std::optional<TColor>> ColorAnswers;
    std::deque<std::optional<QString>> FileAnswers;
    // Each answer gets the form (to fill its controls as a user would) and
    // returns the modal result.
    std::deque<std::function<int(QDialog&)>> ModalAnswers;

    QList<Request> Requests;
    QStringList Messages;
    // What the last font and colour dialogs were opened with.
    std::optional<TFont> LastFontShown;
    std::optional<TColor> LastColorShown;

    bool ExecuteFontDialog(TFont& font, QWidget* parent) override;
    bool ExecuteColorDialog(TColor& color, QWidget* parent) override;
    bool ExecuteOpenDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                           QWidget* parent) override;
    bool ExecuteSaveDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                           QWidget* parent) override;
    // Both kinds of message land in Messages; Requests tells them apart.
    void ShowMessage(const QString& text, QWidget* parent) override;
    void ShowWarning(const QString& text, QWidget* parent) override;
    int ExecuteModal(QDialog& form) override;

    void Reset();

private:
    bool NextFile(QString& fileName, const QString& kind, const QString& filter);
};

} // namespace schemakit
