#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The frames the station exchanges with the arm's controller, built and
// checked here and nowhere else. Every frame is 8-bit text; the station sends
//   ":" + address + function code + payload + 4 hex checksum digits + CR LF
// and the controller's only reply is the acknowledgement ":" + address +
// its function code + CR LF, which does not say which frame it answers.

// The function codes a frame carries after the address.
enum class FunctionCode {
    ProgramLine,     // "20": one line of the program
    Command,         // "21": a numbered command with its argument
    Acknowledgement, // "05": the controller took a frame
};

// The two digits of a function code on the wire.
QByteArray functionCodeText(FunctionCode code);

// The command numbers of the frames with FunctionCode::Command. No other
// numbers are ever sent.
enum class Command {
    CmdConnect = 2,
    CmdReferenceTravel = 3,
    CmdSetReference = 5,
    CmdZHeightG00 = 6,
    CmdZHeightG01 = 7,
    CmdArm1Plus = 8,
    CmdArm2Plus = 9,
    CmdZPlus = 10,
    CmdArm1Minus = 11,
    CmdArm2Minus = 12,
    CmdZMinus = 13,
    CmdManualOn = 14,
    CmdManualOff = 15,
};

// The three-digit text of a command number ("002", "015").
QByteArray commandNumber(Command command);

// The line terminator of every frame.
inline constexpr char kFrameEnd[] = "\r\n";

// The default controller address, the text of the read-only field
// "Adres sterownika".
inline constexpr char kDefaultAddress[] = "05";

// ":" + address + "21" + number + argument + the upper-case checksum digits
// of number + argument, then CR LF. The argument goes on the wire as given.
QByteArray CommandFrame(const QByteArray& address, Command command,
                        const QByteArray& argument = {});

// The body of a program line's frame: ":" + address + "20" + line + the
// upper-case checksum digits of the line, without CR LF. The transfer logs
// this body and then sends it followed by CR LF. The line goes out byte for
// byte, a final blank included.
QByteArray BlockFrame(const QByteArray& address, const QByteArray& line);

// The five argument-less commands, stored complete with the address "05",
// their checksum in lower-case digits and CR LF. They go on the wire exactly
// as stored (so the controller meets both digit cases), and the link compares
// the last one sent with these texts as whole strings.
namespace FixedFrames {
inline constexpr char kConnect[] = ":05210021ae4\r\n";
inline constexpr char kReferenceTravel[] = ":0521003da25\r\n";
inline constexpr char kSetReference[] = ":0521005d8a5\r\n";
inline constexpr char kManualOn[] = ":05210148865\r\n";
inline constexpr char kManualOff[] = ":052101548a4\r\n";
} // namespace FixedFrames

// The acknowledgement text for an address: ":" + address + "05" + CR LF.
QByteArray acknowledgementText(const QByteArray& address);

// True only when the whole received text equals the acknowledgement for the
// address, byte for byte: nothing before or after it, case-sensitive. Two
// acknowledgements in one text are no acknowledgement.
bool isAcknowledgement(const QByteArray& received, const QByteArray& address);

// How a controller judges one received line as a frame: start, address,
// function code, checksum (either digit case) and CR LF.
enum class FrameVerdict {
    Ok,
    NoStart,        // the line does not begin with ":"
    BadAddress,     // another controller's address
    BadFunction,    // neither a program line nor a command
    UnknownCommand, // a command without a number the controller knows
    TooShort,       // no room for the checksum
    BadChecksum,    // digits missing, or not the payload's checksum
    NoLineEnd,      // LF without CR before it
    TooLong,        // no line end within the controller's buffer
};

struct CheckedFrame {
    FrameVerdict verdict = FrameVerdict::Ok;
    // ProgramLine or Command when the verdict is Ok.
    std::optional<FunctionCode> function;
    QByteArray payload; // what the checksum covers
};

// The longest line a controller keeps while waiting for its end.
inline constexpr qsizetype kMaxFrameLength = 1024;

// `line` is one received line including its final LF.
CheckedFrame checkFrame(const QByteArray& line, const QByteArray& address);

// A short text for a controller's log ("ok", "zła suma kontrolna").
QString verdictText(FrameVerdict verdict);
