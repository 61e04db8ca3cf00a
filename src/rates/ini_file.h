// INI files as the Windows private-profile functions see them, because users' ferdix.ini,
// land.ini and reisende.ini were written and edited for that platform. A file is parsed once
// into an IniDocument that answers any number of queries and takes several writes before one
// save. Every text given and returned is Windows-1252 bytes, also for a file saved as UTF-8 by
// a modern editor; paths are native file-system paths.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ferdix {

// Section and key names match without regard to letter case (ASCII and the Windows-1252
// letters).
std::string FoldIniName(std::string_view name);

enum class IniLoadResult {
    Loaded,
    Missing,     // no such file: reads give defaults, a write creates it
    Unreadable,  // a folder, a device, too large or an I/O error: reads give defaults, a
                 // write fails and leaves it alone
};

// What every reader of settings asks: one file, or several looked up in order.
class IniReader {
  public:
    virtual ~IniReader() = default;

    // The value of the first matching key in the first matching section, trimmed and with one
    // pair of matching quotes removed; nullopt when the section or the key is missing.
    virtual std::optional<std::string_view> Find(std::string_view section,
                                                 std::string_view key) const = 0;
    virtual bool HasSection(std::string_view section) const = 0;
    // Key names of the first matching section in file order, repeats included.
    virtual std::vector<std::string> KeyNames(std::string_view section) const = 0;

    // The value, or def when missing, cut to maxLength bytes.
    std::string GetString(std::string_view section, std::string_view key, std::string_view def = {},
                          std::size_t maxLength = std::string::npos) const;
};

// How the file's bytes encode its texts. A file is UTF-8 when it begins with a byte-order mark,
// or holds bytes above 127 and is valid UTF-8 throughout; else Windows-1252.
enum class IniEncoding { Cp1252, Utf8 };

class IniDocument final : public IniReader {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string_view bytes) { Parse(bytes); }

    // Replaces the contents with the file's; anything but a readable file leaves it empty.
    IniLoadResult Load(const std::string& path);
    IniLoadResult LoadResult() const { return m_loadResult; }

    IniEncoding Encoding() const { return m_encoding; }

    std::optional<std::string_view> Find(std::string_view section,
                                         std::string_view key) const override;
    bool HasSection(std::string_view section) const override;
    std::vector<std::string> KeyNames(std::string_view section) const override;
    // Names of the sections that occur more than once, each once, in file order. Only the
    // first of them is ever read or written.
    std::vector<std::string> RepeatedSections() const;

    // Replaces the value of an existing key in place, or adds the key after the last key of
    // its section, or appends the section. CR and LF in any text become blanks, so a value
    // can never break the file into new lines. Every other line stays as it was. The line is
    // written in the file's own encoding.
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    // Removes the line of the first matching key of the first matching section; false when
    // there is none.
    bool DeleteKey(std::string_view section, std::string_view key);

    // The file's bytes.
    std::string Text() const;

    // Writes the bytes to a temporary file beside the target, then renames it over the target,
    // so the file is either the old one or the new one whole. createFolder makes the target's
    // missing folders first. On failure error (when given) receives a reason.
    bool Save(const std::string& path, std::string* error = nullptr,
              bool createFolder = false) const;

  private:
    struct Line {
        std::string text;
        std::string eol;  // "\r\n", "\n", "\r", or empty for a last line without an end
    };
    struct Key {
        std::string name;  // as written, trimmed
        std::string value;
        std::size_t line;
    };
    struct Section {
        std::string name;  // as written, trimmed
        std::size_t header;
        std::vector<Key> keys;
        // Folded name -> index in keys; built for large sections only.
        std::unordered_map<std::string, std::size_t> firstKey;
    };

    void Parse(std::string_view bytes);
    void Reindex();
    const Section* FindSection(std::string_view name) const;
    const Key* FindKey(const Section& s, std::string_view name) const;
    void InsertLine(std::size_t at, std::string text);
    // A Windows-1252 text as the file writes it.
    std::string Encode(std::string_view text) const;

    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_firstSection;  // folded name -> index
    IniLoadResult m_loadResult = IniLoadResult::Missing;
    IniEncoding m_encoding = IniEncoding::Cp1252;
};

// Several files read as one, key by key: a value comes from the first file that has the key
// (each file with its own private-profile rules), so a file earlier in the order overrides
// single keys of the later ones and leaves the rest to them.
class IniLayers final : public IniReader {
  public:
    struct Layer {
        std::string path;
        IniDocument doc;
    };

    IniLayers() = default;
    // Loads each path in order; empty paths are skipped.
    explicit IniLayers(const std::vector<std::string>& paths);
    void Add(std::string path, IniDocument doc);
    const std::vector<Layer>& Layers() const { return m_layers; }

    std::optional<std::string_view> Find(std::string_view section,
                                         std::string_view key) const override;
    bool HasSection(std::string_view section) const override;
    // The first file's names, then each later file's names that no earlier file has.
    std::vector<std::string> KeyNames(std::string_view section) const override;
    // The file that gives the value, or null when none has it.
    const Layer* Source(std::string_view section, std::string_view key) const;

  private:
    std::vector<Layer> m_layers;
};

// The platform-style calls: one file, one value per call.
std::string ReadIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view def, std::size_t maxLength);
bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value, std::string* error = nullptr,
                    bool createFolder = false);

}  // namespace ferdix
