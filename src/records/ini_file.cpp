#include "records/ini_file.h"

// Texts stay UTF-8 bytes throughout; the library's wide-character variant is not needed.
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/text_format.h"
#include "records/cp1250.h"

struct IniFile::Doc {
    // UTF-8, one key per name (the last one wins), no multi-line values, names compared
    // without regard to case.
    CSimpleIniA ini{true, false, false};
    Doc() { ini.SetSpaces(false); }
};

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string SystemMessage(const std::filesystem::path& file, int err) {
    return file.string() + ": " + std::strerror(err);
}

// A value goes on one line of the file and the reader trims blanks around it and strips one
// pair of quotes. Line breaks and other control characters (but tabs) become blanks, and a value
// that the trimming or the unquoting would change is written in quotes, so that it reads back as it
// was.
std::string EncodeValue(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
    const bool quote = !s.empty() && (IsBlank(s.front()) || IsBlank(s.back()) ||
                                      (s.size() >= 2 && s.front() == '"' && s.back() == '"'));
    return quote ? '"' + s + '"' : s;
}

std::string DecodeValue(std::string_view raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        raw = raw.substr(1, raw.size() - 2);
    }
    // A file saved by an older Windows program holds its texts in the Windows code page.
    return IsValidUtf8(raw) ? std::string(raw) : Cp1250ToUtf8(raw);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(size_t(n));
    }
    return true;
}

}  // namespace

bool ReadIniInteger(std::string_view text, int32_t& value) {
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    uint64_t limit = negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX);
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        limit = UINT32_MAX;  // the 32 bits as written: 0xFFFFFFFF is -1
        s.remove_prefix(2);
    }
    if (s.empty()) return false;
    uint64_t v = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        } else {
            return false;
        }
        v = v * uint64_t(base) + uint64_t(d);
        if (v > limit) return false;
    }
    const auto bits = static_cast<uint32_t>(v);
    value = negative ? static_cast<int32_t>(0u - bits) : static_cast<int32_t>(bits);
    return true;
}

bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes,
                         std::string& error) {
    std::filesystem::path temp = file;
    temp += ".tmp";
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) mode = old.st_mode & 07777;

    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        error = SystemMessage(temp, errno);
        return false;
    }
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && written) written = false, err = errno;
    if (!written) {
        ::unlink(temp.c_str());
        error = SystemMessage(temp, err);
        return false;
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        error = SystemMessage(file, err);
        return false;
    }
    // The rename itself lasts once the folder is on the disk too.
    std::filesystem::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

IniFile::IniFile() : doc_(std::make_unique<Doc>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

bool IniFile::Load(const std::filesystem::path& file, std::string& error) {
    doc_ = std::make_unique<Doc>();
    // Non-blocking, so that a pipe in the file's place cannot stop the program.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return true;
        error = SystemMessage(file, errno);
        return false;
    }
    struct stat st {};
    const int err = ::fstat(fd, &st) != 0  ? errno
                    : S_ISDIR(st.st_mode)  ? EISDIR
                    : !S_ISREG(st.st_mode) ? EINVAL
                                           : 0;
    if (err != 0) {
        ::close(fd);
        error = SystemMessage(file, err);
        return false;
    }
    if (size_t(st.st_size) > kMaxFileSize) {
        ::close(fd);
        return true;
    }
    std::string text;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            error = SystemMessage(file, err);
            return false;
        }
        if (n == 0) break;
        text.append(buf, size_t(n));
        // The file may have grown since it was measured.
        if (text.size() > kMaxFileSize) {
            ::close(fd);
            return true;
        }
    }
    ::close(fd);
    LoadText(text);
    return true;
}

void IniFile::LoadText(std::string_view text) {
    doc_ = std::make_unique<Doc>();
    if (doc_->ini.LoadData(text.data(), text.size()) < 0) doc_ = std::make_unique<Doc>();
}

std::string IniFile::Text() const {
    std::string text;
    doc_->ini.Save(text, false);
    return text;
}

bool IniFile::Save(const std::filesystem::path& file, std::string& error) const {
    std::string text;
    if (doc_->ini.Save(text, false) < 0) {
        error = SystemMessage(file, ENOMEM);
        return false;
    }
    return ReplaceFileContents(file, text, error);
}

const char* IniFile::Raw(std::string_view section, std::string_view key) const {
    return doc_->ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
}

void IniFile::Set(std::string_view section, std::string_view key, const std::string& value) {
    doc_->ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), value.c_str());
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
    const char* raw = Raw(section, key);
    int32_t value = def;
    return raw && ReadIniInteger(DecodeValue(raw), value) ? value : def;
}

std::string IniFile::ReadText(std::string_view section, std::string_view key,
                              std::string_view def) const {
    const char* raw = Raw(section, key);
    return raw ? DecodeValue(raw) : std::string(def);
}

double IniFile::ReadDecimal(std::string_view section, std::string_view key, double def) const {
    const char* raw = Raw(section, key);
    double value = def;
    return raw && ReadLocaleDecimal(DecodeValue(raw), DecimalSeparator(), value) ? value : def;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int64_t value) {
    Set(section, key, std::to_string(value));
}

void IniFile::WriteText(std::string_view section, std::string_view key, std::string_view value) {
    Set(section, key, EncodeValue(value));
}

void IniFile::WriteDecimal(std::string_view section, std::string_view key, double value) {
    Set(section, key, ShortestDecimalText(value, DecimalSeparator()));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    Set(section, key, value ? "1" : "0");
}
