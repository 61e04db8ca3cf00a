// The recent-file list of the File menu: most recent first, each full path once, at most
// kRecentFileCount entries. The platform only keeps it between runs.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace ferdix {

class RecentFileList {
  public:
    explicit RecentFileList(std::size_t capacity);

    // Entries as kept between runs; empty ones are skipped, the rest go through Add's rules.
    void Load(std::span<const std::string> paths);
    // Puts the path first as a full path, removing an earlier entry of the same path and the
    // entry that no longer fits.
    void Add(const std::string& path);
    void Remove(std::size_t index);

    const std::vector<std::string>& Entries() const { return m_entries; }
    std::size_t Size() const { return m_entries.size(); }
    bool Empty() const { return m_entries.empty(); }
    std::size_t Capacity() const { return m_capacity; }

  private:
    std::size_t m_capacity;
    std::vector<std::string> m_entries;
};

// An absolute, lexically normal path; a relative one is taken from the working folder.
std::string FullPath(const std::string& path);

// "&1 /home/kari/reise.tur": the position as mnemonic and the path, shortened in the middle
// when it is long ("/home/.../2026/reise.tur"); an "&" of the path is doubled so it shows.
std::string RecentFileMenuText(std::size_t index, const std::string& path);

}  // namespace ferdix
