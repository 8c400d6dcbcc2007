// The frame of the query builder around its diagram and column grid: the
// toolbar, the table list with its grip, the pages and what switching them
// does, schema files, and the rows of the executed statement.

#include "SQLBuilderForm.h"

#include "DataSource.h"

#include "../diagram/SchemaDesignArea.h"
#include "../engines/SchemaDataEngine.h"
#include "../engines/SqlQueryModel.h"
#include "../package/DialogService.h"
#include "../package/ErrorBoundary.h"
#include "../package/PaintBox.h"
#include "../package/SchmCnst.h"

#include <QGuiApplication>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyleOption>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace schemakit {

namespace {

constexpr int kButtonTop = 3;
constexpr int kSpeedButtonSize = 25;
constexpr int kButtonWidth = 75;
constexpr int kCancelMargin = 10; // Cancel's distance from the toolbar's right edge
constexpr int kButtonGap = 5;     // between OK and Cancel

// The toolbar's pictures, drawn from the library's SVG files once per process
// at the sizes a 16-pixel picture needs on ordinary and high-density screens.
// Kept as images, which (unlike pixmaps) may outlive the application object.
QIcon ToolbarIcon(const QString& name)
{
    static QHash<QString, QList<QImage>> cache;
    auto found = cache.find(name);
    if (found == cache.end()) {
        QList<QImage> images;
        QSvgRenderer svg(u":/schemakit/builder/"_s + name + u".svg"_s);
        if (svg.isValid()) {
            for (int size : {16, 24, 32, 48}) {
                QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                svg.render(&painter);
                painter.end();
                images.append(image);
            }
        }
        found = cache.insert(name, images);
    }
    QIcon icon;
    for (const QImage& image : *found)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

// A filter of "description|pattern" pairs in Qt's syntax. "*.*", which means
// every file where the pairs come from, is "*" for Qt, which would otherwise
// leave out files without a suffix.
QString QtFileFilter(const QString& pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(u';', u' ');
        if (pattern == u"*.*")
            pattern = u"*"_s;
        description.replace(u"(*.*)"_s, u"(*)"_s);
        filters.append(description.contains(u'(') ? description : description + u" ("_s + pattern + u')');
    }
    return filters.join(u";;"_s);
}

// A bar outlined as raised: the top and left edges in the light colour of 3-D
// elements, the bottom and right edges in their shadow, each edge drawn from
// corner to corner the way a pen moving along the outline draws it.
void DrawRaisedBar(QPainter& canvas, const QPalette& palette, int x1, int y1, int x2, int y2)
{
    canvas.setPen(palette.color(QPalette::Light));
    canvas.drawLine(x1, y1, x2, y1);
    canvas.drawLine(x1, y1, x1, y2 - 1);
    canvas.setPen(palette.color(QPalette::Dark));
    canvas.drawLine(x1, y2, x2 - 1, y2);
    canvas.drawLine(x2, y1 + 1, x2, y2);
}

// A caption close button in R (right and bottom edges exclusive): a raised
// face with a cross.
void DrawCloseGlyph(QPainter& canvas, const QPalette& palette, const QRect& R)
{
    canvas.fillRect(R, palette.color(QPalette::Button));
    const QRect edge = R.adjusted(0, 0, -1, -1);
    canvas.setPen(palette.color(QPalette::Light));
    canvas.drawLine(edge.topLeft(), edge.topRight());
    canvas.drawLine(edge.topLeft(), edge.bottomLeft());
    canvas.setPen(palette.color(QPalette::Shadow));
    canvas.drawLine(edge.bottomLeft(), edge.bottomRight());
    canvas.drawLine(edge.topRight(), edge.bottomRight());
    canvas.setPen(palette.color(QPalette::ButtonText));
    const QRect cross = edge.adjusted(3, 3, -3, -3);
    canvas.drawLine(cross.topLeft(), cross.bottomRight());
    canvas.drawLine(cross.bottomLeft(), cross.topRight());
}

} // namespace

// --- building ---

void TfrmZBSQLBuilder::BuildToolbar()
{
    pnlToolbar = new QWidget(this);
    pnlToolbar->setObjectName(u"pnlToolbar"_s);
    pnlToolbar->setFixedHeight(31);

    auto speedButton = [this](QToolButton*& button, const char* name, int left, const QString& picture) {
        button = new QToolButton(pnlToolbar);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoRaise(true); // flat until the mouse is over it
        button->setGeometry(left, kButtonTop, kSpeedButtonSize, kSpeedButtonSize);
        button->setIconSize(QSize(16, 16));
        button->setIcon(ToolbarIcon(picture));
        button->setFocusPolicy(Qt::NoFocus);
    };
    speedButton(btnNew, "btnNew", 8, u"new"_s);
    speedButton(btnOpen, "btnOpen", 33, u"open"_s);
    speedButton(btnSave, "btnSave", 58, u"save"_s);
    speedButton(btnShowGrid, "btnShowGrid", 96, u"grid"_s);
    speedButton(btnShowTables, "btnShowTables", 121, u"tables"_s);
    speedButton(btnGenSQL, "btnGenSQL", 158, u"gensql"_s);
    speedButton(btnExecSQL, "btnExecSQL", 183, u"execsql"_s);
    for (QToolButton* toggle : {btnShowGrid, btnShowTables}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }

    btnOK = new QPushButton(pnlToolbar);
    btnOK->setObjectName(u"btnOK"_s);
    btnOK->setGeometry(265, kButtonTop, kButtonWidth, kSpeedButtonSize);
    btnCancel = new QPushButton(pnlToolbar);
    btnCancel->setObjectName(u"btnCancel"_s);
    btnCancel->setGeometry(342, kButtonTop, kButtonWidth, kSpeedButtonSize);
    // Enter in the table list or on the pane must not accept the statement.
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);
    pnlToolbar->installEventFilter(this);
}

void TfrmZBSQLBuilder::BuildResultsPage()
{
    tsResults = new QWidget;
    tsResults->setObjectName(u"tsResults"_s);
    auto* layout = new QVBoxLayout(tsResults);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    dSrcResult = new TDataSource(this);
    dSrcResult->setObjectName(u"dSrcResult"_s);
    DBGrid1 = new QTableView(tsResults);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setWordWrap(false);
    // Every row as high as the font: the view never measures a row's
    // contents, so scrolling through a large result stays cheap.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 4);
    layout->addWidget(DBGrid1, 1);
    lblResultRows = new QLabel(tsResults);
    lblResultRows->setObjectName(u"lblResultRows"_s);
    lblResultRows->setContentsMargins(4, 2, 4, 2);
    lblResultRows->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(lblResultRows);

    FRowCountTimer.setSingleShot(true);
    FRowCountTimer.setInterval(200);
    connect(&FRowCountTimer, &QTimer::timeout, this, [this] { UpdateResultRows(); });
    connect(dSrcResult, &TDataSource::dataSetChanged, this, [this](QAbstractItemModel* rows) {
        FFetchError.clear();
        if (DBGrid1->model() != rows)
            DBGrid1->setModel(rows);
        if (rows != FFollowedRows) {
            // The label follows the rows of one result set at a time.
            for (const QMetaObject::Connection& connection : std::as_const(FResultConnections))
                disconnect(connection);
            FResultConnections.clear();
            FFollowedRows = rows;
            if (rows) {
                auto update = [this] { UpdateResultRows(); };
                FResultConnections = {
                    // Each batch fetched while the person scrolls would set the
                    // label again, and every new text lays the window out; the
                    // count follows at most a few times a second, and at once
                    // when the last batch is in.
                    connect(rows, &QAbstractItemModel::rowsInserted, this,
                            [this, rows] {
                                if (!rows->canFetchMore(QModelIndex()))
                                    UpdateResultRows();
                                else if (!FRowCountTimer.isActive())
                                    FRowCountTimer.start();
                            }),
                    connect(rows, &QAbstractItemModel::rowsRemoved, this, update),
                    // Rows freed by their owner (the engine going) leave nothing to count.
                    connect(rows, &QObject::destroyed, this, update),
                    connect(rows, &QAbstractItemModel::modelReset, this,
                            [this] {
                                FFetchError.clear();
                                UpdateResultRows();
                            }),
                };
                if (auto* query = qobject_cast<TSchemaQueryModel*>(rows)) {
                    FResultConnections.append(
                        connect(query, &TSchemaQueryModel::fetchFailed, this, [this](const QString& message) {
                            FFetchError = message;
                            UpdateResultRows();
                        }));
                }
            }
        }
        if (auto* query = qobject_cast<TSchemaQueryModel*>(rows))
            FFetchError = query->FetchError();
        UpdateResultRows();
    });
    UpdateResultRows();
}

void TfrmZBSQLBuilder::BindFrameEvents()
{
    auto bind = [this](QAbstractButton* button, void (TfrmZBSQLBuilder::*handler)(QObject*)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, button, handler] { Guarded(this, [&] { (this->*handler)(button); }); });
    };
    bind(btnNew, &TfrmZBSQLBuilder::btnNewClick);
    bind(btnOpen, &TfrmZBSQLBuilder::btnOpenClick);
    bind(btnSave, &TfrmZBSQLBuilder::btnSaveClick);
    bind(btnShowGrid, &TfrmZBSQLBuilder::btnShowGridClick);
    bind(btnShowTables, &TfrmZBSQLBuilder::btnShowTablesClick);
    bind(btnGenSQL, &TfrmZBSQLBuilder::btnGenSQLClick);
    bind(btnExecSQL, &TfrmZBSQLBuilder::btnExecSQLClick);
    bind(btnOK, &TfrmZBSQLBuilder::btnOKClick);
    bind(btnCancel, &TfrmZBSQLBuilder::btnCancelClick);
    // Any double-click in the list drops its selected table, as the list's
    // own double-click would.
    lbTables->viewport()->installEventFilter(this);
    pbTableGrabber->OnPaint = [this](QObject* sender, QPainter& canvas) { pbTableGrabberPaint(sender, canvas); };
    pbTableGrabber->OnMouseUp = [this](QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                                       int y) { pbTableGrabberMouseUp(sender, button, shift, x, y); };
}

void TfrmZBSQLBuilder::SetFrameTexts()
{
    btnNew->setToolTip(sNewSQL.Text());
    btnOpen->setToolTip(sOpenSQL.Text());
    btnSave->setToolTip(sSaveSQL.Text());
    btnShowGrid->setToolTip(sShowGrid.Text());
    btnShowTables->setToolTip(sShowTables.Text());
    btnGenSQL->setToolTip(sGenSQL.Text());
    btnExecSQL->setToolTip(sExecSQl.Text());
    const QString filter = QtFileFilter(sSchemaFiles.Text() + u'|' + sAllFiles.Text());
    OpenDialog.Filter = filter;
    OpenDialog.DefaultExt = u"sch"_s;
    SaveDialog.Filter = filter;
    SaveDialog.DefaultExt = u"sch"_s;
}

// --- the pages ---

void TfrmZBSQLBuilder::pcSQLChange(QObject*)
{
    QWidget* page = pcSQL->currentWidget();
    if (page == tsSQL) {
        SetSQLText(GenerateSQL());
    } else if (page == tsResults) {
        if (SQLText().isEmpty())
            SetSQLText(GenerateSQL());
        ExecuteStatement(SQLText());
    }
}

void TfrmZBSQLBuilder::ExecuteStatement(const QString& Text)
{
    // Without an engine nothing can run, and there is nothing to show.
    if (!FDataEngine) {
        dSrcResult->SetDataSet(nullptr);
        return;
    }
    // An error leaves the rows shown before bound to the view.
    QAbstractItemModel* rows = FDataEngine->ExecSQL(Text);
    dSrcResult->SetDataSet(rows);
}

QAbstractItemModel* TfrmZBSQLBuilder::ResultModel() const
{
    return dSrcResult ? dSrcResult->DataSet() : nullptr;
}

void TfrmZBSQLBuilder::UpdateResultRows()
{
    FRowCountTimer.stop();
    QAbstractItemModel* rows = ResultModel();
    if (!rows) {
        lblResultRows->clear();
        return;
    }
    const int count = rows->rowCount();
    const QString number = QLocale().toString(count);
    QString text;
    if (!FFetchError.isEmpty())
        text = QCoreApplication::translate("schemakit", "%1 rows fetched; fetching stopped: %2")
                   .arg(number, FFetchError);
    else if (rows->canFetchMore(QModelIndex()))
        text = QCoreApplication::translate("schemakit", "%1 rows fetched so far; more as you scroll down").arg(number);
    else if (count == 1)
        text = QCoreApplication::translate("schemakit", "1 row");
    else
        text = QCoreApplication::translate("schemakit", "%1 rows").arg(number);
    lblResultRows->setText(text);
}

// --- the toolbar ---

void TfrmZBSQLBuilder::btnNewClick(QObject*)
{
    SchemaDesignArea->ClearAll();
}

void TfrmZBSQLBuilder::btnOpenClick(QObject*)
{
    QString name = OpenDialog.FileName;
    if (!Dialogs().ExecuteOpenDialog(name, OpenDialog.Filter, OpenDialog.DefaultExt, this))
        return;
    OpenDialog.FileName = name;
    OpenSchemaFile(name);
}

void TfrmZBSQLBuilder::OpenSchemaFile(const QString& FileName)
{
    // The boxes of a file bring their own rows; the engine is not asked.
    struct TInternalUpdate {
        bool& Flag;
        explicit TInternalUpdate(bool& flag) : Flag(flag) { Flag = true; }
        ~TInternalUpdate() { Flag = false; }
    } internalUpdate(FInternalUpdate);
    SchemaDesignArea->LoadFromFile(FileName);
}

void TfrmZBSQLBuilder::btnSaveClick(QObject*)
{
    QString name = SaveDialog.FileName.isEmpty() ? OpenDialog.FileName : SaveDialog.FileName;
    if (!Dialogs().ExecuteSaveDialog(name, SaveDialog.Filter, SaveDialog.DefaultExt, this))
        return;
    SaveDialog.FileName = name;
    SaveSchemaFile(name);
}

void TfrmZBSQLBuilder::SaveSchemaFile(const QString& FileName)
{
    SchemaDesignArea->SaveToFile(FileName);
}

void TfrmZBSQLBuilder::btnShowGridClick(QObject*)
{
    const bool shown = btnShowGrid->isChecked();
    pcSQL->setVisible(shown);
    SplitterGrid->setVisible(shown);
}

void TfrmZBSQLBuilder::btnShowTablesClick(QObject*)
{
    const bool shown = btnShowTables->isChecked();
    pnlTables->setVisible(shown);
    SplitterTables->setVisible(shown);
}

void TfrmZBSQLBuilder::btnGenSQLClick(QObject*)
{
    {
        // Switching here is not a person's switch: the rule runs once, below.
        const QSignalBlocker quiet(pcSQL);
        pcSQL->setCurrentWidget(tsSQL);
    }
    pcSQLChange(pcSQL);
}

void TfrmZBSQLBuilder::btnExecSQLClick(QObject*)
{
    {
        const QSignalBlocker quiet(pcSQL);
        pcSQL->setCurrentWidget(tsResults);
    }
    pcSQLChange(pcSQL);
}

void TfrmZBSQLBuilder::btnOKClick(QObject*)
{
    accept();
}

void TfrmZBSQLBuilder::btnCancelClick(QObject*)
{
    reject();
}

void TfrmZBSQLBuilder::pnlToolbarResize(QObject*)
{
    const int width = pnlToolbar->contentsRect().width();
    btnCancel->move(width - btnCancel->width() - kCancelMargin, btnCancel->y());
    btnOK->move(btnCancel->x() - btnOK->width() - kButtonGap, btnOK->y());
}

// --- the table list and its grip ---

void TfrmZBSQLBuilder::lbTablesDblClick(QObject*)
{
    SchemaDesignAreaDragDrop(SchemaDesignArea, lbTables, 10, 10);
}

void TfrmZBSQLBuilder::pbTableGrabberPaint(QObject*, QPainter& Canvas)
{
    // The paint box draws in its own coordinates.
    const int L = 0;
    const int T = 0;
    const int W = pbTableGrabber->width();
    const QPalette& palette = pbTableGrabber->palette();
    DrawCloseGlyph(Canvas, palette, QRect(QPoint(L + W - 11, T + 1), QPoint(L + W - 2, T + 10)));
    DrawRaisedBar(Canvas, palette, L + 2, T + 3, L + W - 14, T + 5);
    DrawRaisedBar(Canvas, palette, L + 2, T + 6, L + W - 14, T + 8);
}

void TfrmZBSQLBuilder::pbTableGrabberMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int)
{
    const int L = 0;
    const int W = pbTableGrabber->width();
    if (X <= L + W - 14)
        return;
    // As if the button had been pressed up: a programmatic click would toggle it.
    btnShowTables->setChecked(false);
    btnShowTablesClick(btnShowTables);
}

void TfrmZBSQLBuilder::FormActivate(QObject*)
{
}

void TfrmZBSQLBuilder::showEvent(QShowEvent* Event)
{
    // The first time the window opens it stands in the middle of its screen
    // (or of its parent, which Qt sees to).
    if (!FPlaced && !parentWidget()) {
        if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    FPlaced = true;
    QDialog::showEvent(Event);
    Guarded(this, [this] { FormActivate(this); });
}

} // namespace schemakit
