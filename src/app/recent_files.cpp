#include "app/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace ferdix {

namespace fs = std::filesystem;

namespace {

// The shortened path's length, as Windows shortens its recent files.
constexpr std::size_t kMaxDisplayLength = 30;

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        if (slash > start) {
            parts.push_back(path.substr(start, slash - start));
        }
        start = slash + 1;
    }
    return parts;
}

std::string Shortened(const std::string& path) {
    if (path.size() <= kMaxDisplayLength) {
        return path;
    }
    std::vector<std::string> parts = Components(path);
    if (parts.empty()) {
        return path;
    }
    const std::string& name = parts.back();
    std::string head = (path.front() == '/' ? "/" : "") + parts.front() + "/...";
    std::string tail = "/" + name;
    if (parts.size() < 2 || head.size() + tail.size() > kMaxDisplayLength) {
        return ".../" + name;
    }
    for (std::size_t i = parts.size() - 1; i-- > 1;) {
        std::string longer = "/" + parts[i] + tail;
        if (head.size() + longer.size() > kMaxDisplayLength) {
            break;
        }
        tail = std::move(longer);
    }
    return head + tail;
}

}  // namespace

RecentFileList::RecentFileList(std::size_t capacity) : m_capacity(capacity) {}

void RecentFileList::Load(std::span<const std::string> paths) {
    m_entries.clear();
    // Added from the oldest, so the first stays first.
    for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
        if (!it->empty()) {
            Add(*it);
        }
    }
}

void RecentFileList::Add(const std::string& path) {
    std::string full = FullPath(path);
    std::erase(m_entries, full);
    m_entries.insert(m_entries.begin(), std::move(full));
    if (m_entries.size() > m_capacity) {
        m_entries.resize(m_capacity);
    }
}

void RecentFileList::Remove(std::size_t index) {
    if (index < m_entries.size()) {
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::string FullPath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::error_code ec;
    fs::path full = fs::absolute(fs::path(path), ec);
    return ec ? path : full.lexically_normal().string();
}

std::string RecentFileMenuText(std::size_t index, const std::string& path) {
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (char c : Shortened(path)) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

}  // namespace ferdix
