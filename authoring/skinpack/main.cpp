// zuno-skinpack: builds, lists and unpacks skin packages (.skn). main holds the
// table of subcommands; each subcommand lives in its own cmd_<name>.cpp.
#include <array>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Subcommands.h"

namespace zuno::skinpack {

// To add a subcommand: write cmd_<name>.cpp defining Run<Name>(Args), declare it
// here and add its row to the table.
int RunPack(Args args);
int RunUnpack(Args args);
int RunList(Args args);
int RunInfo(Args args);

struct Subcommand {
    std::string_view name;
    std::string_view arguments;  // for the usage text
    std::string_view summary;
    size_t argumentCount;
    int (*run)(Args);
};

constexpr std::array kSubcommands = {
    Subcommand{"pack", "DIR OUT.skn", "pack the files of DIR, sorted by name, into a package", 2, RunPack},
    Subcommand{"unpack", "IN.skn DIR", "write every member of a package into DIR", 2, RunUnpack},
    Subcommand{"list", "IN.skn", "print each member as name<TAB>size, in archive order", 1, RunList},
    Subcommand{"info", "IN.skn", "load the skin as the program does and print its data as JSON", 1, RunInfo},
};

int Usage(std::ostream& out, int code) {
    out << "usage: zuno-skinpack COMMAND ARGS...\n";
    for (const Subcommand& c : kSubcommands)
        out << "  zuno-skinpack " << c.name << ' ' << c.arguments << "\n      " << c.summary << '\n';
    return code;
}

int Main(const std::vector<std::string>& argv) {
    if (argv.size() < 2) return Usage(std::cerr, 2);
    if (argv[1] == "-h" || argv[1] == "--help" || argv[1] == "help") return Usage(std::cout, 0);
    for (const Subcommand& c : kSubcommands) {
        if (argv[1] != c.name) continue;
        if (argv.size() - 2 != c.argumentCount) {
            std::cerr << "usage: zuno-skinpack " << c.name << ' ' << c.arguments << '\n';
            return 2;
        }
        try {
            return c.run(Args(argv).subspan(2));
        } catch (const std::exception& e) {
            std::cerr << "zuno-skinpack: " << e.what() << '\n';
            return 1;
        }
    }
    std::cerr << "zuno-skinpack: unknown command '" << argv[1] << "'\n";
    return Usage(std::cerr, 2);
}

}  // namespace zuno::skinpack

int main(int argc, char** argv) {
    return zuno::skinpack::Main(std::vector<std::string>(argv, argv + argc));
}
