#pragma once

#include "Toolkit.h"

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace xiangqi {

// A toolkit without a screen: it remembers what every point shows, records each call in order
// as a short text ("picture 13 15", "border 4 1", "status 红行", "enable cmdUndo 0", ...), answers
// message boxes and the Save-As dialog from queues, and keeps written files in memory. What it is
// asked to announce is kept apart, in announcements.
class FakeToolkit : public Toolkit {
public:
    FakeToolkit();

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

    // The bare-board drawing numbers of the 90 points, row by row.
    static const std::array<int, 90> kTags;

    std::array<int, 90> pictures{};
    std::array<bool, 90> framed{};
    std::string status;
    std::array<bool, 6> enabled{true, true, true, true, true, true};
    bool busy = false;
    bool cancelError = false;
    bool ended = false;
    int aboutShown = 0;

    std::deque<MessageAnswer> answers;                // next Yes/No answers; Yes when empty
    std::vector<std::string> messages;                // texts of every message box shown
    std::deque<std::optional<std::string>> savePaths; // next Save-As results; cancel when empty
    std::vector<std::string> filters;
    bool failWrites = false;
    std::vector<std::pair<std::string, std::string>> writtenFiles;

    std::vector<std::string> calls;
    std::vector<std::string> announcements;

    bool isEnabled(Command command) const { return enabled[static_cast<int>(command)]; }
    int framedCount() const;
};

const char* commandName(Command command);

} // namespace xiangqi
