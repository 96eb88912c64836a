// How the programming window names a port: the number, the device behind it and the adapter's
// own name, read from a kernel device tree laid out the way USB serial adapters, modems and
// built-in ports appear in it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "session/ui/PortDescription.h"
#include "support/TempFolder.h"

namespace radioprog::ui {
namespace {

namespace fs = std::filesystem;

class PortDescriptionTest : public ::testing::Test {
  protected:
    // class/tty/NAME/device -> devices/DEVICE, with its driver; product written in the
    // folder productLevels above the device folder (none when negative).
    void AddTty(const std::string& name, const std::string& device, const std::string& driver,
                const std::string& product, int productLevels) {
        const fs::path deviceFolder = Root() / "devices" / device;
        fs::create_directories(deviceFolder);
        fs::create_directories(Root() / "bus" / "drivers" / driver);
        fs::create_directory_symlink(Root() / "bus" / "drivers" / driver, deviceFolder / "driver");
        fs::create_directories(Root() / "class" / "tty" / name);
        fs::create_directory_symlink(deviceFolder, Root() / "class" / "tty" / name / "device");
        if (productLevels >= 0) {
            fs::path up = deviceFolder;
            for (int i = 0; i < productLevels; ++i) {
                up = up.parent_path();
            }
            std::ofstream(up / "product") << product << "\n";
        }
    }
    fs::path Root() const { return fs::path(folder.File("sys")); }
    QString SysRoot() const { return QString::fromStdString(Root().string()); }

    testing::TempFolder folder;
};

TEST_F(PortDescriptionTest, TheAdapterIsNamedByItsProductElseItsDriver) {
    // A USB adapter: the product string sits on the USB device, above interface and tty.
    AddTty("ttyUSB1", "usb1/1-1/1-1:1.0/ttyUSB1", "ch341-uart", "USB Serial", 2);
    // A modem whose interface is the tty's device, with the product one level up.
    AddTty("ttyACM0", "usb1/1-2/1-2:1.0", "cdc_acm", "CDC Radio Cable", 1);
    // A built-in port: a driver, no product anywhere.
    AddTty("ttyS0", "platform/serial8250/tty/ttyS0", "serial8250", "", -1);
    // A name under by-id leads to the tty it stands for.
    fs::create_directories(Root().parent_path() / "dev");
    const fs::path byId = Root().parent_path() / "dev" / "usb-cable";
    std::ofstream(Root().parent_path() / "dev" / "ttyUSB1").put('\0');
    fs::create_symlink(Root().parent_path() / "dev" / "ttyUSB1", byId);

    PortMap map;
    map.Assign(2, "/dev/ttyUSB1");
    map.Assign(3, "/dev/ttyACM0");
    map.Assign(4, "/dev/ttyS0");
    map.Assign(5, "/dev/pts/3");
    map.Assign(6, byId.string());
    const QString root = SysRoot();
    EXPECT_EQ(PortDescription(map, 2, root), "COM2 - /dev/ttyUSB1, USB Serial");
    EXPECT_EQ(PortDescription(map, 3, root), "COM3 - /dev/ttyACM0, CDC Radio Cable");
    EXPECT_EQ(PortDescription(map, 4, root), "COM4 - /dev/ttyS0, serial8250");
    EXPECT_EQ(PortDescription(map, 5, root), "COM5 - /dev/pts/3");
    EXPECT_EQ(PortDescription(map, 6, root),
              "COM6 - " + QString::fromStdString(byId.string()) + ", USB Serial");
    EXPECT_EQ(PortDescription(map, 7, root), "COM7");
}

}  // namespace
}  // namespace radioprog::ui
