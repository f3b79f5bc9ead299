// An INI-style settings file read and written by section and key: integers, texts, decimal
// numbers with the user's decimal separator, and booleans stored as "1"/"0". Texts are UTF-8
// in memory and in the file. A key that is missing or does not read as the asked type gives
// the caller's default.
//
// SimpleIni holds the document. Writing a key changes its value in place or adds it at the end
// of its section; keys of other programs and comments stay. Names of sections and keys are
// compared without regard to case; of two keys with the same name the last one counts. A save
// writes "key=value" lines, a key or section that appears twice once, in its first place (the
// comment above the repeat is lost with it), and keeps the byte order mark and the Windows
// line ends of the file it read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class IniFile {
public:
    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;

    // A settings file larger than this is not a settings file.
    static constexpr size_t kMaxFileSize = 1 << 20;

    // Reads the file. A missing file is no error (every key then gives its default). False,
    // with a message naming the file in `error`, when the file is there but cannot be read
    // completely: the system's message, a file over the size limit, or the line number of a
    // NUL byte or of a line that is neither a [section], a key=value nor a ;comment. The
    // document then holds what came before the fault, and Save refuses to write it.
    bool Load(const std::filesystem::path& file, std::string& error);
    // The same for a text; `problem`, when given, names the faulty line.
    bool LoadText(std::string_view text, std::string* problem = nullptr);

    // Writes the whole document to a temporary file beside `file`, flushes it to the disk
    // and renames it over `file` (see ReplaceFileContents).
    bool Save(const std::filesystem::path& file, std::string& error) const;
    // The text Save writes: it reads back as the same document, and saved again it gives the
    // same bytes.
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
    struct Doc;

    // The library's text of the document with what it leaves out put back.
    std::string WrittenText() const;
    const char* Raw(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, const std::string& value);

    std::unique_ptr<Doc> doc_;
    std::string trailingComments_;  // after the last key or section, which SimpleIni drops
    bool byteOrderMark_ = false;    // the file starts with the UTF-8 byte order mark
    bool windowsLineEnds_ = false;  // its first line ends with "\r\n"
    bool fileComment_ = false;      // it opens with a comment in its first column
    bool complete_ = true;          // the whole file was read
};

// Writes `bytes` to `file` through a temporary file and a rename: the old file stays intact
// until the new one is complete. A symbolic link is followed: the file it names is the one
// replaced, and the link stays. A file without write permission is not replaced (false, with
// the system's message).
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes,
                         std::string& error);

// Reads the leading "0x" form or a decimal integer, the whole text (blanks around allowed).
bool ReadIniInteger(std::string_view text, int32_t& value);
