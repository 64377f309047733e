// Helper of the print and export tests: the tools that read a PDF file back.
#pragma once

#include <cstdio>
#include <string>

// What a command line tool (pdftotext, pdfinfo) writes on its standard output.
inline std::string ToolOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t got;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, got);
        pclose(pipe);
    }
    return text;
}
