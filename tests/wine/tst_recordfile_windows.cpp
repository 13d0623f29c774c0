// The record writer of the Windows program, run under Wine: each case prepares a folder, saves
// a record and checks what the folder then holds. Ends with the line "N passed, N failed".
#include "RecordFile.h"
#include "Utf16.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include <windows.h>

namespace {

using xiangqi::RecordFile;
using xiangqi::win32::utf16;
using xiangqi::win32::utf8;

const std::string kWorkedExample = "64,67,0\r\n1,20,0\r\n67,31,66\r\n";
const std::string kOldContents = "1,2,0\r\n3,4,0\r\n";
const std::string kUnreadable = "<unreadable>";

// The tests' own file calls take names of any length.
std::wstring anyLength(const std::wstring& path) {
    return LR"(\\?\)" + path;
}

std::string readAll(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(anyLength(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kUnreadable;
    std::string contents(1 << 16, '\0');
    DWORD read = 0;
    const bool done = ::ReadFile(file, contents.data(), DWORD(contents.size()), &read, nullptr);
    ::CloseHandle(file);
    return done ? contents.substr(0, read) : kUnreadable;
}

bool createFile(const std::wstring& path, const std::string& contents) {
    const HANDLE file = ::CreateFileW(anyLength(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                      CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool done = file != INVALID_HANDLE_VALUE &&
                      ::WriteFile(file, contents.data(), DWORD(contents.size()), &written, nullptr);
    return ::CloseHandle(file) && done;
}

std::vector<std::wstring> entriesOf(const std::wstring& folder) {
    std::vector<std::wstring> entries;
    WIN32_FIND_DATAW found;
    const HANDLE search = ::FindFirstFileW(anyLength(folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            entries.push_back(name);
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return entries;
}

// A folder of its own for each case, emptied afterwards.
class CaseFolder {
public:
    explicit CaseFolder(int number) {
        wchar_t temporary[MAX_PATH + 1];
        ::GetTempPathW(MAX_PATH + 1, temporary);
        path_ = std::wstring(temporary) + L"tvq-case-" + std::to_wstring(number);
        ::CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~CaseFolder() { remove(path_); }
    CaseFolder(const CaseFolder&) = delete;
    CaseFolder& operator=(const CaseFolder&) = delete;

    const std::wstring& path() const { return path_; }

private:
    static void remove(const std::wstring& folder) {
        for (const std::wstring& name : entriesOf(folder)) {
            const std::wstring entry = folder + L"\\" + name;
            ::SetFileAttributesW(anyLength(entry).c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!::DeleteFileW(anyLength(entry).c_str()))
                remove(entry);
        }
        ::RemoveDirectoryW(folder.c_str());
    }

    std::wstring path_;
};

// What a case ends with: whether the save reported success, and the name and contents of the
// one file that the folder of the record (the case's folder, or the sub-folder `inside`) then
// holds besides its sub-folders.
struct Case {
    const char* name;
    // Prepares the folder; gives the path to save to.
    std::function<std::wstring(const std::wstring& folder)> prepare;
    std::string contents;
    bool saved;
    std::wstring expectedName;
    std::string expectedContents;
    std::wstring inside = {};
};

// A file another program holds open, without letting it be deleted or renamed, while a case
// runs.
HANDLE heldOpen = INVALID_HANDLE_VALUE;

std::wstring inFolder(const std::wstring& folder, const std::wstring& name) {
    return folder + L"\\" + name;
}

std::wstring withOldFile(const std::wstring& folder, const std::wstring& name) {
    createFile(inFolder(folder, name), kOldContents);
    return inFolder(folder, name);
}

// Two folders of 100 characters: a path of some 250 characters more than the folder's.
const std::wstring kLongFolders = std::wstring(100, L'x') + L"\\" + std::wstring(100, L'y');

const std::vector<Case> kCases = {
    {"the worked example under a Chinese name",
     [](const std::wstring& folder) { return inFolder(folder, L"对局.tvq"); }, kWorkedExample, true,
     L"对局.tvq", kWorkedExample},
    {"a larger old file keeps none of its bytes",
     [](const std::wstring& folder) {
         createFile(inFolder(folder, L"game.tvq"), std::string(4096, 'z'));
         return inFolder(folder, L"game.tvq");
     },
     kWorkedExample, true, L"game.tvq", kWorkedExample},
    {"an empty record empties an old file",
     [](const std::wstring& folder) { return withOldFile(folder, L"game.tvq"); }, "", true,
     L"game.tvq", ""},
    {"a path longer than MAX_PATH",
     [](const std::wstring& folder) {
         ::CreateDirectoryW(anyLength(inFolder(folder, kLongFolders.substr(0, 100))).c_str(),
                            nullptr);
         ::CreateDirectoryW(anyLength(inFolder(folder, kLongFolders)).c_str(), nullptr);
         return inFolder(folder, kLongFolders + L"\\对局.tvq");
     },
     kWorkedExample, true, L"对局.tvq", kWorkedExample, kLongFolders},
    {"a read-only file is refused and kept",
     [](const std::wstring& folder) {
         const std::wstring path = withOldFile(folder, L"game.tvq");
         ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
         return path;
     },
     kWorkedExample, false, L"game.tvq", kOldContents},
    {"a folder of that name is refused",
     [](const std::wstring& folder) {
         withOldFile(folder, L"old.tvq");
         ::CreateDirectoryW(inFolder(folder, L"game.tvq").c_str(), nullptr);
         return inFolder(folder, L"game.tvq");
     },
     kWorkedExample, false, L"old.tvq", kOldContents},
    {"a file held open elsewhere fails the save and is kept",
     [](const std::wstring& folder) {
         const std::wstring path = withOldFile(folder, L"game.tvq");
         heldOpen = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
         return path;
     },
     kWorkedExample, false, L"game.tvq", kOldContents},
    {"a missing folder is refused",
     [](const std::wstring& folder) {
         withOldFile(folder, L"old.tvq");
         return inFolder(folder, L"missing\\game.tvq");
     },
     kWorkedExample, false, L"old.tvq", kOldContents},
};

// The problems of one case; empty when it passed.
std::string run(const Case& test, int number) {
    const CaseFolder folder(number);
    const std::wstring path = test.prepare(folder.path());
    const std::wstring inspected =
        test.inside.empty() ? folder.path() : inFolder(folder.path(), test.inside);
    std::string problems;
    if (RecordFile::write(utf8(path), test.contents) != test.saved)
        problems += test.saved ? " the save failed;" : " the save was reported as done;";
    if (heldOpen != INVALID_HANDLE_VALUE)
        ::CloseHandle(std::exchange(heldOpen, INVALID_HANDLE_VALUE));
    std::vector<std::wstring> files;
    for (const std::wstring& name : entriesOf(inspected))
        if (!(::GetFileAttributesW(anyLength(inFolder(inspected, name)).c_str()) &
              FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(name);
    if (files != std::vector<std::wstring>{test.expectedName}) {
        problems += " the folder holds:";
        for (const std::wstring& name : files)
            problems.append(1, ' ').append(utf8(name).substr(0, 40));
        problems += ";";
    } else if (readAll(inFolder(inspected, test.expectedName)) != test.expectedContents) {
        problems += " the file holds other bytes;";
    }
    return problems;
}

} // namespace

int main() {
    int passed = 0;
    int failed = 0;
    for (std::size_t number = 0; number < kCases.size(); ++number) {
        const std::string problems = run(kCases[number], static_cast<int>(number));
        std::printf("%s: %s%s\n", problems.empty() ? "PASS" : "FAIL", kCases[number].name,
                    problems.c_str());
        ++(problems.empty() ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
