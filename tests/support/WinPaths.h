// Paths and scratch folders for tests running under Wine.
#pragma once

#include <string>

// A Linux path as Wine sees it (drive Z: is the Linux root).
std::string WindowsPathOf(const std::string& linuxPath);

// A fresh, empty folder under the system's temporary folder; removed with
// everything in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

bool FileExists(const std::string& path);
// The whole content of a file, or nullopt-like empty + false.
bool ReadWholeFile(const std::string& path, std::string& content);
void WriteWholeFile(const std::string& path, const std::string& content);
void RemoveTree(const std::string& path);
