#include "session/ui/ProgramWindowLines.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/UiText.h"
#include "lang/ToolText.h"
#include "lang/WriteCheckText.h"
#include "session/ui/PortDescription.h"

namespace radioprog::ui {

namespace {

QString Stamp(const LastWriteTime& time) {
    if (time.year == 0) {
        return QStringLiteral("-");
    }
    return QString::asprintf("%04u-%02u-%02u %02u:%02u", unsigned{time.year}, unsigned{time.month},
                             unsigned{time.day}, unsigned{time.hour}, unsigned{time.minute});
}

}  // namespace

QString WhereTheJobGoes(const GuiContext& context, const QString& sysRoot) {
    const PortChoice& port = context.data.port;
    if (port.autoSearchPort) {
        return FromUtf8(WriteCheckTextUtf8(context.data.lang, WriteCheckTextId::PortAutoSearch));
    }
    // The devices present now, without opening any: the session probes again at Start.
    const PortMap map = port.source.Build();
    return FromUtf8(ToolTextUtf8(context.data.lang, ToolTextId::PortUsed))
        .arg(PortDescription(map, port.portNumber, sysRoot));
}

QString RadioLastRead(const GuiContext& context) {
    const std::optional<RadioKind> kind = context.data.radioRead;
    if (!kind) {
        return {};
    }
    return FromUtf8(WriteCheckTextUtf8(context.data.lang, WriteCheckTextId::RadioLastRead))
        .arg(FromUtf8(std::string(RadioKindName(*kind))), Stamp(context.data.lastWriteTime));
}

void AddWhereAndRadio(QVBoxLayout& layout, QWidget& window, const GuiContext& context) {
    auto* where = new QLabel(WhereTheJobGoes(context), &window);
    where->setObjectName("sPort");
    where->setWordWrap(true);
    layout.insertWidget(0, where);
    const QString radio = RadioLastRead(context);
    if (!radio.isEmpty()) {
        auto* radioRead = new QLabel(radio, &window);
        radioRead->setObjectName("sRadioRead");
        layout.insertWidget(1, radioRead);
    }
}

}  // namespace radioprog::ui
