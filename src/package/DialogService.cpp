#include "DialogService.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

namespace schemakit {

namespace {
std::unique_ptr<TDialogService>& ActiveService()
{
    static std::unique_ptr<TDialogService> service = std::make_unique<TQtDialogService>();
    return service;
}

QString WithDefaultExtension(QString fileName, const QString& defaultExt)
{
    if (!fileName.isEmpty() && !defaultExt.isEmpty() && QFileInfo(fileName).suffix().isEmpty())
        fileName += QLatin1Char('.') + (defaultExt.startsWith(u'.') ? defaultExt.mid(1) : defaultExt);
    return fileName;
}
} // namespace

TDialogService::~TDialogService() = default;

TDialogService& Dialogs()
{
    return *ActiveService();
}

std::unique_ptr<TDialogService> SetDialogService(std::unique_ptr<TDialogService> service)
{
    if (!service)
        service = std::make_unique<TQtDialogService>();
    ActiveService().swap(service);
    return service;
}

QString DialogFilterToQt(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        out.append(description.contains(u'(') ? description : QStringLiteral("%1 (%2)").arg(description, pattern));
    }
    if (parts.size() % 2 == 1 && !parts.back().isEmpty())
        out.append(parts.back());
    return out.join(QLatin1String(";;"));
}

// --- Qt dialogs -------------------------------------------------------------

bool TQtDialogService::ExecuteFontDialog(TFont& font, QWidget* parent)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font.ToQFont(), parent);
    if (ok)
        font = TFont::FromQFont(chosen, font.Color, font.Charset);
    return ok;
}

bool TQtDialogService::ExecuteColorDialog(TColor& color, QWidget* parent)
{
    const QColor chosen = QColorDialog::getColor(ColorToQColor(color), parent);
    if (!chosen.isValid())
        return false;
    color = QColorToColor(chosen);
    return true;
}

bool TQtDialogService::ExecuteOpenDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                         QWidget* parent)
{
    const QString chosen = QFileDialog::getOpenFileName(parent, QString(), fileName, DialogFilterToQt(filter));
    if (chosen.isEmpty())
        return false;
    fileName = WithDefaultExtension(chosen, defaultExt);
    return true;
}

bool TQtDialogService::ExecuteSaveDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                         QWidget* parent)
{
    const QString chosen = QFileDialog::getSaveFileName(parent, QString(), fileName, DialogFilterToQt(filter));
    if (chosen.isEmpty())
        return false;
    fileName = WithDefaultExtension(chosen, defaultExt);
    return true;
}

void TQtDialogService::ShowMessage(const QString& text, QWidget* parent)
{
    QMessageBox::information(parent, QString(), text, QMessageBox::Ok);
}

void TQtDialogService::ShowWarning(const QString& text, QWidget* parent)
{
    QMessageBox::warning(parent, QString(), text, QMessageBox::Ok);
}

int TQtDialogService::ExecuteModal(QDialog& form)
{
    return form.exec();
}

// --- scripted answers -------------------------------------------------------

bool TScriptedDialogService::ExecuteFontDialog(TFont& font, QWidget*)
{
    Requests.append({QStringLiteral("font"), font.Name});
    LastFontShown = font;
    if (FontAnswers.empty())
        return false;
    std::optional<TFont> answer = FontAnswers.front();
    FontAnswers.pop_front();
    if (!answer)
        return false;
    font = *answer;
    return true;
}

bool TScriptedDialogService::ExecuteColorDialog(TColor& color, QWidget*)
{
    Requests.append({QStringLiteral("color"), QString::number(color)});
    LastColorShown = color;
    if (ColorAnswers.empty())
        return false;
    std::optional<TColor> answer = ColorAnswers.front();
    ColorAnswers.pop_front();
    if (!answer)
        return false;
    color = *answer;
    return true;
}

bool TScriptedDialogService::NextFile(QString& fileName, const QString& kind, const QString& filter)
{
    Requests.append({kind, filter});
    if (FileAnswers.empty())
        return false;
    std::optional<QString> answer = FileAnswers.front();
    FileAnswers.pop_front();
    if (!answer)
        return false;
    fileName = *answer;
    return true;
}

bool TScriptedDialogService::ExecuteOpenDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                               QWidget*)
{
    const bool ok = NextFile(fileName, QStringLiteral("open"), filter);
    if (ok)
        fileName = WithDefaultExtension(fileName, defaultExt);
    return ok;
}

bool TScriptedDialogService::ExecuteSaveDialog(QString& fileName, const QString& filter, const QString& defaultExt,
                                               QWidget*)
{
    const bool ok = NextFile(fileName, QStringLiteral("save"), filter);
    if (ok)
        fileName = WithDefaultExtension(fileName, defaultExt);
    return ok;
}

void TScriptedDialogService::ShowMessage(const QString& text, QWidget*)
{
    Requests.append({QStringLiteral("message"), text});
    Messages.append(text);
}

void TScriptedDialogService::ShowWarning(const QString& text, QWidget*)
{
    Requests.append({QStringLiteral("warning"), text});
    Messages.append(text);
}

int TScriptedDialogService::ExecuteModal(QDialog& form)
{
    Requests.append({QStringLiteral("modal"), form.objectName()});
    if (ModalAnswers.empty())
        return QDialog::Rejected;
    auto answer = std::move(ModalAnswers.front());
    ModalAnswers.pop_front();
    const int result = answer ? answer(form) : int(QDialog::Rejected);
    form.setResult(result);
    return result;
}

void TScriptedDialogService::Reset()
{
    FontAnswers.clear();
    ColorAnswers.clear();
    FileAnswers.clear();
    ModalAnswers.clear();
    Requests.clear();
    Messages.clear();
    LastFontShown.reset();
    LastColorShown.reset();
}

} // namespace schemakit
