#include "app/inputs.h"

#include <cstdio>
#include <string>

namespace app {

std::unique_ptr<keyboard::MidiInput> startMidiKeyboards(keyboard::NoteSink& sink, const QString& option,
                                                        int outputClient)
{
    std::string problem;
    std::unique_ptr<keyboard::MidiInput> input = keyboard::startMidiInput(
        sink, option, outputClient, &problem,
        [](const std::string& line) { std::fprintf(stderr, "Tavelin Piano: %s\n", line.c_str()); });
    if (!input && !problem.empty()) {
        std::fprintf(stderr, "Tavelin Piano: %s; no MIDI keyboard input\n", problem.c_str());
    }
    return input;
}

}  // namespace app
