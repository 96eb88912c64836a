#pragma once
// One programming session on virtual time against simulated ports, with its own AppData.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "RadioSimulator.h"
#include "SimulatedLine.h"
#include "VirtualClockHost.h"
#include "appdata/AppData.h"
#include "session/ProgramSession.h"
#include "session/SessionRequests.h"

namespace radioprog::testing {

inline constexpr int64_t kLongEnoughMs = 10 * 60 * 1000;
inline const std::string kPort1 = "/dev/sim1";
inline const std::string kPort2 = "/dev/sim2";
inline const std::string kPort3 = "/dev/sim3";

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() { data.lang.SetLangType(THaldenFuncs::TLangType::English); }

    // Port numbers 1.. take the given device paths; the session uses them as configured.
    void UsePorts(const std::vector<std::string>& paths, bool autoSearch, int portNumber = 1) {
        data.port.source.explicitPorts.clear();
        for (size_t i = 0; i < paths.size(); ++i) {
            data.port.source.explicitPorts[static_cast<int>(i) + 1] = paths[i];
        }
        data.port.source.scanDevices = [] { return std::vector<std::string>{}; };
        data.port.autoSearchPort = autoSearch;
        data.port.portNumber = portNumber;
    }

    // A radio of this kind alone on port 1, no auto search.
    RadioSimulator& AttachRadio(RadioKind kind, std::string password = {}) {
        SimulatorConfig config;
        config.kind = kind;
        config.password = std::move(password);
        radio = std::make_unique<RadioSimulator>(config);
        radioEnd = std::make_unique<SimulatedRadioEnd>(*radio);
        line.AddDevice(kPort1, radioEnd.get());
        UsePorts({kPort1}, false);
        return *radio;
    }

    // The port list as the line's present devices make it.
    ProgramSession::PortProbe Probe() {
        return [this](PortChoice& choice) {
            choice.map = choice.source.Build();
            choice.portList.Clear();
            for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n) {
                if (auto path = choice.map.PathOf(n); path && line.IsPresent(*path)) {
                    choice.portList.Append(n);
                }
            }
        };
    }

    ProgramSession& Start(SessionMode mode, bool read) {
        session = std::make_unique<ProgramSession>(data, data.port, line, host, Probe());
        session->SessionMode = mode;
        session->ReadRequested = read;
        session->WriteTime = [] { return LastWriteTime{2024, 5, 6, 7, 8}; };
        host.Attach(*session);
        session->ProgramStartClick();
        return *session;
    }

    SessionOutcome RunJob(SessionMode mode, bool read, int64_t untilMs = kLongEnoughMs) {
        Start(mode, read);
        host.RunUntilEnded(untilMs);
        return session->Outcome();
    }

    std::vector<SessionMessage> Messages() const {
        std::vector<SessionMessage> shown;
        for (const ShownMessage& m : host.messages) {
            shown.push_back(m.message);
        }
        return shown;
    }

    // The requests the radio understood, in order, as kind and address.
    std::vector<std::pair<RequestKind, uint16_t>> RadioRequests() const {
        std::vector<std::pair<RequestKind, uint16_t>> requests;
        for (const ReceivedRequest& r : radio->Requests()) {
            requests.emplace_back(r.kind, r.address);
        }
        return requests;
    }

    AppData data;
    VirtualClockHost host;
    SimulatedLine line{[this] { return host.Now(); }};
    std::unique_ptr<RadioSimulator> radio;
    std::unique_ptr<SimulatedRadioEnd> radioEnd;
    std::unique_ptr<ProgramSession> session;
};

// Everything a failed or interrupted session must leave as it was.
struct ModelSnapshot {
    explicit ModelSnapshot(const AppData& d)
        : image(d.image.Raw().begin(), d.image.Raw().end()),
          calibration(d.calibration.Raw().begin(), d.calibration.Raw().end()),
          band(d.band),
          lastWriteTime(d.lastWriteTime) {}
    std::vector<uint8_t> image;
    std::vector<uint8_t> calibration;
    BandLimits band;
    LastWriteTime lastWriteTime;
    friend bool operator==(const ModelSnapshot&, const ModelSnapshot&) = default;
};

}  // namespace radioprog::testing
