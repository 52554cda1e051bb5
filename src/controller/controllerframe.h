#pragma once

#include <QByteArray>

// The frames the station exchanges with the arm's controller. Every frame is
// 8-bit text; the station sends
//   ":" + address + function code + payload + 4 hex checksum digits + CR LF
// and the controller's only reply is the acknowledgement ":" + address + "05"
// + CR LF, which does not say which frame it answers.

// The command numbers of the frames with function code "21". No other
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
