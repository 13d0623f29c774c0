#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace xiangqi {

// The commands whose enabled state ever changes. The others (new game, exit, about) are always
// available. Buttons and menu items come in pairs and are always switched together.
enum class Command { cmdAbort, mnAbort, cmdUndo, mnUndo, cmdSave, mnSave };

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Everything the game logic needs from the window toolkit: the screen, the user and the disk.
// The window implements it; tests implement it with a recording fake. All texts are UTF-8.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Point `cell` (0..89) shows the picture-bank picture `bankIndex` at once.
    virtual void setPointPicture(int cell, int bankIndex) = 0;
    // The picture-bank index of the bare-board drawing at point `cell`.
    virtual int pointTag(int cell) const = 0;
    // A thin single-line frame round point `cell` (the selection highlight), or none.
    virtual void setPointBorder(int cell, bool framed) = 0;
    virtual void setStatusText(std::string_view text) = 0;
    // Tells the user of a screen reader the text that `text` makes; nothing is shown. It is told
    // at once while the window is active and no text waits; otherwise (a question or dialog
    // open, or another program in front) it waits until the window is active again and the
    // screen reader has read the window, and is told then after the texts that waited before
    // it, each once. Of the texts waiting for a user who has been in another program meanwhile,
    // only the last is told: each ends in what the game is after it. Without a screen reader no
    // text is made.
    virtual void announce(const std::function<std::string()>& text) = 0;
    virtual void enableCommand(Command command, bool enabled) = 0;
    // The hourglass pointer over the whole screen, or the default pointer.
    virtual void setBusyPointer(bool busy) = 0;
    // A modal message box without icon; the answer is Ok for the OK-only box.
    virtual MessageAnswer messageBox(std::string_view text, MessageButtons buttons) = 0;

    // When armed, cancelling the Save-As dialog is reported as a failure (no path).
    virtual void setSaveDialogCancelError(bool armed) = 0;
    // The modal Save-As dialog with one filter "description|pattern". No path: cancelled or the
    // dialog could not be shown.
    virtual std::optional<std::string> showSaveDialog(std::string_view filter) = 0;
    // Replaces the file at `path` by `contents` as a whole; false on any failure, in which case
    // an existing file keeps its old content, unless only the last step failed (making the
    // replacement durable), when it already holds `contents` in full.
    virtual bool writeTextFile(const std::string& path, std::string_view contents) = 0;

    // Loads the about dialog afresh and shows it modally; returns when it has been closed.
    virtual void showAboutDialog() = 0;
    // Ends the program at once, without a question.
    virtual void end() = 0;
};

} // namespace xiangqi
