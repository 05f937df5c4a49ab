#include "macro/macro_file_io.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <utility>
#include <vector>

#include "core/macro_file.h"
#include "win/handle.h"
#include "win/text.h"

namespace wp::macro {
namespace {

FileOutcome failed(DWORD error) { return {systemErrorText(error)}; }

// CreateFileW reports failure with INVALID_HANDLE_VALUE, which the owner does not hold.
win::KernelHandle openFile(const std::wstring& name, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
    const HANDLE file = CreateFileW(name.c_str(), access, share, nullptr, disposition, flags, nullptr);
    return win::KernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

std::wstring fullPath(const std::wstring& name) {
    const DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (size == 0) return name;
    std::wstring full(size, L'\0');
    const DWORD copied = GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
    if (copied == 0 || copied >= size) return name;
    full.resize(copied);
    return full;
}

FileOutcome writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return failed(GetLastError());
        if (written == 0) return failed(ERROR_WRITE_FAULT);
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file)) return failed(GetLastError());
    return {};
}

bool moveInPlace(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// ReplaceFileW keeps the old file's attributes, ACL and creation time. The old file goes to a backup
// name first, so that whatever step fails, one of the two files is there to put back.
bool replaceInPlace(const std::wstring& fresh, const std::wstring& target) {
    const std::wstring backup = fresh + L".old";
    if (ReplaceFileW(target.c_str(), fresh.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return DeleteFileW(backup.c_str()), true;
    const DWORD error = GetLastError();
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_ACCESS_DENIED:
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT: // both files keep their names
        return false;
    case ERROR_UNABLE_TO_MOVE_REPLACEMENT_2: // the old file is under the backup name
        if (moveInPlace(fresh, target)) return DeleteFileW(backup.c_str()), true;
        MoveFileExW(backup.c_str(), target.c_str(), 0);
        SetLastError(error);
        return false;
    default: // a file system or share that cannot replace (both files keep their names): a plain move
        return moveInPlace(fresh, target);
    }
}

// An indexer or a virus scanner that holds the fresh file or the old one lets go within moments: the
// last step is tried again for about a second before its failure is reported.
bool putInPlace(const std::wstring& fresh, const std::wstring& target, bool replacing) {
    for (int attempt = 1;; ++attempt) {
        if (replacing ? replaceInPlace(fresh, target) : moveInPlace(fresh, target)) return true;
        const DWORD error = GetLastError();
        if (attempt == 20 || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
                              error != ERROR_UNABLE_TO_REMOVE_REPLACED && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT))
            return SetLastError(error), false;
        Sleep(50);
    }
}

} // namespace

FileOutcome readWholeFile(const std::wstring& name, std::string& bytes) {
    const win::KernelHandle file = openFile(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN);
    if (!file) return failed(GetLastError());
    std::string content;
    std::vector<char> chunk(64 * 1024);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr))
            return failed(GetLastError());
        if (got == 0) break;
        if (content.size() + got > largestMacroFile)
            return {L"The file is larger than 16 MB, too large for a macro."};
        content.append(chunk.data(), got);
    }
    bytes = std::move(content);
    return {};
}

FileOutcome replaceFile(const std::wstring& name, std::string_view bytes) {
    const std::wstring target = fullPath(name);
    // A read-only file or a folder is not replaced: Windows refuses both, Wine's rename would not.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return failed(ERROR_ACCESS_DENIED);
    // ReplaceFileW gives the new file the old one's attributes; Wine's does not, and a plain move never does.
    const DWORD kept =
        exists ? attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED) : 0;
    std::wstring temporary;
    win::KernelHandle file;
    for (unsigned attempt = 0; attempt < 100 && !file; ++attempt) {
        temporary = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
        file = openFile(temporary, GENERIC_WRITE, 0, CREATE_NEW, kept ? kept : FILE_ATTRIBUTE_NORMAL);
        if (!file && GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return failed(GetLastError());
    }
    if (!file) return failed(ERROR_FILE_EXISTS);

    FileOutcome outcome = writeAll(file.get(), bytes);
    file.reset();
    if (outcome && !putInPlace(temporary, target, exists)) outcome = failed(GetLastError());
    if (!outcome) DeleteFileW(temporary.c_str());
    return outcome;
}

std::wstring systemErrorText(DWORD error) {
    wchar_t text[512]{};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  static_cast<DWORD>(std::size(text)), nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' ')) --length;
    if (length == 0) return L"System error " + std::to_wstring(error) + L".";
    return std::wstring(text, length);
}

MacroFileEntries openMacroFile(const std::wstring& name) {
    std::string bytes;
    if (const FileOutcome read = readWholeFile(name, bytes); !read) return {{}, read.failure};
    return macroFileEntries(std::move(bytes));
}

MacroFileEntries macroFileEntries(std::string bytes) {
    MacroFileEntries result;
    const MacroFileContent content = readMacroFile(bytes);
    std::string().swap(bytes);
    if (content.refused()) {
        const MacroFileLimits limits;
        result.failure = content.tooManyEntries
                             ? L"It holds more than " + std::to_wstring(limits.entries) +
                                   L" entries, the most a macro may have."
                             : L"Entry " + std::to_wstring(content.entries.size() + 1) + L" is longer than " +
                                   std::to_wstring(limits.entryLength) + L" characters, the most an entry may have.";
        return result;
    }
    // Macro files hold the system's single-byte code page; one that began with a byte-order mark is
    // read as UTF-8 (a UTF-16 one has been made UTF-8 by then).
    const UINT codePage = content.kind == MacroTextKind::Utf8 ? CP_UTF8 : CP_ACP;
    result.entries.reserve(content.entries.size());
    for (const std::string& entry : content.entries) {
        std::wstring text = win::widen(entry, codePage);
        text.resize(std::wcslen(text.c_str()));
        result.entries.push_back(std::move(text));
    }
    return result;
}

} // namespace wp::macro
