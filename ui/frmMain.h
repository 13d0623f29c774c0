#pragma once

#include "DestroyedWindowWatch.h"
#include "Game.h"
#include "PictureBank.h"
#include "Toolkit.h"
#include "WaitingAnnouncements.h"
#include "WindowDesign.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <string>

class QAction;
class QFileDialog;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace xiangqi {

class BoardPoints;
class NameOnlyIconProvider;
class StatusLabel;
class TitleLabel;

// The main window: the board points inside their frame, the title and status labels, the four
// command buttons and the menus. It shows what the game logic asks for and hands the user's
// clicks and commands to it.
class frmMain : public QMainWindow, public Toolkit {
    Q_OBJECT

public:
    static constexpr int kClientWidth = design::toPixels(design::frmMain::kClient).width;
    static constexpr int kClientHeight = design::toPixels(design::frmMain::kClient).height;

    frmMain();
    ~frmMain() override;

    const Game& game() const { return game_; }

    void setPointPicture(int cell, int bankIndex) override;
    int pointTag(int cell) const override;
    void setPointBorder(int cell, bool framed) override;
    void setStatusText(std::string_view text) override;
    void announce(const std::function<std::string()>& text) override;
    void enableCommand(Command command, bool enabled) override;
    void setBusyPointer(bool busy) override;
    MessageAnswer messageBox(std::string_view text, MessageButtons buttons) override;
    void setSaveDialogCancelError(bool armed) override;
    std::optional<std::string> showSaveDialog(std::string_view filter) override;
    bool writeTextFile(const std::string& path, std::string_view contents) override;
    void showAboutDialog() override;
    void end() override;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void Image1_Click(int index);
    void cmdStart_Click();
    void cmdAbort_Click();
    void cmdUndo_Click();
    void cmdSave_Click();

private:
    void createControls(QWidget* client);
    void createMenus();
    QPushButton* createButton(const design::Control& control, QWidget* client);
    QMenu* createMenu(const design::MenuItem& item);
    QAction* createMenuItem(QMenu* menu, const design::MenuItem& item,
                            const std::function<void()>& handler);
    void enableButton(QPushButton* button, bool enabled);
    QFileDialog& saveDialog();
    void offerLastSavedFile(QFileDialog& dialog) const;
    void tellWaitingAnnouncements();

    // The controls; each also carries its name as its object name.
    TitleLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    BoardPoints* Image1 = nullptr;
    StatusLabel* Label2 = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdAbort = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdSave = nullptr;
    QAction* mnStart = nullptr;
    QAction* mnAbort = nullptr;
    QAction* mnUndo = nullptr;
    QAction* mnSave = nullptr;
    QAction* mnExit = nullptr;
    QAction* mnAbout = nullptr;
    PictureBank Image2;
    Game game_{*this};
    bool saveCancelError_ = false;
    WaitingAnnouncements waitingAnnouncements_;
    bool saveDialogOpen_ = false;
    // The Save-As dialog uses its icons while it lives, so they go first.
    std::unique_ptr<NameOnlyIconProvider> saveDialogIcons_;
    std::unique_ptr<QFileDialog> saveDialog_;
    QString firstSaveFolder_;
    QString lastSavedFile_;
    // When another X client destroys the window, the program ends as 退出 ends it.
    DestroyedWindowWatch destroyedWatch_{*this, [this] { end(); }};
};

} // namespace xiangqi
