#include "session/ui/FailureAdvice.h"

#include <QStringList>

#include "gui/UiText.h"
#include "lang/ToolText.h"

namespace radioprog::ui {

namespace {

QString Text(const THaldenFuncs::TAppLang& lang, ToolTextId id) {
    return FromUtf8(ToolTextUtf8(lang, id));
}

// "COM3 (/dev/ttyUSB0)".
QString PortName(const PortChoice& port, int number) {
    const std::optional<std::string> device = port.map.PathOf(number);
    const QString name = QStringLiteral("COM%1").arg(number);
    return device ? QStringLiteral("%1 (%2)").arg(name, FromUtf8(*device)) : name;
}

ToolTextId FailureText(PortError error) {
    switch (error) {
        case PortError::NoSuchDevice:
            return ToolTextId::DeviceMissing;
        case PortError::NotSerial:
            return ToolTextId::DeviceNotSerial;
        case PortError::InUse:
            return ToolTextId::DeviceInUse;
        case PortError::NoPermission:
            return ToolTextId::DeviceNotAllowed;
        case PortError::None:
        case PortError::IoError:
            break;
    }
    return ToolTextId::DeviceFailed;
}

}  // namespace

QString FailureAdvice(const THaldenFuncs::TAppLang& lang, const PortChoice& port,
                      const PortResult& failure) {
    QStringList lines;
    if (failure.error != PortError::None) {
        // The system's detail names the holder or the group to join; it stays as it is.
        lines << Text(lang, FailureText(failure.error)).arg(PortName(port, port.portNumber))
              << FromUtf8(failure.message);
        return lines.join('\n');
    }
    if (port.autoSearchPort) {
        QStringList searched;
        for (const uint8_t number : port.portList.Numbers()) {
            searched << PortName(port, number);
        }
        lines << (searched.isEmpty() ? Text(lang, ToolTextId::NoPortPresent)
                                     : Text(lang, ToolTextId::PortsSearched)
                                           .arg(searched.join(QStringLiteral(", "))));
    } else {
        lines << Text(lang, ToolTextId::PortUsed).arg(PortName(port, port.portNumber));
    }
    lines << Text(lang, ToolTextId::CheckRadioAndCable)
          << Text(lang, ToolTextId::CheckOtherProgram);
    return lines.join('\n');
}

}  // namespace radioprog::ui
