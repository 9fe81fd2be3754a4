#include "main/panel/link_keeper.h"

#include <exception>
#include <iostream>

namespace dsp {
namespace {

// The link-state lines, after "dsp-panel: PORT: ".
struct LinkTexts {
    const char* lost;       // + reason + retrying
    const char* retrying;   // ends the line: what happens meanwhile
    const char* stillAway;  // + reason
    const char* back;
    const char* stopped;
};

constexpr LinkTexts kLinkTexts = {
    "link lost: ",          "; reopening every second; changes made meanwhile are not kept",
    "still away: ",         "link back",
    "reconnecting stopped",
};

std::string Reason(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "unknown error";
    }
}

}  // namespace

void LinkKeeper::Say(const std::string& text) {
    std::ostream& out = log_ ? *log_ : std::cerr;
    out << "dsp-panel: " << port_ << ": " << text << std::endl;
}

bool LinkKeeper::Lost(const std::string& port, const std::string& reason) {
    if (away_) return false;
    away_ = true;
    port_ = port;
    lastFailure_.clear();
    Say(kLinkTexts.lost + reason + kLinkTexts.retrying);
    return true;
}

bool LinkKeeper::Retry(const std::function<void()>& open) {
    if (!away_) return true;
    try {
        open();
    } catch (...) {
        std::string reason = Reason(std::current_exception());
        if (reason != lastFailure_) Say(kLinkTexts.stillAway + reason);
        lastFailure_ = std::move(reason);
        return false;
    }
    away_ = false;
    Say(kLinkTexts.back);
    return true;
}

void LinkKeeper::Stop() {
    if (!away_) return;
    away_ = false;
    Say(kLinkTexts.stopped);
}

}  // namespace dsp
