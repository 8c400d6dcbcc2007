#pragma once

#include <schemakit/schemakit_export.h>

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

/// Every modal interaction of the library goes through one replaceable service: the
/// default shows Qt's dialogs; tests and scripted applications install their own so
/// that nothing ever waits for a person.
class SCHEMAKIT_EXPORT TDialogService {
public:
    virtual ~TDialogService();

    // Each returns whether the user confirmed; the value is changed only then.

    /// Lets the user pick a font, starting from `font`; returns whether the user
    /// confirmed, and only then changes `font`.
    virtual bool ExecuteFontDialog(TFont& font, QWidget* parent) = 0;
    /// Lets the user pick a colour, starting from `color`; returns whether the user
    /// confirmed, and only then changes `color`.
    virtual bool ExecuteColorDialog(TColor& color, QWidget* parent) = 0;
    /// Asks for a file to open; returns whether the user confirmed, and only then
    /// changes `fileName` (`defaultExt` added when the name has no extension).
    /// `filter` uses "description|pattern|description|pattern" pairs.
    virtual bool ExecuteOpenDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                   QWidget* parent) = 0;
    /// Asks for a file to save to, as ExecuteOpenDialog does for one to open.
    virtual bool ExecuteSaveDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                   QWidget* parent) = 0;
    /// A message box with an OK button.
    virtual void ShowMessage(const QString& text, QWidget* parent) = 0;
    /// The same with a warning's look; by default a plain message.
    virtual void ShowWarning(const QString& text, QWidget* parent) { ShowMessage(text, parent); }
    /// Runs a form modally; returns its result (QDialog::Accepted or Rejected).
    virtual int ExecuteModal(QDialog& form) = 0;
};

/// The active service (the Qt one until another is installed).
SCHEMAKIT_EXPORT TDialogService& Dialogs();
/// Installs a service and returns the previous one; null restores the Qt service.
SCHEMAKIT_EXPORT std::unique_ptr<TDialogService> SetDialogService(std::unique_ptr<TDialogService> service);

/// "a|*.x|b|*.y" as a Qt file-dialog filter ("a (*.x);;b (*.y)"): the description is
/// kept, and the pattern is appended in brackets unless the description shows it.
SCHEMAKIT_EXPORT QString DialogFilterToQt(const QString& filter);

/// The default service: Qt's font, colour and file dialogs and message boxes, and
/// QDialog::exec for forms.
class SCHEMAKIT_EXPORT TQtDialogService : public TDialogService {
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

/// Answers from queues filled in advance and records what was asked. An empty queue
/// answers "cancelled", so a forgotten answer fails a test instead of hanging it.
class SCHEMAKIT_EXPORT TScriptedDialogService : public TDialogService {
public:
    /// One question the service was asked.
    struct Request {
        QString Kind; ///< "font", "color", "open", "save", "message", "warning", "modal"
        QString Text; ///< the message, the dialog's filter, or the form's object name
                      ///< (a font dialog's font name, a colour dialog's colour as a number)
    };

    /// The next font dialogs' answers, first first; an empty entry cancels.
    std::deque<std::optional<TFont>> FontAnswers;
    /// The next colour dialogs' answers, first first; an empty entry cancels.
    std::deque<std::optional<TColor>> ColorAnswers;
    /// The next open and save dialogs' answers, first first; an empty entry cancels.
    std::deque<std::optional<QString>> FileAnswers;
    /// The next forms' answers, first first.
    /// Each answer gets the form (to fill its controls as a user would) and
    /// returns the modal result.
    std::deque<std::function<int(QDialog&)>> ModalAnswers;

    /// Every question asked, in order.
    QList<Request> Requests;
    /// The text of every message and warning shown, in order.
    QStringList Messages;
    ///@{
    /// What the last font and colour dialogs were opened with.
    std::optional<TFont> LastFontShown;
    std::optional<TColor> LastColorShown;
    ///@}

    bool ExecuteFontDialog(TFont& font, QWidget* parent) override;
    bool ExecuteColorDialog(TColor& color, QWidget* parent) override;
    bool ExecuteOpenDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                           QWidget* parent) override;
    bool ExecuteSaveDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                           QWidget* parent) override;
    /// Records the message. Both kinds of message land in Messages; Requests tells them apart.
    void ShowMessage(const QString& text, QWidget* parent) override;
    /// Records the warning. Both kinds of message land in Messages; Requests tells them apart.
    void ShowWarning(const QString& text, QWidget* parent) override;
    int ExecuteModal(QDialog& form) override;

    /// Forgets every queued answer and everything recorded.
    void Reset();

private:
    bool NextFile(QString& fileName, const QString& kind, const QString& filter);
};

} // namespace schemakit
