#pragma once
// Points the process's temporary folder (TMP and TEMP, which GetTempPathW
// reads) at a fresh folder of its own for the life of the object, so that a
// test can see every temporary file a transfer leaves behind. Header-only,
// Windows tests only.

#include <windows.h>

#include <string>

namespace vexa::test {

class TempFolder {
public:
    explicit TempFolder(const wchar_t* name) {
        wchar_t base[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, base);
        savedTmp = variable(L"TMP");
        savedTemp = variable(L"TEMP");
        folder = std::wstring(base) + name + L"-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        // Process ids repeat (under Wine at once): a folder of an earlier run
        // that failed may still hold its files.
        removeFiles();
        SetEnvironmentVariableW(L"TMP", folder.c_str());
        SetEnvironmentVariableW(L"TEMP", folder.c_str());
    }
    ~TempFolder() {
        SetEnvironmentVariableW(L"TMP", savedTmp.empty() ? nullptr : savedTmp.c_str());
        SetEnvironmentVariableW(L"TEMP", savedTemp.empty() ? nullptr : savedTemp.c_str());
        RemoveDirectoryW(folder.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& path() const { return folder; }

    // Files whose names match `pattern` ("NEW*.tmp") in the folder.
    int count(const wchar_t* pattern = L"*") const {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return 0;
        }
        int files = 0;
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                ++files;
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return files;
    }

private:
    void removeFiles() const {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) {
            return;
        }
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                DeleteFileW((folder + found.cFileName).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }

    static std::wstring variable(const wchar_t* name) {
        wchar_t value[MAX_PATH + 1];
        const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH + 1);
        return length > 0 && length <= MAX_PATH ? std::wstring(value, length) : std::wstring();
    }

    std::wstring folder;
    std::wstring savedTmp;
    std::wstring savedTemp;
};

} // namespace vexa::test
