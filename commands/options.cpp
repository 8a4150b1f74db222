// read_options  The command line, read once: the program's options up to the command word, then the
//               command's options and words.
#include <optional>
#include <string>
#include <string_view>

#include <solarlon/io.hpp>

#include "commands.hpp"

namespace solarlon::commands {

namespace {

// The options of a command. VALUED: takes a value (--zone JST or --zone=JST). LISTED: named where an
// unknown option is reported.
struct Option {
    std::string_view name;
    bool valued;
    bool listed;
};
constexpr Option kOptions[] = {
    {"--equinox", true, true}, {"--zone", true, true},  {"--format", true, true}, {"--theory", true, true},
    {"--scale", true, true},   {"--utf8", false, true}, {"--sjis", false, true},  {"--help", false, false},
};

// The equinoxes --equinox takes.
std::string equinoxes() {
    return "date, 1950, 2000 or a year from " + std::to_string(kFirstEquinoxYear) + " to " +
           std::to_string(kLastEquinoxYear) + " outside -1.5 to 0.5";
}
constexpr const char* kZones = "JST, UTC, Z, +H, +HH, +HHMM or +HH:MM, or the same with -";

// "a, b or c"
template <class Range, class Name>
std::string listed(const Range& items, Name&& name) {
    std::string all, last;
    for (const auto& item : items) {
        const std::string_view n = name(item);
        if (n.empty()) continue;
        if (!last.empty()) all += all.empty() ? last : ", " + last;
        last = std::string(n);
    }
    return all.empty() ? last : all + " or " + last;
}

// The encoding that A chooses: --utf8 UTF-8 (true), --sjis Shift-JIS (false); none for another word.
std::optional<bool> encoding_option(std::string_view a) {
    if (a == "--utf8" || a == "--sjis") return a == "--utf8";
    return std::nullopt;
}

bool is_command(std::string_view a) {
    for (const Command& c : kCommands) {
        if (a == c.name) return true;
    }
    return false;
}

const Option* option_named(std::string_view name) {
    for (const Option& o : kOptions) {
        if (o.name == name) return &o;
    }
    return nullptr;
}

// One valued option of COMMAND: NAME and its VALUE into O.
void take(Options& o, std::string_view command, std::string_view name, std::string_view value) {
    const std::string c(command);
    if (name == "--equinox") {
        const auto e = read_equinox(value);
        if (!e) throw Bad{c + ": bad equinox " + io::shown(value) + " (expected " + equinoxes() + ")"};
        o.equinox = *e;
        o.equinox_text = value;
        o.equinox_given = true;
    } else if (name == "--zone") {
        const auto z = read_zone(value);
        if (!z) throw Bad{c + ": bad zone " + io::shown(value) + " (expected " + kZones + ")"};
        o.zone_minutes = *z;
        o.zone_given = true;
    } else if (name == "--scale") {
        o.scale_given = true;
        if (value == "utc") o.scale = sun::Scale::utc;
        else if (value == "tt") o.scale = sun::Scale::tt;
        else throw Bad{c + ": bad scale " + io::shown(value) + " (expected utc or tt)"};
    } else if (name == "--format") {
        const bool calendar = command != "at" && command != "when";  // a year's calendar: ics too
        if (value == "text") o.format = Format::Text;
        else if (value == "csv") o.format = Format::Csv;
        else if (value == "json") o.format = Format::Json;
        else if (value == "ics" && calendar) o.format = Format::Ics;
        else
            throw Bad{c + ": bad format " + io::shown(value) + " (expected text, csv, json" +
                      (calendar ? " or ics)" : " or, for a year's calendar, ics)")};
    } else {  // --theory
        const sun::Theory* t = sun::theory_named(value);
        if (t == nullptr) {
            throw Bad{c + ": bad theory " + io::shown(value) + " (expected " +
                      listed(sun::theories(), [](const sun::Theory* x) { return x->name(); }) + ")"};
        }
        o.theory = t;
    }
}

// The command's options and words, from ARGV[FIRST] (the command's name) on.
void read_command(Options& o, int first, int argc, const char* const argv[]) {
    const std::string_view command = o.command;
    for (int i = first + 1; i < argc; ++i) {
        const std::string_view a = argv[i] != nullptr ? argv[i] : "";
        if (a.size() < 2 || a.substr(0, 2) != "--") {
            if (a == "-h") o.command_help = true;
            else o.words.push_back(a);
            continue;
        }
        std::string_view name = a, value;
        bool has_value = false;
        if (const auto eq = a.find('='); eq != std::string_view::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            has_value = true;
        }
        const Option* opt = option_named(name);
        if (opt == nullptr || (!opt->valued && has_value)) {
            throw Bad{std::string(command) + ": unknown option " + io::shown(a) + " (expected " +
                      listed(kOptions, [](const Option& x) { return x.listed ? x.name : std::string_view(); }) + ")"};
        }
        if (!opt->valued) {
            if (name == "--help") o.command_help = true;
            else o.utf8 = encoding_option(name);
            continue;
        }
        if (!has_value) {
            if (i + 1 >= argc || argv[i + 1] == nullptr) {
                throw Bad{std::string(command) + ": option " + std::string(name) + " needs a value"};
            }
            value = argv[++i];
        }
        take(o, command, name, value);
    }
    // TT instants have no zone, and only the apparent theory takes them.
    if (o.scale == sun::Scale::tt && !o.command_help) {
        sun::Instant tt;
        tt.scale = sun::Scale::tt;
        if (o.theory->refusal(tt, sun::Equinox::of_date()) == sun::Refusal::scale_not_ut) {
            throw Bad{std::string(command) + ": --scale tt is not taken by the " + std::string(o.theory->name()) +
                      " theory (its instants are UT)"};
        }
        if (o.zone_given && o.zone_minutes != 0) {
            throw Bad{std::string(command) + ": --zone is not taken with --scale tt (TT instants have no zone)"};
        }
        o.zone_minutes = 0;
    }
}

}  // namespace

Options read_options(int argc, const char* const argv[]) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i] != nullptr ? argv[i] : "";
        if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version" || a == "-V") {
            o.version = true;
        } else if (encoding_option(a)) {
            o.utf8 = encoding_option(a);
        } else if (is_command(a)) {
            if (o.help || o.version) {
                // The usage text says more than the command would; only its encoding is read on.
                for (int j = i + 1; j < argc; ++j) {
                    const std::string_view b = argv[j] != nullptr ? argv[j] : "";
                    if (const auto e = encoding_option(b)) o.utf8 = e;
                }
                break;
            }
            o.command = a;
            read_command(o, i, argc, argv);
            break;
        } else if (!a.empty() && a[0] != '-') {
            throw Bad{"unknown command " + io::shown(a) + " (expected " +
                      listed(kCommands, [](const Command& c) { return c.name; }) + "; solarlon --help lists them)"};
        } else {
            throw Bad{"unknown argument " + io::shown(a) + " (solarlon --help lists the options)"};
        }
    }
    return o;
}

}  // namespace solarlon::commands
