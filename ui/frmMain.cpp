#include "frmMain.h"

#include "BoardPoints.h"
#include "ChineseUi.h"
#include "NameOnlyIconProvider.h"
#include "ProgramIconEngine.h"
#include "RecordFile.h"
#include "StatusLabel.h"
#include "TitleLabel.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

namespace xiangqi {

namespace {
namespace form = design::frmMain;

const QString kTitle = QString::fromUtf8(design::kTitle.data(), qsizetype(design::kTitle.size()));
const QString kIcon = QStringLiteral(":/icons/xiangqi.png");

QRect pixelRect(design::Twips place) {
    const design::Pixels pixels = design::toPixels(place);
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QColor colourOf(const design::Font& font) {
    return QColor(font.colour.red, font.colour.green, font.colour.blue);
}

// The keyboard's cursor starts on red's king: red moves first.
constexpr int kRedKingPoint = 85;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Turns a "description|pattern" filter into Qt's "description (pattern)" form; a description
// that already ends with its pattern in parentheses is used as it stands.
QString qtFilter(std::string_view filter) {
    const QStringList parts = fromUtf8(filter).split(QLatin1Char('|'));
    const QString description = parts.value(0);
    const QString pattern = parts.value(1);
    if (pattern.isEmpty() || description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')')))
        return description;
    return description + QStringLiteral(" (") + pattern + QLatin1Char(')');
}

// The name field of the file dialog offers every entry of the folder typed so far. Measuring
// each one of a folder of 100,000 files kept the program from answering for seconds; they all
// have the one height, and a name too long for the list ends in an ellipsis.
void sizeCompletionsAlike(const QFileDialog& dialog) {
    auto* completer = dialog.findChild<QCompleter*>();
    if (auto* list = completer ? qobject_cast<QListView*>(completer->popup()) : nullptr)
        list->setUniformItemSizes(true);
}

// The dialog's list of the folder shown. The dialog has no call that reaches it, so it is found
// by the name Qt gives it.
QListView* fileList(const QFileDialog& dialog) {
    return dialog.findChild<QListView*>(QStringLiteral("listView"));
}

// As a name is typed, the dialog selects in its list what the name names, for an empty name the
// folder shown itself, and deselects what the name before named. Qt's selection model keeps the
// last deselection apart until the next change, and meanwhile takes a row of the same number in
// any folder for deselected too. When one change of the name both selects the folder and
// deselects a file (a selected file's name deleted at once), the dialog therefore no longer sees
// the folder selected and never deselects it; the name of an existing file typed after that is
// selected beside it, and the dialog takes the folder for the file to save: 保存 is disabled and
// Return does nothing. So each change of the selection is committed at once.
void commitEachSelection(const QFileDialog& dialog) {
    QListView* list = fileList(dialog);
    if (!list)
        return;
    QItemSelectionModel* selection = list->selectionModel();
    QObject::connect(selection, &QItemSelectionModel::selectionChanged, list, [selection] {
        selection->select(QItemSelection(), QItemSelectionModel::Select);
    });
}
} // namespace

frmMain::frmMain()
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setWindowIcon(QIcon(new drawing::ProgramIconEngine(kIcon)));

    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    createControls(client);
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    game_.Form_Load();
    // Qt's application state ignores the moment between one of the program's windows closing and
    // the next one taking the keyboard: it is inactive only while another program has it.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    waitingAnnouncements_.leftForAnotherProgram();
            });
}

frmMain::~frmMain() = default;

// Controls are created in the order that puts each one above the ones before it.
void frmMain::createControls(QWidget* client) {
    cmdSave = createButton(form::cmdSave, client);
    cmdUndo = createButton(form::cmdUndo, client);
    cmdAbort = createButton(form::cmdAbort, client);
    cmdStart = createButton(form::cmdStart, client);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdUndo, &QPushButton::clicked, this, &frmMain::cmdUndo_Click);
    connect(cmdAbort, &QPushButton::clicked, this, &frmMain::cmdAbort_Click);
    connect(cmdStart, &QPushButton::clicked, this, &frmMain::cmdStart_Click);

    Frame1 = new QGroupBox(fromUtf8(form::Frame1.text), client);
    Frame1->setObjectName(fromUtf8(form::Frame1.name));
    Frame1->setGeometry(pixelRect(form::Frame1.place));
    Image1 = new BoardPoints(Image2, Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(design::toPixels(form::kPointsLeft), design::toPixels(form::kPointsTop));
    Image1->setFocusPoint(kRedKingPoint);
    connect(Image1, &BoardPoints::pointClicked, this, &frmMain::Image1_Click);
    connect(Image1, &BoardPoints::statusAsked, this, [this] { game_.announceStatus(); });

    Label2 = new StatusLabel(fromUtf8(form::Label2.text), client);
    Label2->setObjectName(fromUtf8(form::Label2.name));
    Label2->setGeometry(pixelRect(form::Label2.place));
    Label2->setFont(songFont(form::kStatusFont.points));
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, colourOf(form::kStatusFont));
    Label2->setPalette(blue);

    Label1 = new TitleLabel(fromUtf8(form::Label1.text), tahomaFont(form::kTitleFont.points),
                            songFont(form::kTitleFont.points), client);
    Label1->setObjectName(fromUtf8(form::Label1.name));
    // The designed width cannot hold the title at its font size; the label grows to the right,
    // where nothing else stands, so the whole title shows.
    QRect title = pixelRect(form::Label1.place);
    title.setWidth(std::max(title.width(), Label1->sizeHint().width()));
    Label1->setGeometry(title);
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, colourOf(form::kTitleFont));
    Label1->setPalette(red);

    setTabOrder(cmdStart, cmdAbort);
    setTabOrder(cmdAbort, cmdUndo);
    setTabOrder(cmdUndo, cmdSave);
    setTabOrder(cmdSave, Image1);
}

QPushButton* frmMain::createButton(const design::Control& control, QWidget* client) {
    auto* button = new QPushButton(fromUtf8(control.text), client);
    button->setObjectName(fromUtf8(control.name));
    button->setGeometry(pixelRect(control.place));
    button->setAutoDefault(false);
    button->installEventFilter(this);
    return button;
}

// Return presses a focused button, as Space does. Qt leaves it to a dialog's default button. The
// keypad's Enter is a screen reader's, as on the board.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || key->key() != Qt::Key_Return)
        return QMainWindow::eventFilter(watched, event);
    if (!key->isAutoRepeat())
        button->click();
    return true;
}

void frmMain::createMenus() {
    QMenu* mnChess = createMenu(form::mnChess);
    mnStart = createMenuItem(mnChess, form::mnStart, [this] { game_.mnStart_Click(); });
    mnStart->setShortcut(QKeySequence(fromUtf8(form::kStartShortcut)));
    addAction(mnStart); // so Ctrl+N works whenever the window is active, menu closed or not
    mnAbort = createMenuItem(mnChess, form::mnAbort, [this] { game_.mnAbort_Click(); });
    mnUndo = createMenuItem(mnChess, form::mnUndo, [this] { game_.mnUndo_Click(); });
    mnChess->addSeparator()->setObjectName(QStringLiteral("mnSep11"));
    mnSave = createMenuItem(mnChess, form::mnSave, [this] { game_.mnSave_Click(); });
    mnChess->addSeparator()->setObjectName(QStringLiteral("mnSep12"));
    mnExit = createMenuItem(mnChess, form::mnExit, [this] { game_.mnExit_Click(); });

    QMenu* mnHelp = createMenu(form::mnHelp);
    mnAbout = createMenuItem(mnHelp, form::mnAbout, [this] { game_.mnAbout_Click(); });
}

QMenu* frmMain::createMenu(const design::MenuItem& item) {
    QMenu* menu = menuBar()->addMenu(fromUtf8(item.caption));
    menu->setObjectName(fromUtf8(item.name));
    return menu;
}

QAction* frmMain::createMenuItem(QMenu* menu, const design::MenuItem& item,
                                 const std::function<void()>& handler) {
    QAction* action = menu->addAction(fromUtf8(item.caption), handler);
    action->setObjectName(fromUtf8(item.name));
    return action;
}

void frmMain::Image1_Click(int index) {
    game_.Image1_Click(index);
}
void frmMain::cmdStart_Click() {
    game_.mnStart_Click();
}
void frmMain::cmdAbort_Click() {
    game_.mnAbort_Click();
}
void frmMain::cmdUndo_Click() {
    game_.mnUndo_Click();
}
void frmMain::cmdSave_Click() {
    game_.mnSave_Click();
}

void frmMain::setPointPicture(int cell, int bankIndex) {
    Image1->setPicture(cell, bankIndex);
}

int frmMain::pointTag(int cell) const {
    return form::pointTag(cell);
}

void frmMain::setPointBorder(int cell, bool framed) {
    Image1->setFramed(cell, framed);
}

void frmMain::setStatusText(std::string_view text) {
    Label2->setText(fromUtf8(text));
}

// A question's box takes the activation from the window, and the window manager gives it back
// only once the box has closed: a screen reader then reads the window and its focused button
// anew, and would talk over an announcement made before. So what the game announces while the
// window is not active waits, behind whatever already waits, until it is.
void frmMain::announce(const std::function<std::string()>& text) {
    if (!QAccessible::isActive())
        return;
    if (waitingAnnouncements_.add(text()) && isActiveWindow())
        tellWaitingAnnouncements();
}

// Qt tells assistive technology of the window's activation and of its focused control once this
// event has been handled; the waiting announcements follow them.
void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    waitingAnnouncements_.windowActivated();
    if (!waitingAnnouncements_.empty())
        QMetaObject::invokeMethod(this, &frmMain::tellWaitingAnnouncements, Qt::QueuedConnection);
}

void frmMain::tellWaitingAnnouncements() {
    if (!waitingAnnouncements_.empty() && isActiveWindow())
        Label2->announce(QString::fromStdString(waitingAnnouncements_.take()));
}

void frmMain::enableCommand(Command command, bool enabled) {
    switch (command) {
    case Command::cmdAbort:
        return enableButton(cmdAbort, enabled);
    case Command::mnAbort:
        return mnAbort->setEnabled(enabled);
    case Command::cmdUndo:
        return enableButton(cmdUndo, enabled);
    case Command::mnUndo:
        return mnUndo->setEnabled(enabled);
    case Command::cmdSave:
        return enableButton(cmdSave, enabled);
    case Command::mnSave:
        return mnSave->setEnabled(enabled);
    }
}

// A button that holds the focus as it is disabled hands the focus on to the next enabled button,
// not to the board as Qt would: a click on the button leaves no cursor on the board. 开局 is
// always enabled.
void frmMain::enableButton(QPushButton* button, bool enabled) {
    if (!enabled && focusWidget() == button) {
        QWidget* next = button->nextInFocusChain();
        while (!qobject_cast<QPushButton*>(next) || !next->isEnabled())
            next = next->nextInFocusChain();
        next->setFocus(Qt::TabFocusReason);
    }
    button->setEnabled(enabled);
}

void frmMain::setBusyPointer(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

MessageAnswer frmMain::messageBox(std::string_view text, MessageButtons buttons) {
    const bool yesNo = buttons == MessageButtons::YesNo;
    QMessageBox box(QMessageBox::NoIcon, kTitle, fromUtf8(text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, this);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void frmMain::setSaveDialogCancelError(bool armed) {
    saveCancelError_ = armed;
}

// Without the cancel error armed, a cancelled dialog yields an empty path, which no file can be
// written to. A request while the dialog is open shows nothing and yields no path: a press on
// 保存 that comes in the same round of input as the close of the dialog is handled after the
// dialog has been hidden but before its exec has returned.
std::optional<std::string> frmMain::showSaveDialog(std::string_view filter) {
    if (saveDialogOpen_)
        return std::nullopt;
    const QScopedValueRollback open(saveDialogOpen_, true);
    QFileDialog& dialog = saveDialog();
    const QStringList filters{qtFilter(filter)};
    if (dialog.nameFilters() != filters) // a new filter would change the extension of the name
        dialog.setNameFilters(filters);
    offerLastSavedFile(dialog);
    const QString path =
        dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    if (!path.isEmpty())
        lastSavedFile_ = path;
    if (path.isEmpty() && saveCancelError_)
        return std::nullopt;
    return path.toStdString();
}

// Made when first needed, the dialog lasts as long as the window. It is Qt's own dialog, so it
// speaks Chinese whatever the desktop's native dialog would.
QFileDialog& frmMain::saveDialog() {
    if (!saveDialog_) {
        saveDialogIcons_ = std::make_unique<NameOnlyIconProvider>();
        saveDialog_ = std::make_unique<QFileDialog>(this);
        saveDialog_->setOption(QFileDialog::DontUseNativeDialog);
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setIconProvider(saveDialogIcons_.get());
        sizeCompletionsAlike(*saveDialog_);
        commitEachSelection(*saveDialog_);
        firstSaveFolder_ = saveDialog_->directory().absolutePath();
    }
    return *saveDialog_;
}

// The dialog offers the folder and name of the last save, or before the first save the folder
// it first showed and no name: what was typed into it and cancelled is gone, and no file it
// named stays chosen. selectFile offers a name and chooses the file of that name alone, but
// ignores an empty name, and no other call of the dialog empties the name field or drops what
// its list has selected; without a name both are done directly.
void frmMain::offerLastSavedFile(QFileDialog& dialog) const {
    if (!lastSavedFile_.isEmpty())
        return dialog.selectFile(lastSavedFile_);
    dialog.setDirectory(firstSaveFolder_);
    if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->clear();
    if (QListView* list = fileList(dialog))
        list->clearSelection();
}

bool frmMain::writeTextFile(const std::string& path, std::string_view contents) {
    return RecordFile::write(path, contents);
}

void frmMain::showAboutDialog() {
    frmAbout::showModal();
}

void frmMain::end() {
    QCoreApplication::exit(0);
}

// Closing the window ends the program at once, without a question. Qt ends a program by itself
// only when no window is left open, so a question opened by a click queued behind the close
// request kept the program running without its window. While a question is open the window
// takes no input, so no close request reaches it then.
void frmMain::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    end();
}

} // namespace xiangqi
