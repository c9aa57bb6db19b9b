// Gives the prefix it runs in a heavy user's machine for the start-up benchmark: a
// thousand entries in each named list, every numbered list full, a thousand registered
// applications and a thousand real shortcuts in the Recent folder, leading to files and
// folders it makes under FOLDER (a quarter each: documents, programs, folders, and
// targets deleted after their shortcut was made).
//   filllists FOLDER
// Whatever an earlier run made is removed first, so every run leaves the same machine.
// The programs are hard links to the prefix's notepad.exe, so the icons and version
// details read from them are a real program's.

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kEntries = 1000;
constexpr int kQuickLaunchSlots = 20;
constexpr int kRecentPageSlots = 10;
constexpr int kDocumentSlots = 15;
const std::wstring kListsKey = L"Software\\Brenvald\\Kromelik\\";
// Only applications of this name are ever removed, so the prefix's own stay.
const std::wstring kApplicationPrefix = L"kbaplikacja";

std::wstring Number(int number) { return std::to_wstring(number); }

bool Failed(const wchar_t* what, const std::wstring& about) {
  std::fwprintf(stderr, L"filllists: %ls %ls\n", what, about.c_str());
  return false;
}

// The shortcut's target: what kind of thing a shortcut leads to goes round in fours.
struct RecentTarget {
  std::wstring path;
  enum Kind { Document, Program, Folder, Missing } kind;
};
RecentTarget RecentTargetOf(const std::wstring& folder, int number) {
  switch (number % 4) {
    case 0: return {folder + L"\\Dokumenty\\raport " + Number(number) + L".txt", RecentTarget::Document};
    case 1: return {folder + L"\\Programy\\narzedzie" + Number(number) + L".exe", RecentTarget::Program};
    case 2: return {folder + L"\\Foldery\\Folder " + Number(number), RecentTarget::Folder};
    default: return {folder + L"\\Usuniete\\zgubiony " + Number(number) + L".txt", RecentTarget::Missing};
  }
}
std::wstring FileNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L'\\') + 1); }
std::wstring RecentDocument(const std::wstring& folder, int slot) {
  return RecentTargetOf(folder, 4 * slot).path;  // a document of the Recent folder
}

std::wstring RecentFolder() {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_RECENT | CSIDL_FLAG_CREATE, nullptr, 0, path))) return {};
  return path;
}

bool RemoveTree(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
  std::wstring from = path;
  from.push_back(L'\0');  // the list of paths ends with a second terminator
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  return SHFileOperationW(&operation) == 0;
}

void RemoveEarlierRun(const std::wstring& folder, const std::wstring& recent) {
  for (const wchar_t* list : {L"ProgramyMRU", L"GryMRU", L"UlubioneMRU", L"SzybkieUrMRU", L"InternetMRU",
                              L"DokumentyMRU"})
    RegDeleteTreeW(HKEY_CURRENT_USER, (kListsKey + list).c_str());
  HKEY applications = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"Applications", 0, KEY_READ | KEY_WRITE, &applications) == ERROR_SUCCESS) {
    std::vector<std::wstring> ours;
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
      DWORD length = 256;
      if (RegEnumKeyExW(applications, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      if (std::wstring(name).starts_with(kApplicationPrefix)) ours.emplace_back(name);
    }
    for (const std::wstring& application : ours) RegDeleteTreeW(applications, application.c_str());
    RegCloseKey(applications);
  }
  for (int number = 0; number < kEntries; ++number)
    DeleteFileW((recent + L"\\" + FileNameOf(RecentTargetOf(folder, number).path) + L".lnk").c_str());
  RemoveTree(folder);
}

bool MakeFolder(const std::wstring& path) {
  const int result = SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
  return result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || Failed(L"cannot make", path);
}

bool MakeDocument(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Failed(L"cannot make", path);
  const char text[] = "Sprawozdanie kwartalne\r\n";
  DWORD written = 0;
  WriteFile(file, text, sizeof text - 1, &written, nullptr);
  CloseHandle(file);
  return true;
}

bool MakeProgram(const std::wstring& path, const std::wstring& model) {
  return CreateHardLinkW(path.c_str(), model.c_str(), nullptr) || CopyFileW(model.c_str(), path.c_str(), FALSE) ||
         Failed(L"cannot make", path);
}

bool MakeShortcut(const std::wstring& link, const std::wstring& target) {
  IShellLinkW* shellLink = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&shellLink))))
    return Failed(L"no shell link object for", link);
  IPersistFile* file = nullptr;
  bool made = SUCCEEDED(shellLink->SetPath(target.c_str())) &&
              SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
              SUCCEEDED(file->Save(link.c_str(), TRUE));
  if (file != nullptr) file->Release();
  shellLink->Release();
  return made || Failed(L"cannot save", link);
}

bool PutText(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& data) {
  const LSTATUS status =
      RegSetKeyValueW(root, key.c_str(), name.empty() ? nullptr : name.c_str(), REG_SZ, data.c_str(),
                      static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  return status == ERROR_SUCCESS || Failed(L"cannot write", key + L"\\" + name);
}

// Each target is made while it exists, the missing ones then deleted, so every shortcut
// is one the shell made for a real file or folder.
bool FillRecentFolder(const std::wstring& folder, const std::wstring& recent, const std::wstring& model) {
  for (const wchar_t* part : {L"\\Dokumenty", L"\\Programy", L"\\Foldery", L"\\Usuniete"})
    if (!MakeFolder(folder + part)) return false;
  for (int number = 0; number < kEntries; ++number) {
    const RecentTarget target = RecentTargetOf(folder, number);
    const bool made = target.kind == RecentTarget::Program ? MakeProgram(target.path, model)
                      : target.kind == RecentTarget::Folder ? MakeFolder(target.path)
                                                            : MakeDocument(target.path);
    if (!made || !MakeShortcut(recent + L"\\" + FileNameOf(target.path) + L".lnk", target.path)) return false;
    if (target.kind == RecentTarget::Missing && !DeleteFileW(target.path.c_str()))
      return Failed(L"cannot delete", target.path);
  }
  return RemoveTree(folder + L"\\Usuniete") || Failed(L"cannot delete", folder + L"\\Usuniete");
}

bool FillNamedLists(const std::wstring& folder, const std::wstring& model) {
  if (!MakeFolder(folder + L"\\Moje programy") || !MakeFolder(folder + L"\\Gry")) return false;
  for (int number = 0; number < kEntries; ++number) {
    const std::wstring program = folder + L"\\Moje programy\\program" + Number(number) + L".exe";
    const std::wstring game = folder + L"\\Gry\\gra" + Number(number) + L".exe";
    if (!MakeProgram(program, model) || !MakeProgram(game, model) ||
        !PutText(HKEY_CURRENT_USER, kListsKey + L"ProgramyMRU", L"Program " + Number(number), program) ||
        !PutText(HKEY_CURRENT_USER, kListsKey + L"GryMRU", L"Gra " + Number(number), game) ||
        !PutText(HKEY_CURRENT_USER, kListsKey + L"UlubioneMRU", L"Strona ulubiona " + Number(number),
                 L"http://strona" + Number(number) + L".example.pl/"))
      return false;
  }
  return true;
}

// As the shell registers them: a program of its own folder, opened with the file as
// its argument, half of them with the friendly name the shell keeps.
bool FillRegisteredApplications(const std::wstring& folder, const std::wstring& model) {
  for (int number = 0; number < kEntries; ++number) {
    const std::wstring name = kApplicationPrefix + Number(number) + L".exe";
    const std::wstring program = folder + L"\\Aplikacje\\" + Number(number) + L"\\" + name;
    const std::wstring shell = L"Applications\\" + name + L"\\shell";
    if (!MakeFolder(folder + L"\\Aplikacje\\" + Number(number)) || !MakeProgram(program, model) ||
        !PutText(HKEY_CLASSES_ROOT, shell + L"\\open\\command", L"", L"\"" + program + L"\" \"%1\""))
      return false;
    if (number % 2 == 0 && !PutText(HKEY_CLASSES_ROOT, shell, L"FriendlyCache", L"Aplikacja " + Number(number)))
      return false;
  }
  return true;
}

bool FillNumberedLists(const std::wstring& folder) {
  for (int slot = 1; slot <= kQuickLaunchSlots; ++slot) {
    const std::wstring target = RecentDocument(folder, slot);
    if (!PutText(HKEY_CURRENT_USER, kListsKey + L"SzybkieUrMRU", Number(slot), FileNameOf(target)) ||
        !PutText(HKEY_CURRENT_USER, kListsKey + L"SzybkieUrMRU", L"H" + Number(slot), target))
      return false;
  }
  for (int slot = 1; slot <= kRecentPageSlots; ++slot) {
    if (!PutText(HKEY_CURRENT_USER, kListsKey + L"InternetMRU", Number(slot), L"Strona " + Number(slot)) ||
        !PutText(HKEY_CURRENT_USER, kListsKey + L"InternetMRU", L"H" + Number(slot),
                 L"http://s" + Number(slot) + L".example.pl/"))
      return false;
  }
  for (int slot = 1; slot <= kDocumentSlots; ++slot)
    if (!PutText(HKEY_CURRENT_USER, kListsKey + L"DokumentyMRU", Number(slot), RecentDocument(folder, slot)))
      return false;
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fwprintf(stderr, L"usage: filllists FOLDER\n");
    return 2;
  }
  wchar_t full[MAX_PATH] = {};
  if (GetFullPathNameW(argv[1], MAX_PATH, full, nullptr) == 0) {
    Failed(L"no such path", argv[1]);
    return 1;
  }
  const std::wstring folder = full;
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  const std::wstring model = std::wstring(windows) + L"\\notepad.exe";
  if (GetFileAttributesW(model.c_str()) == INVALID_FILE_ATTRIBUTES) {
    Failed(L"no program", model);
    return 1;
  }
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    Failed(L"no COM for", folder);
    return 1;
  }
  const std::wstring recent = RecentFolder();
  bool filled = !recent.empty() || Failed(L"no Recent folder for", folder);
  if (filled) {
    RemoveEarlierRun(folder, recent);
    filled = MakeFolder(folder) && FillRecentFolder(folder, recent, model) && FillNamedLists(folder, model) &&
             FillRegisteredApplications(folder, model) && FillNumberedLists(folder);
  }
  CoUninitialize();
  if (!filled) return 1;
  std::wprintf(L"%d shortcuts in %ls, %d entries in each named list and registered applications\n", kEntries,
               recent.c_str(), kEntries);
  return 0;
}
