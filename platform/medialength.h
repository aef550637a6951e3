#pragma once

#include <QString>
#include <optional>

// How long a recording plays, read cheaply from its file's header where the format says it
// without decoding: a RIFF WAVE file's data size over its byte rate. Nothing for other formats,
// and for a file that is missing or whose header is damaged.
std::optional<double> mediaSeconds(const QString& path);

// A length as a player shows it: "0:07", "12:30", "1:02:03".
QString mediaLengthText(double seconds);
