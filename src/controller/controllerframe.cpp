#include "controller/controllerframe.h"

#include "controller/framechecksum.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

constexpr std::array kCommands{
    Command::CmdConnect,    Command::CmdReferenceTravel, Command::CmdSetReference,
    Command::CmdZHeightG00, Command::CmdZHeightG01,      Command::CmdArm1Plus,
    Command::CmdArm2Plus,   Command::CmdZPlus,           Command::CmdArm1Minus,
    Command::CmdArm2Minus,  Command::CmdZMinus,          Command::CmdManualOn,
    Command::CmdManualOff,
};

constexpr std::array kFunctionCodes{FunctionCode::ProgramLine, FunctionCode::Command,
                                    FunctionCode::Acknowledgement};

bool isKnownCommand(const QByteArray& number) {
    return std::any_of(kCommands.begin(), kCommands.end(),
                       [&number](Command command) { return commandNumber(command) == number; });
}

std::optional<FunctionCode> functionCodeOf(const QByteArray& text) {
    for (FunctionCode code : kFunctionCodes) {
        if (functionCodeText(code) == text)
            return code;
    }
    return std::nullopt;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

} // namespace

QByteArray functionCodeText(FunctionCode code) {
    switch (code) {
    case FunctionCode::ProgramLine:
        return QByteArrayLiteral("20");
    case FunctionCode::Command:
        return QByteArrayLiteral("21");
    case FunctionCode::Acknowledgement:
        return QByteArrayLiteral("05");
    }
    return {};
}

QByteArray commandNumber(Command command) {
    return QByteArray::number(static_cast<int>(command)).rightJustified(3, '0');
}

QByteArray CommandFrame(const QByteArray& address, Command command, const QByteArray& argument) {
    const QByteArray payload = commandNumber(command) + argument;
    return ':' + address + functionCodeText(FunctionCode::Command) + payload +
           checksumDigits(FrameChecksum(payload)) + kFrameEnd;
}

QByteArray BlockFrame(const QByteArray& address, const QByteArray& line) {
    return ':' + address + functionCodeText(FunctionCode::ProgramLine) + line +
           checksumDigits(FrameChecksum(line));
}

QByteArray acknowledgementText(const QByteArray& address) {
    return ':' + address + functionCodeText(FunctionCode::Acknowledgement) + kFrameEnd;
}

bool isAcknowledgement(const QByteArray& received, const QByteArray& address) {
    return received == acknowledgementText(address);
}

CheckedFrame checkFrame(const QByteArray& line, const QByteArray& address) {
    CheckedFrame result;
    auto fail = [&result](FrameVerdict verdict) {
        result.verdict = verdict;
        return result;
    };
    if (line.size() > kMaxFrameLength)
        return fail(FrameVerdict::TooLong);
    if (!line.endsWith(kFrameEnd))
        return fail(FrameVerdict::NoLineEnd);
    const QByteArray body = line.chopped(2);
    if (!body.startsWith(':'))
        return fail(FrameVerdict::NoStart);
    const qsizetype headerSize = 1 + address.size() + 2;
    if (body.size() < headerSize)
        return fail(FrameVerdict::TooShort);
    if (body.mid(1, address.size()) != address)
        return fail(FrameVerdict::BadAddress);
    const std::optional<FunctionCode> function = functionCodeOf(body.mid(1 + address.size(), 2));
    if (function != FunctionCode::ProgramLine && function != FunctionCode::Command)
        return fail(FrameVerdict::BadFunction);
    if (body.size() < headerSize + 4)
        return fail(FrameVerdict::TooShort);
    const QByteArray digits = body.right(4);
    const QByteArray payload = body.mid(headerSize, body.size() - headerSize - 4);
    const bool hex = std::all_of(digits.begin(), digits.end(), isHexDigit);
    if (!hex || digits.toUInt(nullptr, 16) != FrameChecksum(payload))
        return fail(FrameVerdict::BadChecksum);
    if (function == FunctionCode::Command && !isKnownCommand(payload.left(3)))
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
