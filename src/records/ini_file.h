// An INI-style settings file read and written by section and key: integers, texts, decimal
// numbers with the user's decimal separator, and booleans stored as "1"/"0". Texts are UTF-8
// in memory and in the file. Whatever the file holds, reading never fails: a key that is
// missing or does not read as the asked type gives the caller's default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class IniFile {
public:
    // A settings file larger than this is not a settings file; it reads as empty.
    static constexpr size_t kMaxFileSize = 1 << 20;

    IniFile();
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // Reads the file. A missing file is no error (every key then gives its default), and
    // neither is a file whose contents make no sense. False, with the system's message in
    // `error`, when the file is there but cannot be read.
    bool Load(const std::filesystem::path& file, std::string& error);
    void LoadText(std::string_view text);

    // Writes the whole document to a temporary file beside `file`, flushes it to the disk
    // and renames it over `file`: the old file stays intact until the new one is complete.
    bool Save(const std::filesystem::path& file, std::string& error) const;
    std::string Text() const;

    // Decimal or "0x" hexadecimal, within 32 bits.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view def) const;
    double ReadDecimal(std::string_view section, std::string_view key, double def) const;
    // Any integer other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    void WriteInteger(std::string_view section, std::string_view key, int64_t value);
    void WriteText(std::string_view section, std::string_view key, std::string_view value);
    void WriteDecimal(std::string_view section, std::string_view key, double value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    const char* Raw(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, const std::string& value);

    struct Doc;
    std::unique_ptr<Doc> doc_;
};

// Writes `bytes` to `file` through a temporary file and a rename (see IniFile::Save).
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes,
                         std::string& error);

// Reads the leading "0x" form or a decimal integer, the whole text (blanks around allowed).
bool ReadIniInteger(std::string_view text, int32_t& value);
