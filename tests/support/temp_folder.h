// A fresh folder under the system's temporary directory, removed with everything in it when
// the test ends; plus small helpers to write and read whole files byte for byte.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace ferdix::test {

class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        auto base = std::filesystem::temp_directory_path();
        do {
            m_path = base / ("ferdix-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(m_path));
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of a file or folder inside, as the library takes paths.
    std::string File(std::string_view name) const { return (m_path / name).string(); }

  private:
    std::filesystem::path m_path;
};

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace ferdix::test
