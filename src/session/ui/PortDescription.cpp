#include "session/ui/PortDescription.h"

#include <QFile>
#include <QFileInfo>

#include "gui/UiText.h"

namespace radioprog::ui {

namespace {

// USB serial adapters hang a few levels below the USB device that carries the product string.
constexpr int kLevelsUpToUsbDevice = 4;

QString FirstLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readLine(256)).trimmed();
}

}  // namespace

QString AdapterName(const QString& devicePath, const QString& sysRoot) {
    // A name under /dev/serial/by-id leads to the tty the kernel knows.
    const QFileInfo device(devicePath);
    const QString canonical = device.canonicalFilePath();
    const QString tty = QFileInfo(canonical.isEmpty() ? devicePath : canonical).fileName();
    const QString link = sysRoot + "/class/tty/" + tty + "/device";
    QString folder = QFileInfo(link).canonicalFilePath();
    const QString root = QFileInfo(sysRoot).canonicalFilePath();
    if (tty.isEmpty() || folder.isEmpty() || root.isEmpty()) {
        return {};
    }
    QString driver = QFileInfo(QFileInfo(link + "/driver").canonicalFilePath()).fileName();
    for (int level = 0; level <= kLevelsUpToUsbDevice && folder.startsWith(root); ++level) {
        QString product = FirstLine(folder + "/product");
        if (!product.isEmpty()) {
            return product;
        }
        folder = QFileInfo(folder).path();
    }
    return driver;
}

QString PortDescription(const PortMap& map, int portNumber, const QString& sysRoot) {
    QString name = QStringLiteral("COM%1").arg(portNumber);
    const std::optional<std::string> device = map.PathOf(portNumber);
    if (!device) {
        return name;
    }
    const QString path = FromUtf8(*device);
    const QString adapter = AdapterName(path, sysRoot);
    return adapter.isEmpty() ? QStringLiteral("%1 - %2").arg(name, path)
                             : QStringLiteral("%1 - %2, %3").arg(name, path, adapter);
}

}  // namespace radioprog::ui
