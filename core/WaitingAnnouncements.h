#pragma once

#include <string>
#include <vector>

namespace xiangqi {

// The announcements made while the window is not active, which wait for it, oldest first. They
// are told together, as one text: a screen reader reads a notification's text only when it comes
// to the event, by which time a second notification in a row would have replaced the first.
// Each announcement ends in what the game is after it, so once the player has been in another
// program, only the last one still tells the game as it is; the others describe a state that has
// since changed.
class WaitingAnnouncements {
public:
    // Puts `text` behind those waiting; true when none waited before it, so that an active
    // window tells it at once.
    bool add(std::string text);
    bool empty() const { return texts_.empty(); }
    // Another program has had the keyboard.
    void leftForAnotherProgram() { backFromAnotherProgram_ = true; }
    // The window is active again: a player back from another program who finds nothing waiting
    // has missed nothing.
    void windowActivated();
    // The text to tell: the waiting texts one after the other, or only the last one where the
    // player has been in another program meanwhile. None waits afterwards.
    // Pre: !empty().
    std::string take();

private:
    std::vector<std::string> texts_;
    bool backFromAnotherProgram_ = false;
};

} // namespace xiangqi
