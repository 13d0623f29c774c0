#include "FakeToolkit.h"

#include <algorithm>

namespace xiangqi {

// clang-format off
const std::array<int, 90> FakeToolkit::kTags{
     0,  1,  1,  4,  1,  6,  1,  1,  9,
    10, 11, 11, 11, 15, 11, 11, 11, 19,
    10, 11, 11, 24, 11, 26, 11, 11, 19,
    10, 11, 11, 11, 11, 11, 11, 11, 19,
    10, 91, 91, 91, 91, 91, 91, 91, 19,
    10,  1,  1,  1,  1,  1,  1,  1, 19,
    10, 11, 11, 11, 11, 11, 11, 11, 19,
    10, 11, 11, 74, 11, 76, 11, 11, 19,
    10, 11, 11, 11, 15, 11, 11, 11, 19,
    90, 91, 91, 94, 91, 96, 91, 91, 99,
};
// clang-format on

const char* commandName(Command command) {
    static constexpr const char* kNames[] = {"cmdAbort", "mnAbort", "cmdUndo",
                                             "mnUndo",   "cmdSave", "mnSave"};
    return kNames[static_cast<int>(command)];
}

FakeToolkit::FakeToolkit() {
    pictures.fill(-1);
}

void FakeToolkit::setPointPicture(int cell, int bankIndex) {
    pictures.at(cell) = bankIndex;
    calls.push_back("picture " + std::to_string(cell) + " " + std::to_string(bankIndex));
}

int FakeToolkit::pointTag(int cell) const {
    return kTags.at(cell);
}

void FakeToolkit::setPointBorder(int cell, bool frame) {
    framed.at(cell) = frame;
    calls.push_back("border " + std::to_string(cell) + (frame ? " 1" : " 0"));
}

void FakeToolkit::setStatusText(std::string_view text) {
    status = text;
    calls.push_back("status " + status);
}

void FakeToolkit::announce(const std::function<std::string()>& text) {
    announcements.push_back(text());
}

void FakeToolkit::enableCommand(Command command, bool enable) {
    enabled[static_cast<int>(command)] = enable;
    calls.push_back(std::string("enable ") + commandName(command) + (enable ? " 1" : " 0"));
}

void FakeToolkit::setBusyPointer(bool b) {
    busy = b;
    calls.push_back(b ? "busy 1" : "busy 0");
}

MessageAnswer FakeToolkit::messageBox(std::string_view text, MessageButtons buttons) {
    messages.emplace_back(text);
    calls.push_back((buttons == MessageButtons::Ok ? "message ok " : "message yesno ") +
                    std::string(text));
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::Yes;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeToolkit::setSaveDialogCancelError(bool armed) {
    cancelError = armed;
    calls.push_back(armed ? "cancelerror 1" : "cancelerror 0");
}

std::optional<std::string> FakeToolkit::showSaveDialog(std::string_view filter) {
    filters.emplace_back(filter);
    calls.push_back("savedialog " + std::string(filter));
    if (savePaths.empty())
        return std::nullopt;
    std::optional<std::string> path = savePaths.front();
    savePaths.pop_front();
    return path;
}

bool FakeToolkit::writeTextFile(const std::string& path, std::string_view contents) {
    calls.push_back("write " + path);
    if (failWrites)
        return false;
    writtenFiles.emplace_back(path, std::string(contents));
    return true;
}

void FakeToolkit::showAboutDialog() {
    ++aboutShown;
    calls.push_back("about");
}

void FakeToolkit::end() {
    ended = true;
    calls.push_back("end");
}

int FakeToolkit::framedCount() const {
    return static_cast<int>(std::count(framed.begin(), framed.end(), true));
}

} // namespace xiangqi
