#include "records/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "records/cp1250.h"
#include "records/text_format.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string SystemMessage(const std::filesystem::path& file, int err) {
    return file.string() + ": " + std::strerror(err);
}

// One line of the file as the reader understands it.
struct IniLine {
    enum Kind { Blank, Comment, Section, Key, Unknown } kind = Unknown;
    std::string_view name;   // of a section or a key
    std::string_view value;  // of a key, blanks around it trimmed
};

IniLine ParseLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view t = Trim(line);
    IniLine parsed;
    if (t.empty()) {
        parsed.kind = IniLine::Blank;
    } else if (t.front() == ';' || t.front() == '#') {
        parsed.kind = IniLine::Comment;
    } else if (t.front() == '[') {
        const size_t close = t.find(']');
        if (close == std::string_view::npos) return parsed;
        const std::string_view rest = Trim(t.substr(close + 1));
        if (!rest.empty() && rest.front() != ';' && rest.front() != '#') return parsed;
        parsed.kind = IniLine::Section;
        parsed.name = Trim(t.substr(1, close - 1));
    } else {
        const size_t eq = t.find('=');
        if (eq == std::string_view::npos || Trim(t.substr(0, eq)).empty()) return parsed;
        parsed.kind = IniLine::Key;
        parsed.name = Trim(t.substr(0, eq));
        parsed.value = Trim(t.substr(eq + 1));
    }
    return parsed;
}

// Line breaks and other control characters (but tabs) never reach a text or the file: they
// become blanks both ways, so a text read from a hand-made file is written back as it was read.
std::string& BlankControls(std::string& s) {
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
    return s;
}

// A value goes on one line of the file and the reader trims blanks around it and strips one
// pair of quotes: a value that the trimming or the unquoting would change is written in quotes,
// so that it reads back as it was.
std::string EncodeValue(std::string_view value) {
    std::string s(value);
    BlankControls(s);
    const bool quote = !s.empty() && (IsBlank(s.front()) || IsBlank(s.back()) ||
                                      (s.size() >= 2 && s.front() == '"' && s.back() == '"'));
    return quote ? '"' + s + '"' : s;
}

std::string DecodeValue(std::string_view raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') {
        raw = raw.substr(1, raw.size() - 2);
    }
    // A file saved by an older Windows program holds its texts in the Windows code page.
    std::string text = IsValidUtf8(raw) ? std::string(raw) : Cp1250ToUtf8(raw);
    return BlankControls(text);
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

// The file a chain of symbolic links ends in (`file` itself when it is no link, or missing).
bool FollowLinks(const std::filesystem::path& file, std::filesystem::path& target, int& err) {
    std::filesystem::path p = file;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target = p;
            return true;
        }
        std::error_code ec;
        const std::filesystem::path next = std::filesystem::read_symlink(p, ec);
        if (ec) {
            err = ec.value();
            return false;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    err = ELOOP;
    return false;
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
    // Renaming over a link would put a plain file in its place, and the file the link names
    // would never change again.
    std::filesystem::path target;
    int err = 0;
    if (!FollowLinks(file, target, err)) {
        error = SystemMessage(file, err);
        return false;
    }
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        // A file the user made read-only stays as it is. The permission bits are asked too,
        // because the superuser may write anything.
        if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) {
            error = SystemMessage(file, EACCES);
            return false;
        }
        mode = old.st_mode & 07777;
    }

    std::filesystem::path temp = target;
    temp += ".tmp";
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        error = SystemMessage(temp, errno);
        return false;
    }
    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    err = errno;
    if (::close(fd) != 0 && written) written = false, err = errno;
    if (!written) {
        ::unlink(temp.c_str());
        error = SystemMessage(temp, err);
        return false;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        err = errno;
        ::unlink(temp.c_str());
        error = SystemMessage(file, err);
        return false;
    }
    // The rename itself lasts once the folder is on the disk too.
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool IniFile::Load(const std::filesystem::path& file, std::string& error) {
    *this = IniFile();
    const auto fail = [&](const std::string& message) {
        complete_ = false;
        error = file.string() + ": " + message;
        return false;
    };
    // Non-blocking, so that a pipe in the file's place cannot stop the program.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return true;
        return fail(std::strerror(errno));
    }
    struct stat st {};
    int err = ::fstat(fd, &st) != 0  ? errno
              : S_ISDIR(st.st_mode)  ? EISDIR
              : !S_ISREG(st.st_mode) ? EINVAL
                                     : 0;
    std::string text;
    char buf[65536];
    // One byte more than the limit tells a file that is too large, even one that grew since.
    while (err == 0 && text.size() <= kMaxFileSize) {
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, kMaxFileSize + 1 - text.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) err = errno;
        if (n <= 0) break;
        text.append(buf, size_t(n));
    }
    ::close(fd);
    if (err != 0) return fail(std::strerror(err));
    if (text.size() > kMaxFileSize) {
        // The whole lines within the limit are what could be read.
        text.resize(text.rfind('\n', kMaxFileSize - 1) + 1);
        LoadText(text);
        return fail("larger than " + std::to_string(kMaxFileSize) + " bytes");
    }
    std::string problem;
    if (!LoadText(text, &problem)) return fail(problem);
    return true;
}

bool IniFile::LoadText(std::string_view text, std::string* problem) {
    lines_.clear();
    finalBreak_ = true;
    complete_ = true;
    byteOrderMark_ = text.substr(0, 3) == kByteOrderMark;
    if (byteOrderMark_) text.remove_prefix(3);
    size_t number = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        ++number;
        const char* fault = nullptr;
        if (line.find('\0') != std::string_view::npos) {
            fault = "a NUL byte";
        } else if (ParseLine(line).kind == IniLine::Unknown) {
            fault = "neither a [section], a key=value nor a ;comment";
        }
        if (fault) {
            complete_ = false;
            if (problem) *problem = "line " + std::to_string(number) + ": " + fault;
            return false;
        }
        lines_.emplace_back(line);
        finalBreak_ = end < text.size();
        at = end + 1;
    }
    return true;
}

std::string IniFile::Text() const {
    std::string text = byteOrderMark_ ? std::string(kByteOrderMark) : "";
    for (size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i];
        if (i + 1 < lines_.size() || finalBreak_) text += '\n';
    }
    return text;
}

bool IniFile::Save(const std::filesystem::path& file, std::string& error) const {
    // Only part of a file was read: writing it would lose the rest.
    if (!complete_) {
        error = file.string() + ": not written, the file was not read completely";
        return false;
    }
    return ReplaceFileContents(file, Text(), error);
}

std::optional<std::string_view> IniFile::Raw(std::string_view section, std::string_view key) const {
    std::optional<std::string_view> found;
    std::string_view current;  // keys before the first section belong to the section ""
    for (size_t i = 0; i < lines_.size(); ++i) {
        const IniLine line = ParseLine(lines_[i]);
        if (line.kind == IniLine::Section) current = line.name;
        if (line.kind == IniLine::Key && SameName(current, section) && SameName(line.name, key)) {
            found = line.value;
        }
    }
    return found;
}

void IniFile::Insert(size_t at, std::string line) {
    // New lines end as the file's first line does.
    if (!lines_.empty() && !lines_[0].empty() && lines_[0].back() == '\r') line += '\r';
    if (at == lines_.size()) finalBreak_ = true;
    lines_.insert(lines_.begin() + std::ptrdiff_t(at), std::move(line));
}

void IniFile::Set(std::string_view section, std::string_view key, const std::string& value) {
    std::string_view current;
    bool inSection = section.empty();
    size_t keyLine = SIZE_MAX;                       // the key's last line
    size_t endOfSection = inSection ? 0 : SIZE_MAX;  // after the section's last key, or header
    for (size_t i = 0; i < lines_.size(); ++i) {
        const IniLine line = ParseLine(lines_[i]);
        if (line.kind == IniLine::Section) {
            current = line.name;
            inSection = SameName(current, section);
            if (inSection) endOfSection = i + 1;
        } else if (line.kind == IniLine::Key && inSection) {
            endOfSection = i + 1;
            if (SameName(line.name, key)) keyLine = i;
        }
    }
    if (keyLine != SIZE_MAX) {
        // The name and the blanks around "=" stay as the file has them.
        std::string& text = lines_[keyLine];
        const bool windowsEnd = !text.empty() && text.back() == '\r';
        size_t start = text.find('=') + 1;
        while (start < text.size() && IsBlank(text[start])) ++start;
        text.replace(start, std::string::npos, value);
        if (windowsEnd) text += '\r';
        return;
    }
    std::string line = std::string(key) + "=" + value;
    if (endOfSection != SIZE_MAX) {
        Insert(endOfSection, std::move(line));
        return;
    }
    // A new section, after two blank lines (counting those the file ends with).
    size_t blanks = 0;
    while (blanks < 2 && blanks < lines_.size()) {
        const size_t i = lines_.size() - 1 - blanks;
        if (ParseLine(lines_[i]).kind != IniLine::Blank) break;
        ++blanks;
    }
    for (; !lines_.empty() && blanks < 2; ++blanks) Insert(lines_.size(), "");
    Insert(lines_.size(), "[" + std::string(section) + "]");
    Insert(lines_.size(), std::move(line));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
    const auto raw = Raw(section, key);
    int32_t value = def;
    return raw && ReadIniInteger(DecodeValue(*raw), value) ? value : def;
}

std::string IniFile::ReadText(std::string_view section, std::string_view key,
                              std::string_view def) const {
    const auto raw = Raw(section, key);
    return raw ? DecodeValue(*raw) : std::string(def);
}

double IniFile::ReadDecimal(std::string_view section, std::string_view key, double def) const {
    const auto raw = Raw(section, key);
    double value = def;
    return raw && ReadLocaleDecimal(DecodeValue(*raw), DecimalSeparator(), value) ? value : def;
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
