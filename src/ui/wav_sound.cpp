#include "ui/wav_sound.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>
#include <array>

#include "ui/local_path.h"

namespace {

struct CallSound {
    std::string_view word, file;
};

// Doubling level n plays "flekn"; the tenth, "choť", wraps round to "flek0".
constexpr std::array<CallSound, 12> kCallSounds{{
    {"durch", "wavs\\durch.wav"},
    {"betl", "wavs\\betl.wav"},
    {"flek", "wavs\\flek1.wav"},
    {"lepsi", "wavs\\flek2.wav"},
    {"tutti", "wavs\\flek3.wav"},
    {"boty", "wavs\\flek4.wav"},
    {"kalhoty", "wavs\\flek5.wav"},
    {"slipy", "wavs\\flek6.wav"},
    {"kaiser", "wavs\\flek7.wav"},
    {"rekaiser", "wavs\\flek8.wav"},
    {"tuttikaiser", "wavs\\flek9.wav"},
    {"chot", "wavs\\flek0.wav"},
}};

quint32 Le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 Le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

}  // namespace

std::string_view CallWordFile(std::string_view callWord) {
    std::string lower(callWord);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    for (const CallSound& s : kCallSounds)
        if (lower == s.word) return s.file;
    return {};
}

std::optional<int> WavDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const qint64 size = file.size();
    char head[12];
    if (file.read(head, 12) != 12 || std::string_view(head, 4) != "RIFF" ||
        std::string_view(head + 8, 4) != "WAVE")
        return std::nullopt;
    quint32 byteRate = 0;
    for (;;) {
        char chunk[8];
        if (file.read(chunk, 8) != 8) return std::nullopt;
        const quint32 length = Le32(chunk + 4);
        const qint64 start = file.pos();
        if (std::string_view(chunk, 4) == "fmt ") {
            char fmt[16];
            if (length < 16 || file.read(fmt, 16) != 16) return std::nullopt;
            if (Le16(fmt) != 1) return std::nullopt;  // only plain PCM
            byteRate = Le32(fmt + 8);
        } else if (std::string_view(chunk, 4) == "data") {
            if (byteRate == 0) return std::nullopt;
            const qint64 held = std::min<qint64>(length, size - start);
            return int(held * 1000 / byteRate);
        }
        // Chunks are padded to an even length.
        if (!file.seek(start + length + (length & 1))) return std::nullopt;
    }
}

TWavSound::TWavSound(bool audioOutput) : hasOutput_(audioOutput) {
    Prepare();
}

TWavSound::TWavSound() = default;

void TWavSound::Prepare() {
    if (!hasOutput_) hasOutput_ = HasAudioOutput();
    if (*hasOutput_ && !effect_) effect_ = std::make_unique<QSoundEffect>();
}

bool TWavSound::HasAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

TWavSound::~TWavSound() {
    Stop();
}

void TWavSound::Stop() {
    if (effect_ && effect_->isPlaying()) effect_->stop();
}

void TWavSound::PlaySound(std::string_view file, bool noWait) {
    Prepare();
    Stop();
    if (!*hasOutput_) return;
    const QString path = LocalPath(file);
    const std::optional<int> length = WavDurationMs(path);
    if (!length) {
        if (onBadFile && QFile::exists(path) && !badFiles_.contains(path)) {
            badFiles_.insert(path);
            onBadFile(QStringLiteral("%1 není zvuk WAV, hra ho vynechá.").arg(path));
        }
        return;
    }
    lastPlayed_ = path;
    const QUrl url = QUrl::fromLocalFile(path);
    if (effect_->source() != url) effect_->setSource(url);
    effect_->play();
    if (noWait || *length <= 0) return;

    // The output does not always say when a sound has ended, so the wait is the sound's own
    // length, cut short only when the player gives up. The user's clicks wait meanwhile, as
    // they would behind a blocking play.
    QEventLoop loop;
    QTimer done;
    done.setSingleShot(true);
    done.setTimerType(Qt::PreciseTimer);
    QObject::connect(&done, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(effect_.get(), &QSoundEffect::statusChanged, &loop, [&] {
        if (effect_->status() == QSoundEffect::Error) loop.quit();
    });
    done.start(*length);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TWavSound::SayCall(int /*seatNo*/, std::string_view callWord) {
    const std::string_view file = CallWordFile(callWord);
    if (!file.empty()) PlaySound(file, false);
}
