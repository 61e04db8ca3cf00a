#include "rates/ini_file.h"

#include "base/atomic_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unordered_set>

#include "base/cp1252.h"

namespace ferdix {

namespace fs = std::filesystem;

namespace {

// Larger files are not INI files; reading them would only cost memory.
constexpr std::uintmax_t kMaxFileSize = 256u * 1024u * 1024u;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::string_view Unquote(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
        return s.substr(1, s.size() - 2);
    }
    return s;
}

std::string OneLine(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return s;
}

void SetError(std::string* error, std::string text) {
    if (error)
        *error = std::move(text);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            lo = b == 0xE0 ? 0xA0 : 0x80;
            hi = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            lo = b == 0xF0 ? 0x90 : 0x80;
            hi = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + len > n) {
            return false;
        }
        for (std::size_t k = 1; k < len; ++k) {
            auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF)) {
                return false;
            }
        }
        i += len;
    }
    return true;
}

IniEncoding DetectEncoding(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        return IniEncoding::Utf8;
    }
    bool high = false;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            high = true;
            break;
        }
    }
    return high && IsValidUtf8(bytes) ? IniEncoding::Utf8 : IniEncoding::Cp1252;
}

}  // namespace

namespace {

char FoldByte(char ch) {
    auto c = static_cast<unsigned char>(ch);
    if (c >= 'A' && c <= 'Z') {
        c = static_cast<unsigned char>(c + 0x20);
    } else if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {  // À..Þ without ×
        c = static_cast<unsigned char>(c + 0x20);
    } else if (c == 0x8A || c == 0x8C || c == 0x8E) {  // Š Œ Ž
        c = static_cast<unsigned char>(c + 0x10);
    } else if (c == 0x9F) {  // Ÿ
        c = 0xFF;
    }
    return static_cast<char>(c);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldByte(a[i]) != FoldByte(b[i])) {
            return false;
        }
    }
    return true;
}

// Small sections are searched in place; an index would cost more than it saves.
constexpr std::size_t kIndexedSection = 16;

}  // namespace

std::string FoldIniName(std::string_view name) {
    std::string s(name);
    for (char& ch : s) {
        ch = FoldByte(ch);
    }
    return s;
}

void IniDocument::Parse(std::string_view bytes) {
    m_lines.clear();
    m_encoding = DetectEncoding(bytes);
    std::size_t ends = 0;
    for (char c : bytes) {
        ends += (c == '\n' || c == '\r') ? 1 : 0;
    }
    m_lines.reserve(ends + 1);
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            std::size_t eolLength =
                (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            m_lines.push_back(Line{std::string(bytes.substr(start, i - start)),
                                   std::string(bytes.substr(i, eolLength))});
            i += eolLength;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) {
        m_lines.push_back(Line{std::string(bytes.substr(start)), std::string()});
    }
    Reindex();
}

void IniDocument::Reindex() {
    m_sections.clear();
    m_firstSection.clear();
    std::size_t headers = 0;
    for (const Line& l : m_lines) {
        headers += l.text.find('[') != std::string::npos ? 1 : 0;
    }
    m_sections.reserve(headers);
    bool inSection = false;
    for (std::size_t n = 0; n < m_lines.size(); ++n) {
        std::string_view t = m_lines[n].text;
        if (n == 0 && t.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
            t.remove_prefix(kUtf8Bom.size());
        }
        std::size_t p = 0;
        while (p < t.size() && IsBlank(t[p]))
            ++p;
        if (p == t.size() || t[p] == ';') {
            continue;
        }
        if (t[p] == '[') {
            std::size_t close = t.find(']', p + 1);
            if (close != std::string_view::npos) {
                std::string name(Trim(t.substr(p + 1, close - p - 1)));
                if (m_encoding == IniEncoding::Utf8) {
                    name = Utf8ToCp1252(name);
                }
                m_firstSection.try_emplace(FoldIniName(name), m_sections.size());
                m_sections.push_back(Section{std::move(name), n, {}, {}});
                inSection = true;
                continue;
            }
            // Without "]" the line is plain text, and may be a key.
        }
        std::size_t eq = t.find('=', p);
        if (eq == std::string_view::npos || !inSection) {
            continue;
        }
        Section& s = m_sections.back();
        std::string_view name = Trim(t.substr(p, eq - p));
        std::string_view value = Unquote(Trim(t.substr(eq + 1)));
        if (m_encoding == IniEncoding::Utf8) {
            s.keys.push_back(Key{Utf8ToCp1252(name), Utf8ToCp1252(value), n});
        } else {
            s.keys.push_back(Key{std::string(name), std::string(value), n});
        }
    }
    for (Section& s : m_sections) {
        if (s.keys.size() > kIndexedSection) {
            for (std::size_t k = 0; k < s.keys.size(); ++k) {
                s.firstKey.try_emplace(FoldIniName(s.keys[k].name), k);
            }
        }
    }
}

const IniDocument::Key* IniDocument::FindKey(const Section& s, std::string_view name) const {
    name = Trim(name);
    if (!s.firstKey.empty()) {
        auto it = s.firstKey.find(FoldIniName(name));
        return it == s.firstKey.end() ? nullptr : &s.keys[it->second];
    }
    for (const Key& k : s.keys) {
        if (SameName(k.name, name)) {
            return &k;
        }
    }
    return nullptr;
}

IniLoadResult IniDocument::Load(const std::string& path) {
    m_lines.clear();
    Reindex();
    std::error_code ec;
    fs::file_status st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found) {
        return m_loadResult = IniLoadResult::Missing;
    }
    if (ec || !fs::is_regular_file(st)) {
        return m_loadResult = IniLoadResult::Unreadable;
    }
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec || size > kMaxFileSize) {
        return m_loadResult = IniLoadResult::Unreadable;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return m_loadResult = IniLoadResult::Unreadable;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return m_loadResult = IniLoadResult::Unreadable;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    Parse(bytes);
    return m_loadResult = IniLoadResult::Loaded;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const {
    auto it = m_firstSection.find(FoldIniName(Trim(name)));
    return it == m_firstSection.end() ? nullptr : &m_sections[it->second];
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) {
        return std::nullopt;
    }
    const Key* k = FindKey(*s, key);
    if (!k) {
        return std::nullopt;
    }
    return std::string_view(k->value);
}

std::string IniReader::GetString(std::string_view section, std::string_view key,
                                 std::string_view def, std::size_t maxLength) const {
    std::optional<std::string_view> found = Find(section, key);
    std::string_view v = found ? *found : def;
    return std::string(v.substr(0, maxLength));
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* s = FindSection(section)) {
        names.reserve(s->keys.size());
        for (const Key& k : s->keys) {
            names.push_back(k.name);
        }
    }
    return names;
}

std::vector<std::string> IniDocument::RepeatedSections() const {
    std::vector<std::string> repeated;
    std::unordered_set<std::string> reported;
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        std::string folded = FoldIniName(m_sections[i].name);
        if (m_firstSection.at(folded) != i && reported.insert(folded).second) {
            repeated.push_back(m_sections[m_firstSection.at(folded)].name);
        }
    }
    return repeated;
}

std::string IniDocument::Encode(std::string_view text) const {
    return m_encoding == IniEncoding::Utf8 ? Cp1252ToUtf8(text) : std::string(text);
}

void IniDocument::InsertLine(std::size_t at, std::string text) {
    if (at > 0 && m_lines[at - 1].eol.empty()) {
        m_lines[at - 1].eol = "\r\n";
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::move(text), "\r\n"});
}

void IniDocument::SetString(std::string_view section, std::string_view key,
                            std::string_view value) {
    std::string sectionName = OneLine(section);
    std::string keyName = OneLine(key);
    std::string text = Encode(OneLine(value));
    const Section* s = FindSection(sectionName);
    if (!s) {
        InsertLine(m_lines.size(), "[" + Encode(sectionName) + "]");
        InsertLine(m_lines.size(), Encode(keyName) + "=" + text);
    } else if (const Key* k = FindKey(*s, keyName)) {
        // The text up to "=" keeps the key's own spelling and indentation.
        std::string& line = m_lines[k->line].text;
        line.erase(line.find('=') + 1);
        line += text;
    } else {
        std::size_t after = s->keys.empty() ? s->header : s->keys.back().line;
        InsertLine(after + 1, Encode(keyName) + "=" + text);
    }
    Reindex();
}

bool IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const Section* s = FindSection(section);
    const Key* k = s ? FindKey(*s, key) : nullptr;
    if (!k) {
        return false;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(k->line));
    Reindex();
    return true;
}

std::string IniDocument::Text() const {
    std::string out;
    std::size_t size = 0;
    for (const Line& l : m_lines) {
        size += l.text.size() + l.eol.size();
    }
    out.reserve(size);
    for (const Line& l : m_lines) {
        out += l.text;
        out += l.eol;
    }
    return out;
}

bool IniDocument::Save(const std::string& path, std::string* error, bool createFolder) const {
    std::error_code ec;
    fs::path target(path);
    fs::path folder = target.parent_path();
    if (createFolder && !folder.empty()) {
        fs::create_directories(folder, ec);
    }
    std::string shown = path;
    fs::file_status st = fs::status(target, ec);
    if (fs::exists(st) && !fs::is_regular_file(st)) {
        SetError(error, shown + " er ikke en fil");
        return false;
    }
    FileWriteResult written = WriteFileAtomically(path, Text());
    if (!written.ok) {
        bool readOnly =
            fs::exists(st) && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
        SetError(error, readOnly ? shown + " er skrivebeskyttet" : "kan ikke skrive " + shown);
        return false;
    }
    return true;
}

std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view def, std::size_t maxLength) {
    IniDocument doc;
    doc.Load(path);
    return doc.GetString(section, key, def, maxLength);
}

bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value, std::string* error, bool createFolder) {
    IniDocument doc;
    if (doc.Load(path) == IniLoadResult::Unreadable) {
        SetError(error, "kan ikke lese " + path);
        return false;
    }
    doc.SetString(section, key, value);
    return doc.Save(path, error, createFolder);
}

IniLayers::IniLayers(const std::vector<std::string>& paths) {
    m_layers.reserve(paths.size());
    for (const std::string& path : paths) {
        if (path.empty()) {
            continue;
        }
        IniDocument doc;
        doc.Load(path);
        m_layers.push_back(Layer{path, std::move(doc)});
    }
}

void IniLayers::Add(std::string path, IniDocument doc) {
    m_layers.push_back(Layer{std::move(path), std::move(doc)});
}

const IniLayers::Layer* IniLayers::Source(std::string_view section, std::string_view key) const {
    for (const Layer& l : m_layers) {
        if (l.doc.Find(section, key)) {
            return &l;
        }
    }
    return nullptr;
}

std::optional<std::string_view> IniLayers::Find(std::string_view section,
                                                std::string_view key) const {
    const Layer* l = Source(section, key);
    return l ? l->doc.Find(section, key) : std::nullopt;
}

bool IniLayers::HasSection(std::string_view section) const {
    for (const Layer& l : m_layers) {
        if (l.doc.HasSection(section)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> IniLayers::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    std::unordered_set<std::string> earlier;
    for (const Layer& l : m_layers) {
        std::vector<std::string> own = l.doc.KeyNames(section);
        std::size_t from = names.size();
        for (std::string& name : own) {
            if (earlier.empty() || !earlier.count(FoldIniName(name))) {
                names.push_back(std::move(name));
            }
        }
        for (std::size_t i = from; i < names.size(); ++i) {
            earlier.insert(FoldIniName(names[i]));
        }
    }
    return names;
}

}  // namespace ferdix
