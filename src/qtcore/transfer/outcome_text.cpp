#include "qtcore/transfer/outcome_text.h"

namespace dorvane {

std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '\n')
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

const char* outcomeName(TransferOutcome outcome) {
    switch (outcome) {
        case TransferOutcome::NotStarted: return "not-started";
        case TransferOutcome::Succeeded: return "succeeded";
        case TransferOutcome::Canceled: return "canceled";
        case TransferOutcome::TimedOut: return "timed-out";
        case TransferOutcome::Refused: return "refused";
        case TransferOutcome::PortError: return "port-error";
        case TransferOutcome::Failed: return "failed";
    }
    return "";
}

}  // namespace dorvane
