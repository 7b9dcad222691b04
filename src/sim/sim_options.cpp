#include "sim/sim_options.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>

#include "sim/kept_channels.h"
#include "sim/sim_option_table.h"

namespace dorvane::sim {

namespace {

constexpr char kUsageHead[] =
    "usage: dorvane-sim [OPTIONS] [--relay download|upload [RELAY OPTIONS] -- PROGRAM ARGS...]\n"
    "\n"
    "A simulated STB on a pseudo-terminal. The first line of standard output is\n"
    "the terminal's device path; then one line per event: \"<ms> <event>\".\n"
    "Standard input takes commands, one a line: on, off, boot, app, quit, and\n"
    "upload (the application sends its channel data as on its console command).\n"
    "The simulator ends on quit, at the end of standard input, on SIGTERM or SIGINT.\n"
    "\n";

// What follows "--": the relayed program and its arguments.
void takeRelayCommand(Config& c, const std::vector<std::string>& argv, std::size_t from) {
    if (!c.relay) badSimArgs("a program to relay to needs --relay");
    c.relay->command.assign(argv.begin() + static_cast<std::ptrdiff_t>(from), argv.end());
}

// One box's options (the bench's own already taken out).
Config parse(const std::vector<std::string>& argv) {
    Config c;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& word = argv[i];
        if (word == "--") {
            takeRelayCommand(c, argv, i + 1);
            break;
        }
        const SimOption* option = findSimOption(word);
        if (!option || !option->set) badSimArgs("unknown option " + word);
        std::string value;
        if (option->value) {
            if (i + 1 >= argv.size()) badSimArgs(word + " needs a value");
            value = argv[++i];
        }
        option->set(c, value);
    }
    if (c.relay && c.relay->command.empty()) badSimArgs("--relay needs a program after --");
    if (c.receiver.app.uploadBlob.empty()) c.receiver.app.uploadBlob = builtInChannelData();
    return c;
}

// The moment a box is switched on by --on-after, as an --at command.
void resolveOnAfter(Config& c, int box) {
    if (c.onAfterMs < 0) return;
    int ms = c.onAfterMs;
    if (c.onAfterMaxMs > c.onAfterMs) {
        std::mt19937_64 random(c.faults.seed * 1000003u + static_cast<std::uint64_t>(box));
        ms = std::uniform_int_distribution<int>(c.onAfterMs, c.onAfterMaxMs)(random);
    }
    c.at.emplace_back(ms, "on");
}

constexpr int kMostBoxes = 64;

// The command line sorted by box: the shared options, and each box's own.
struct Bench {
    int boxes = 1;
    std::vector<std::string> common;
    std::map<int, std::vector<std::string>> own;
};

Bench sortByBox(const std::vector<std::string>& args) {
    Bench bench;
    int current = 0;  // 0: the shared options
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto& into = current == 0 ? bench.common : bench.own[current];
        if (a == "--") {  // a relayed program's arguments are not ours
            into.insert(into.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if ((a == "--boxes" || a == "--box") && i + 1 >= args.size()) badSimArgs(a + " needs a value");
        if (a == "--boxes" && current == 0) {
            bench.boxes = std::atoi(args[++i].c_str());
            if (bench.boxes < 1 || bench.boxes > kMostBoxes)
                badSimArgs("--boxes wants 1 to " + std::to_string(kMostBoxes));
        } else if (a == "--box") {
            current = std::atoi(args[++i].c_str());
            bench.own[current];
        } else {
            into.push_back(a);
        }
    }
    return bench;
}

// Box K's options: the shared ones, then its own (a relay's program
// arguments stay last).
std::vector<std::string> optionsOf(const Bench& bench, int box) {
    std::vector<std::string> all = bench.common;
    const auto it = bench.own.find(box);
    if (it != bench.own.end())
        all.insert(std::find(all.begin(), all.end(), "--"), it->second.begin(), it->second.end());
    return all;
}

std::vector<Config> parseBench(const std::vector<std::string>& args) {
    const Bench bench = sortByBox(args);
    parse(bench.common);  // --help and --version before anything else
    for (const auto& [box, options] : bench.own)
        if (box < 1 || box > bench.boxes) badSimArgs("--box wants a box from 1 to " + std::to_string(bench.boxes));
    std::vector<Config> out;
    for (int box = 1; box <= bench.boxes; ++box) {
        out.push_back(parse(optionsOf(bench, box)));
        if (bench.boxes > 1 && out.back().relay) badSimArgs("--relay takes one box only");
        resolveOnAfter(out.back(), box);
    }
    return out;
}

// ---- --help -----------------------------------------------------------------

constexpr std::size_t kHelpWidth = 79;
constexpr std::size_t kDescriptionColumn = 25;

// Appends text word by word, breaking lines before kHelpWidth; a new line
// starts at `indent`.
void appendWrapped(std::string& out, std::size_t& column, const std::string& text, std::size_t indent) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::size_t length = end - start;
        if (column > indent && column + 1 + length > kHelpWidth) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
        } else if (column > indent) {
            out += ' ';
            ++column;
        }
        out.append(text, start, length);
        column += length;
        start = end + 1;
    }
}

// "  --name VALUE": options described together stand one a line, the
// description beside the last, or below it when the name is too long.
void appendOption(std::string& out, const SimOption& option) {
    std::string synopsis = std::string("  ") + option.name;
    if (option.value) synopsis += std::string(" ") + option.value;
    out += synopsis;
    if (!option.help) {
        out += '\n';
        return;
    }
    std::size_t column = kDescriptionColumn;
    if (synopsis.size() + 2 <= kDescriptionColumn)
        out += std::string(kDescriptionColumn - synopsis.size(), ' ');
    else
        out += "\n" + std::string(kDescriptionColumn, ' ');
    appendWrapped(out, column, option.help, kDescriptionColumn);
    out += '\n';
}

}  // namespace

ParsedArgs parseSimArgs(const std::vector<std::string>& args) {
    ParsedArgs out;
    try {
        out.boxes = parseBench(args);
        out.config = out.boxes.front();
    } catch (const BadSimArgs& bad) {
        out.action = ParsedArgs::Action::Error;
        out.error = bad.message;
    } catch (const SimArgsFinished& done) {
        out.action = done.action;
    }
    return out;
}

std::string simUsage() {
    std::string out = kUsageHead;
    for (const SimOption& option : simOptions()) {
        if (option.name)
            appendOption(out, option);
        else
            out += std::string(option.help) + "\n";
    }
    return out;
}

}  // namespace dorvane::sim
