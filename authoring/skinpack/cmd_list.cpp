// zuno-skinpack list IN.skn: one line per member in archive order, "name<TAB>size",
// the name as stored in the archive.
#include <iostream>

#include "Subcommands.h"

namespace zuno::skinpack {

int RunList(Args args) {
    LoadedArchive package;
    LoadArchive(args[0], package);
    for (size_t i = 0; i < package.view.names.size(); ++i)
        std::cout << package.view.names[i] << '\t' << package.view.sizes[i] << '\n';
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace zuno::skinpack
