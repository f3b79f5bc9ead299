// An INI-style settings file read and written by section and key: integers, texts, decimal
// numbers with the user's decimal separator, and booleans stored as "1"/"0". Texts are UTF-8
// in memory and in the file. A key that is missing or does not read as the asked type gives
// the caller's default.
//
// The document keeps the file line by line. Writing a key changes its one line or adds a
// line; every other line (comments, blank lines, keys of other programs, a second key of the
// same name) stays as it was, in its place. Names of sections and keys are compared without
// regard to case; of two keys with the same name the last one counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
public:
    // A settings file larger than this is not a settings file.
    static constexpr size_t kMaxFileSize = 1 << 20;

    // Reads the file. A missing file is no error (every key then gives its default). False,
    // with a message naming the file in `error`, when the file is there but cannot be read
    // completely: the system's message, a file over the size limit, or the line number of a
    // NUL byte or of a line that is neither a [section], a key=value nor a ;comment. The
    // document then holds the lines before the fault, and Save refuses to write it.
    bool Load(const std::filesystem::path& file, std::string& error);
    // The same for a text; `problem`, when given, names the faulty line.
    bool LoadText(std::string_view text, std::string* problem = nullptr);

    // Writes the whole document to a temporary file beside `file`, flushes it to the disk
    // and renames it over `file` (see ReplaceFileContents).
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
    std::optional<std::string_view> Raw(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, const std::string& value);
    void Insert(size_t at, std::string line);

    std::vector<std::string> lines_;  // without their "\n"; a Windows line end keeps its "\r"
    bool finalBreak_ = true;          // the last line ends with "\n"
    bool byteOrderMark_ = false;      // the file starts with the UTF-8 byte order mark
    bool complete_ = true;            // the whole file was read
};

// Writes `bytes` to `file` through a temporary file and a rename: the old file stays intact
// until the new one is complete. A symbolic link is followed: the file it names is the one
// replaced, and the link stays. A file without write permission is not replaced (false, with
// the system's message).
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes,
                         std::string& error);

// Reads the leading "0x" form or a decimal integer, the whole text (blanks around allowed).
bool ReadIniInteger(std::string_view text, int32_t& value);
