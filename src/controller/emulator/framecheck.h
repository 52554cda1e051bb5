#pragma once

#include <QByteArray>
#include <QString>

// How the emulated controller judges one received line, as it would judge a
// frame: start, address, function code, checksum (either digit case) and
// CR LF.
enum class FrameVerdict {
    Ok,
    NoStart,        // the line does not begin with ":"
    BadAddress,     // another controller's address
    BadFunction,    // neither "20" (program line) nor "21" (command)
    UnknownCommand, // "21" without a command number the controller knows
    TooShort,       // no room for the checksum
    BadChecksum,    // digits missing, or not the payload's checksum
    NoLineEnd,      // LF without CR before it
    TooLong,        // no line end within the controller's buffer
};

struct CheckedFrame {
    FrameVerdict verdict = FrameVerdict::Ok;
    QByteArray function; // "20" or "21" when the verdict is Ok
    QByteArray payload;  // what the checksum covers
};

// The longest line the emulated controller keeps while waiting for its end.
inline constexpr qsizetype kMaxFrameLength = 1024;

// `line` is one received line including its final LF.
CheckedFrame checkFrame(const QByteArray& line, const QByteArray& address);

// A short text for the emulator's log ("ok", "zła suma kontrolna").
QString verdictText(FrameVerdict verdict);
