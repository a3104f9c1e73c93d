#include "app/inputs.h"

#include "platform/messages.h"

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
        std::fprintf(stderr, "Tavelin Piano: %s\n",
                     platform::message(QT_TRANSLATE_NOOP("Messages", "%1; no MIDI keyboard input"), {problem}).c_str());
    }
    return input;
}

}  // namespace app
