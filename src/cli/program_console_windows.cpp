#include "cli/program_console.h"

#include <windows.h>

#include <shellapi.h>

namespace brenmoor::cli {

namespace {

std::string utf8(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string result(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.pop_back(); // the terminator
    return result;
}

} // namespace

ProgramConsole::ProgramConsole(int argc, char** argv) {
    int count = 0;
    if (wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            texts_.push_back(utf8(wide[i]));
        ::LocalFree(wide);
    } else {
        texts_.assign(argv, argv + argc);
    }
    for (std::string& text : texts_)
        pointers_.push_back(text.data());
    pointers_.push_back(nullptr);

    // The console's code page outlives the program: it is put back.
    previousCodePage_ = ::GetConsoleOutputCP();
    ::SetConsoleOutputCP(CP_UTF8);
}

ProgramConsole::~ProgramConsole() {
    if (previousCodePage_ != 0)
        ::SetConsoleOutputCP(previousCodePage_);
}

} // namespace brenmoor::cli
