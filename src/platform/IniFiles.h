// A reader of one INI (profile) file. Creating it touches no file; each
// read goes to the system; releasing it asks the system to drop its cached
// copy of the file.
#pragma once

#include <string>

class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;
    ~TIniFile();

    const std::string& FileName() const { return fileName_; }
    // At most 2047 bytes of the value are read.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

private:
    std::string fileName_;
};
