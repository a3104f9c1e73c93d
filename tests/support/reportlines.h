#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The lines a component reports through its callback, from whichever thread
// (the synthesizer's loader and audio threads report too).
namespace testing_support {

class ReportLines {
public:
    // The callback to hand over; it may outlive a copy of this object, not
    // the object itself.
    std::function<void(const std::string&)> callback()
    {
        return [state = m_state](const std::string& line) {
            const std::lock_guard lock(state->mutex);
            state->lines.push_back(line);
        };
    }

    std::vector<std::string> lines() const
    {
        const std::lock_guard lock(m_state->mutex);
        return m_state->lines;
    }

    // Every line, each ended by a newline, as they would have been printed.
    std::string text() const
    {
        std::string all;
        for (const std::string& line : lines()) {
            all += line + "\n";
        }
        return all;
    }

private:
    struct State {
        std::mutex mutex;
        std::vector<std::string> lines;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

}  // namespace testing_support
