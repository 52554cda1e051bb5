#include "controller/emulator/framecheck.h"

#include "controller/controllerframe.h"
#include "controller/framechecksum.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

bool isKnownCommand(const QByteArray& number) {
    bool ok = false;
    const int value = number.toInt(&ok);
    if (!ok || number.size() != 3)
        return false;
    for (Command command :
         {Command::CmdConnect, Command::CmdReferenceTravel, Command::CmdSetReference,
          Command::CmdZHeightG00, Command::CmdZHeightG01, Command::CmdArm1Plus,
          Command::CmdArm2Plus, Command::CmdZPlus, Command::CmdArm1Minus, Command::CmdArm2Minus,
          Command::CmdZMinus, Command::CmdManualOn, Command::CmdManualOff}) {
        if (int(command) == value)
            return commandNumber(command) == number;
    }
    return false;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace

CheckedFrame checkFrame(const QByteArray& line, const QByteArray& address) {
    CheckedFrame result;
    auto fail = [&result](FrameVerdict verdict) {
        result.verdict = verdict;
        return result;
    };
    if (line.size() > kMaxFrameLength)
        return fail(FrameVerdict::TooLong);
    if (!line.endsWith("\r\n"))
        return fail(FrameVerdict::NoLineEnd);
    const QByteArray body = line.chopped(2);
    if (!body.startsWith(':'))
        return fail(FrameVerdict::NoStart);
    const qsizetype headerSize = 1 + address.size() + 2;
    if (body.size() < headerSize)
        return fail(FrameVerdict::TooShort);
    if (body.mid(1, address.size()) != address)
        return fail(FrameVerdict::BadAddress);
    const QByteArray function = body.mid(1 + address.size(), 2);
    if (function != "20" && function != "21")
        return fail(FrameVerdict::BadFunction);
    if (body.size() < headerSize + 4)
        return fail(FrameVerdict::TooShort);
    const QByteArray digits = body.right(4);
    const QByteArray payload = body.mid(headerSize, body.size() - headerSize - 4);
    bool ok = std::all_of(digits.begin(), digits.end(), isHexDigit);
    const uint value = digits.toUInt(nullptr, 16);
    if (!ok || value != FrameChecksum(payload))
        return fail(FrameVerdict::BadChecksum);
    if (function == "21" && !isKnownCommand(payload.left(3)))
        return fail(FrameVerdict::UnknownCommand);
    result.function = function;
    result.payload = payload;
    return result;
}

QString verdictText(FrameVerdict verdict) {
    switch (verdict) {
    case FrameVerdict::Ok:
        return QCoreApplication::translate("FrameCheck", "ok");
    case FrameVerdict::NoStart:
        return QCoreApplication::translate("FrameCheck", "brak znaku początku");
    case FrameVerdict::BadAddress:
        return QCoreApplication::translate("FrameCheck", "obcy adres");
    case FrameVerdict::BadFunction:
        return QCoreApplication::translate("FrameCheck", "nieznany kod funkcji");
    case FrameVerdict::UnknownCommand:
        return QCoreApplication::translate("FrameCheck", "nieznane polecenie");
    case FrameVerdict::TooShort:
        return QCoreApplication::translate("FrameCheck", "za krótka ramka");
    case FrameVerdict::BadChecksum:
        return QCoreApplication::translate("FrameCheck", "zła suma kontrolna");
    case FrameVerdict::NoLineEnd:
        return QCoreApplication::translate("FrameCheck", "brak CR przed LF");
    case FrameVerdict::TooLong:
        return QCoreApplication::translate("FrameCheck", "za długa ramka");
    }
    return {};
}
