// A simulated scale for one test: tools/scale-sim/scale_sim.py run as its own process on port 21 of
// an address in the test namespace, storing into a fresh temporary folder. It is stopped and the
// folder removed when the object goes.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace tarvel::test {

class ScaleSimulator {
public:
    // Starts the simulator with extra options of its own (for example {"--refuse-store"} or
    // {"--cut-after", "4096"}) and waits until it listens, at most timeoutSeconds.
    explicit ScaleSimulator(const std::string& address, const std::vector<std::string>& options = {},
                            int port = 21, double timeoutSeconds = 10.0);
    ~ScaleSimulator();
    ScaleSimulator(const ScaleSimulator&) = delete;
    ScaleSimulator& operator=(const ScaleSimulator&) = delete;

    // True once the simulator listens; otherwise Error() tells why.
    bool IsReady() const { return m_ready; }
    const std::string& Error() const { return m_error; }

    // The folder that receives the stored files, and the path of one stored file by its remote name.
    const std::string& Folder() const { return m_folder; }
    std::string StoredPath(const std::string& remoteName) const;
    // The names of the files stored so far.
    std::vector<std::string> StoredNames() const;
    // Every command the simulator has received, one per line (the password masked).
    std::string Commands() const;
    // What the simulator wrote to stdout and stderr.
    std::string Output() const;

private:
    std::string m_workDir;
    std::string m_folder;
    pid_t m_pid = -1;
    bool m_ready = false;
    std::string m_error;
};

// The simulator script: from the rig's TARVEL_SCALE_SIM, else the source tree.
std::string ScaleSimulatorScript();

// The bytes of a file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace tarvel::test
