// klevnitsa-script: the game without a screen, run by a script of commands.

#include <clocale>
#include <cstring>
#include <fstream>
#include <iostream>

#include "driver/driver.h"
#include "shell/platform.h"

int main(int argc, char** argv) {
    driver::Options options;
    options.config = klev::DefaultVersion({});
    options.config.gameFolder = klev::ExecutableFolder();
    options.config.systemFolder = klev::DefaultSystemFolder();
    options.config.decimalSeparator = klev::UserDecimalSeparator();
    const char* scriptPath = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cout << "error: line 0: " << a << " needs a value\n";
                std::exit(driver::ScriptFault);
            }
            return argv[++i];
        };
        if (a == "--game-folder") options.config.gameFolder = std::filesystem::path(value());
        else if (a == "--system-folder") options.config.systemFolder = std::filesystem::path(value());
        else if (a == "--decimal-separator") {
            const std::string s = value();
            options.config.decimalSeparator = s.empty() ? ',' : s[0];
        } else scriptPath = argv[i];
    }
    driver::ScriptDriver d(std::move(options));
    if (scriptPath) {
        std::ifstream in(scriptPath, std::ios::binary);
        if (!in) {
            std::cout << "error: line 0: cannot open " << scriptPath << "\n";
            return driver::ScriptFault;
        }
        return d.run(in, std::cout);
    }
    return d.run(std::cin, std::cout);
}
