// Data files are named as the game stores them ("wavs\konec.wav", "images\cportal.bmp") and
// opened relative to the current folder with '/'.
#pragma once

#include <QString>
#include <string_view>

inline QString LocalPath(std::string_view stored) {
    QString path = QString::fromUtf8(stored.data(), qsizetype(stored.size()));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}
