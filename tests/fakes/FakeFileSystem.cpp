#include "fakes/FakeFileSystem.h"

#include <utility>

#include "fakes/FakeText.h"

namespace kromelik::fakes {

namespace {

std::string KeyOf(std::string_view path) {
  while (path.size() > 1 && path.back() == '\\') path.remove_suffix(1);
  return UpperCase(path);
}

std::string_view ParentOf(std::string_view path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash);
}

}  // namespace

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip)
      if (MatchesWildcard(pattern.substr(1), name.substr(skip))) return true;
    return false;
  }
  if (name.empty()) return false;
  if (pattern.front() != '?' && pattern.front() != name.front()) return false;
  return MatchesWildcard(pattern.substr(1), name.substr(1));
}

void FakeFileSystem::AddDirectory(std::string_view path) {
  for (auto parent = ParentOf(path); !parent.empty(); parent = ParentOf(parent))
    entries_.try_emplace(KeyOf(parent), Entry{std::string(parent), true, {}, {}});
  entries_[KeyOf(path)] = Entry{std::string(path), true, {}, {}};
}

void FakeFileSystem::AddFile(std::string_view path, std::string_view bytes) {
  if (const auto parent = ParentOf(path); !parent.empty()) AddDirectory(parent);
  entries_[KeyOf(path)] = Entry{std::string(path), false, std::string(bytes), {}};
}

void FakeFileSystem::Remove(std::string_view path) { entries_.erase(KeyOf(path)); }

void FakeFileSystem::MarkUnreadable(std::string_view path, std::string message) {
  if (const auto it = entries_.find(KeyOf(path)); it != entries_.end())
    it->second.unreadable = std::move(message);
}

void FakeFileSystem::MarkReadable(std::string_view path) {
  if (const auto it = entries_.find(KeyOf(path)); it != entries_.end())
    it->second.unreadable.reset();
}

bool FakeFileSystem::FileExists(std::string_view path) const {
  const auto it = entries_.find(KeyOf(path));
  return it != entries_.end() && !it->second.isDirectory;
}

bool FakeFileSystem::DirectoryExists(std::string_view path) const {
  const auto it = entries_.find(KeyOf(path));
  return it != entries_.end() && it->second.isDirectory;
}

std::vector<DirectoryEntry> FakeFileSystem::FindEntries(std::string_view pattern) const {
  const std::string folder = KeyOf(ParentOf(pattern));
  const std::string namePattern = UpperCase(pattern.substr(pattern.find_last_of('\\') + 1));
  std::vector<DirectoryEntry> found;
  for (const auto& [key, entry] : entries_) {
    if (KeyOf(ParentOf(entry.path)) != folder) continue;
    const std::string_view name = std::string_view(entry.path).substr(entry.path.find_last_of('\\') + 1);
    if (MatchesWildcard(namePattern, UpperCase(name)))
      found.push_back({std::string(name), entry.isDirectory});
  }
  return found;
}

FileContents FakeFileSystem::ReadWholeFile(std::string_view path) const {
  using Kind = FileReadError::Kind;
  const auto it = entries_.find(KeyOf(path));
  if (it == entries_.end()) {
    return {{}, FileReadError{Kind::NotFound, "The system cannot find the file specified."}};
  }
  const Entry& entry = it->second;
  if (entry.isDirectory) return {{}, FileReadError{Kind::IsDirectory, "Access is denied."}};
  if (entry.unreadable) return {{}, FileReadError{Kind::Unreadable, *entry.unreadable}};
  return {entry.bytes, std::nullopt};
}

bool FakeFileSystem::RemoveFile(std::string_view path) {
  const auto it = entries_.find(KeyOf(path));
  if (it == entries_.end() || it->second.isDirectory || it->second.unreadable) return false;
  entries_.erase(it);
  return true;
}

}  // namespace kromelik::fakes
