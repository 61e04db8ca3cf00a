// A small file system of its own for tests of a full disk: a tmpfs of a given size mounted on a
// fresh folder, unmounted when the test ends. Mounting needs the right to mount (root, outside a
// locked-down container); without it Mounted() is false and Reason() says why.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ferdix::test {

class SmallDisk {
  public:
    explicit SmallDisk(std::size_t bytes) {
        char tmpl[] = "/tmp/ferdix-disk-XXXXXX";
        if (::mkdtemp(tmpl) == nullptr) {
            m_reason = std::string("mkdtemp: ") + std::strerror(errno);
            return;
        }
        m_path = tmpl;
        std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        if (::mount("tmpfs", m_path.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
            m_reason = "cannot mount a small tmpfs here (" + std::string(std::strerror(errno)) +
                       "); a full disk needs a file system of its own";
            return;
        }
        m_mounted = true;
    }
    ~SmallDisk() {
        if (m_mounted) {
            ::umount2(m_path.c_str(), MNT_DETACH);
        }
        if (!m_path.empty()) {
            ::rmdir(m_path.c_str());
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return m_mounted; }
    const std::string& Reason() const { return m_reason; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }
    const std::string& Path() const { return m_path; }

  private:
    std::string m_path;
    std::string m_reason;
    bool m_mounted = false;
};

}  // namespace ferdix::test
