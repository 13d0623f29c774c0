#pragma once

#include "BoardPoints.h"
#include "ChineseFonts.h"
#include "Game.h"
#include "PictureBank.h"
#include "ProgramIcons.h"
#include "SaveDialog.h"
#include "StatusLabel.h"
#include "TitleLabel.h"
#include "Toolkit.h"
#include "UiAutomation.h"
#include "WaitingAnnouncements.h"
#include "Window.h"

#include <array>

namespace xiangqi::win32 {

// The main window: the board points inside their frame, the title and status labels, the four
// command buttons and the menus with the shortcut Ctrl+N. It shows what the game logic asks for
// and hands the user's clicks and commands to it. Its client area is laid out in twips at the
// resolution of the monitor it is on, and again, with its fonts, pictures and icons, when it
// moves to a monitor of another resolution. Screen readers hear what the game announces through
// `uia`.
class frmMain : public Window, public Toolkit {
public:
    frmMain(HINSTANCE instance, UiAutomation& uia);
    ~frmMain() override;

    // Shows the window and runs the program until the window has been closed; gives the exit
    // code.
    int run(int show);

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
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Form_Load();
    void createControls();
    HWND createButton(const design::Control& control, int id);
    std::array<HWND, 4> buttonsInTabOrder() const;
    HMENU createMenus();
    void dpiChanged(int dpi, const RECT& suggested);
    SIZE windowSizeAt(int dpi) const;
    void applyDpi();
    void layOutControls();
    void command(int id);
    void restoreFocus();
    bool active() const;
    void tellWaitingAnnouncements();
    bool translate(MSG& message);
    bool pressFocusedButton(const MSG& message);
    void enableButton(HWND button, bool enabled);
    void Image1_Click(int index);
    void cmdStart_Click();
    void cmdAbort_Click();
    void cmdUndo_Click();
    void cmdSave_Click();

    HINSTANCE instance_;
    UiAutomation& uia_;
    // The screen's resolution the window is laid out for.
    int dpi_ = design::kStandardDpi;
    ProgramIcons icons_;
    ChineseFonts fonts_;
    GdiObject<HFONT> controlFont_;
    HACCEL accelerators_ = nullptr;
    HMENU menu_ = nullptr;

    // The controls.
    HWND cmdSave = nullptr;
    HWND cmdUndo = nullptr;
    HWND cmdAbort = nullptr;
    HWND cmdStart = nullptr;
    HWND Frame1 = nullptr;
    BoardPoints Image1;
    StatusLabel Label2;
    PictureBank Image2;
    TitleLabel Label1;
    SaveDialog cdl1;

    HWND lastFocus_ = nullptr;
    WaitingAnnouncements waitingAnnouncements_;
    bool busy_ = false;
    Game game_{*this};
};

} // namespace xiangqi::win32
