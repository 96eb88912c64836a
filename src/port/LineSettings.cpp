#include "port/LineSettings.h"

namespace radioprog {

LineSettings Set_dcb() {
    LineSettings s;
    s.baudRate = 9600;
    s.dataBits = 8;
    s.parity = false;
    s.stopBits = 1;
    s.binary = true;
    s.dtrOn = true;
    s.rtsOn = true;
    s.ctsFlowControl = false;
    s.dsrFlowControl = false;
    s.dsrSensitivity = false;
    s.xonXoff = false;
    s.replaceErrors = false;
    s.discardNulls = false;
    s.abortOnError = false;
    s.xonLimit = 2048;
    s.xoffLimit = 512;
    s.xonChar = 0x11;
    s.xoffChar = 0x13;
    s.errorChar = 0;
    s.eofChar = 0;
    s.eventChar = 0;
    return s;
}

}  // namespace radioprog
