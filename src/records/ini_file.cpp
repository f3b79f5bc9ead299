#include "records/ini_file.h"

// Texts stay UTF-8 bytes throughout; the library's wide-character variant is not needed.
#define SI_NO_CONVERSION
#include <SimpleIni.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "base/text_format.h"
#include "records/cp1250.h"

struct IniFile::Doc {
    // UTF-8, one key per name (the last one read wins), no multi-line values, names compared
    // without regard to case, "key=value" without blanks around "=".
    CSimpleIniA ini{true, false, false};
    Doc() { ini.SetSpaces(false); }
};

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

std::string SystemMessage(const std::filesystem::path& file, int err) {
    return file.string() + ": " + std::strerror(err);
}

// What a line of the file is; SimpleIni reads the file, this only checks that it can read all of
// it.
enum class LineKind { Blank, Comment, Entry, Unknown };

LineKind Classify(std::string_view line) {
    const std::string_view t = Trim(line);
    if (t.empty()) return LineKind::Blank;
    if (t.front() == ';' || t.front() == '#') return LineKind::Comment;
    const bool header = t.front() == '[';
    // SimpleIni would skip a header without its "]" and file its keys under the section before.
    const size_t end = t.find(header ? ']' : '=');
    if (end == std::string_view::npos) return LineKind::Unknown;
    if (!header) return Trim(t.substr(0, end)).empty() ? LineKind::Unknown : LineKind::Entry;
    const std::string_view rest = Trim(t.substr(end + 1));
    return rest.empty() || rest.front() == ';' || rest.front() == '#' ? LineKind::Entry
                                                                      : LineKind::Unknown;
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
    const bool negative = !s.empty() && s.front() == '-';
    if (!s.empty() && (negative || s.front() == '+')) s.remove_prefix(1);
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    if (hex) s.remove_prefix(2);
    uint64_t v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, hex ? 16 : 10);
    // Hexadecimal gives the 32 bits as written: 0xFFFFFFFF is -1.
    const uint64_t limit = hex ? UINT32_MAX : uint64_t(INT32_MAX) + (negative ? 1 : 0);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size() || v > limit) return false;
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

IniFile::IniFile() : doc_(std::make_unique<Doc>()) {}
IniFile::~IniFile() = default;
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

bool IniFile::Load(const std::filesystem::path& file, std::string& error) {
    LoadText("");
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
    doc_ = std::make_unique<Doc>();
    complete_ = true;
    trailingComments_.clear();
    byteOrderMark_ = text.substr(0, 3) == kByteOrderMark;
    if (byteOrderMark_) text.remove_prefix(3);
    fileComment_ = !text.empty() && (text.front() == ';' || text.front() == '#');
    const size_t firstBreak = text.find('\n');
    windowsLineEnds_ =
        firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r';

    // SimpleIni stops at a NUL byte and skips lines it cannot place: the file is checked line by
    // line (ending where SimpleIni ends a line) and only what comes before a fault is read.
    // SimpleIni also drops comments after the last key or section; they are kept aside.
    size_t number = 0, readable = text.size();
    size_t trailFrom = 0, trailTo = 0;  // the comment lines after the last key or section
    bool leading = true;                // still in the comment block the file begins with
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = text.substr(at, end - at);
        ++number;
        const LineKind kind = Classify(line);
        const char* fault = line.find('\0') != std::string_view::npos ? "a NUL byte"
                            : kind == LineKind::Unknown
                                ? "neither a [section], a key=value nor a ;comment"
                                : nullptr;
        if (fault) {
            complete_ = false;
            if (problem) *problem = "line " + std::to_string(number) + ": " + fault;
            readable = at;
            break;
        }
        // SimpleIni keeps the first block as the file's comment when it starts in column 1.
        leading = leading && kind == LineKind::Comment && (line[0] == ';' || line[0] == '#');
        if (kind == LineKind::Entry || leading) trailFrom = trailTo = end;
        if (kind == LineKind::Comment && !leading) {
            if (trailTo == trailFrom) trailFrom = at;
            trailTo = end;
        }
        at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    if (trailTo > trailFrom) {
        trailingComments_ = text.substr(trailFrom, trailTo - trailFrom);
        trailingComments_.erase(
            std::remove(trailingComments_.begin(), trailingComments_.end(), '\r'),
            trailingComments_.end());
    }
    if (doc_->ini.LoadData(text.data(), readable) < 0) {
        doc_ = std::make_unique<Doc>();
        complete_ = false;
        if (problem) *problem = "out of memory";
    }
    // The section without a name holds the keys above the first section. A "[]" with nothing
    // under it would be saved as blank lines that the next read drops, and the save after that
    // would differ: it holds nothing, and goes.
    if (doc_->ini.GetSectionSize("") == 0) doc_->ini.Delete("", nullptr);
    return complete_;
}

std::string IniFile::Text() const {
    // The library does not always write what reads back as the same document: a comment of the
    // section without a name, which is written without a header, reads back as the comment of
    // its first key and is written with a blank line more. The text is read and written again
    // until it stays the same, so that the next save of the file gives the same bytes.
    std::string text = WrittenText();
    for (int pass = 0; pass < 4; ++pass) {
        IniFile again;
        if (!again.LoadText(text)) break;
        std::string next = again.WrittenText();
        if (next == text) break;
        text = std::move(next);
    }
    return text;
}

std::string IniFile::WrittenText() const {
    std::string text;
    doc_->ini.Save(text, byteOrderMark_);
    // What the text opens with is read differently from the rest, and a blank line first keeps
    // it as it is. Without a comment of the file's own, a comment there belongs to the first
    // section or key; read back from the first column of the first line it would become the
    // file's comment, which is written with blank lines after it. A key whose name starts with
    // the bytes of the byte order mark would lose them, and the line its name.
    const size_t start = byteOrderMark_ ? kByteOrderMark.size() : 0;
    const std::string_view head = std::string_view(text).substr(start);
    const bool comment = !fileComment_ && !head.empty() && (head[0] == ';' || head[0] == '#');
    if (comment || head.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.insert(text.begin() + std::ptrdiff_t(start), '\n');
    }
    if (!trailingComments_.empty()) {
        text += (text.empty() || text == kByteOrderMark ? "" : "\n") + trailingComments_ + "\n";
    }
    if (!windowsLineEnds_) return text;
    std::string windows;
    for (char c : text) windows += c == '\n' ? "\r\n" : std::string(1, c);
    return windows;
}

bool IniFile::Save(const std::filesystem::path& file, std::string& error) const {
    // Only part of a file was read: writing it would lose the rest.
    if (!complete_) {
        error = file.string() + ": not written, the file was not read completely";
        return false;
    }
    return ReplaceFileContents(file, Text(), error);
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
