#pragma once
// A pseudo-terminal pair: we keep the master, the slave path is what a serial
// port component opens. The line starts raw, so every byte passes unchanged.

#include <string>

namespace dsp {

class PtyPair {
public:
    PtyPair() = default;
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // 0 or errno.
    int Create();
    void CloseMaster();

    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

private:
    int master_ = -1;
    std::string slavePath_;
};

} // namespace dsp
