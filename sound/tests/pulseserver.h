#pragma once

// A PulseAudio server of the test's own, playing into a null sink "cap"
// whose monitor records what was played, and a recorder of that monitor.
// CI has no sound card and no desktop: the server runs as whoever runs the
// tests, with its socket and pid file in a folder of its own.

#include <pulse/simple.h>

#include <sys/socket.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

class PulseServer {
public:
    PulseServer()
    {
        char pattern[] = "/tmp/tavelin-pulse-XXXXXX";
        if (mkdtemp(pattern) != nullptr) {
            m_dir = pattern;
        }
    }
    ~PulseServer()
    {
        stop();
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    static bool installed() { return std::system("command -v pulseaudio >/dev/null 2>&1") == 0; }

    // Starts it (again, after kill()) and waits until it answers; false if it
    // will not start.
    bool start()
    {
        if (m_dir.empty()) {
            return false;
        }
        const std::string command = "PULSE_RUNTIME_PATH=" + m_dir +
                                    " pulseaudio -D -n --exit-idle-time=-1 --use-pid-file=yes --system=false"
                                    " --load='module-null-sink sink_name=cap'"
                                    " --load='module-native-protocol-unix socket=" +
                                    m_dir + "/native auth-anonymous=1' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            return false;
        }
        for (int i = 0; i < 100; ++i) {
            if (std::system(("pactl -s " + address() + " info >/dev/null 2>&1").c_str()) == 0) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // SIGKILL: the server vanishes mid-stream, as a crash would.
    void kill()
    {
        const pid_t pid = serverPid();
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            for (int i = 0; i < 200 && alive(pid); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        std::error_code ec;
        std::filesystem::remove(m_dir + "/pid", ec);
    }

    // SIGSTOP: the server keeps its socket, the kernel still accepts
    // connections on it, and nothing answers, as with a hung server.
    void pause()
    {
        const pid_t pid = serverPid();
        if (pid > 0) {
            ::kill(pid, SIGSTOP);
        }
    }
    void resume()
    {
        const pid_t pid = serverPid();
        if (pid > 0) {
            ::kill(pid, SIGCONT);
        }
    }

    // pactl against this server; its standard output.
    std::string pactl(const std::string& arguments) const
    {
        std::string out;
        FILE* p = popen(("pactl -s " + address() + " " + arguments + " 2>/dev/null").c_str(), "r");
        if (p == nullptr) {
            return out;
        }
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, p) != nullptr) {
            out += buffer;
        }
        pclose(p);
        return out;
    }

    // The socket's path, for a stand-in that takes its place.
    std::string socketPath() const { return m_dir + "/native"; }

    void stop()
    {
        const pid_t pid = serverPid();
        if (pid > 0) {
            ::kill(pid, SIGCONT);
            ::kill(pid, SIGTERM);
            for (int i = 0; i < 200 && alive(pid); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
    }

    std::string address() const { return "unix:" + m_dir + "/native"; }

private:
    pid_t serverPid() const
    {
        std::ifstream in(m_dir + "/pid");
        pid_t pid = 0;
        in >> pid;
        return pid;
    }
    static bool alive(pid_t pid)
    {
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string skip;
        std::string state;
        stat >> skip >> skip >> state;
        return stat && state != "Z";
    }

    std::string m_dir;
};

// A socket that listens and never answers: the kernel completes every
// connection to it and then nothing more happens, as with a server that
// hangs before it says hello.
class SilentServer {
public:
    explicit SilentServer(std::string path) : m_path(std::move(path))
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (m_fd < 0 || m_path.size() >= sizeof address.sun_path) {
            return;
        }
        std::memcpy(address.sun_path, m_path.c_str(), m_path.size() + 1);
        ::unlink(m_path.c_str());
        if (::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(m_fd, 16) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~SilentServer()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
            ::unlink(m_path.c_str());
        }
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool listening() const { return m_fd >= 0; }
    std::string address() const { return "unix:" + m_path; }

private:
    std::string m_path;
    int m_fd = -1;
};

// Records the null sink's monitor, 48 kHz stereo float, from a thread of its
// own until destroyed or the server goes.
class MonitorRecorder {
public:
    static constexpr int rate = 48000;
    static constexpr int blockFrames = 240;  // 5 ms

    explicit MonitorRecorder(const std::string& server, const std::string& source = "cap.monitor")
    {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, rate, 2};
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.fragsize = blockFrames * 2 * sizeof(float);
        int error = 0;
        m_simple = pa_simple_new(server.c_str(), "tavelin-test", PA_STREAM_RECORD, source.c_str(), "monitor", &format,
                                 nullptr, &attr, &error);
        if (m_simple != nullptr) {
            m_thread = std::thread([this] { run(); });
        }
    }
    ~MonitorRecorder()
    {
        m_stop = true;
        if (m_thread.joinable()) {
            m_thread.join();
        }
        if (m_simple != nullptr) {
            pa_simple_free(m_simple);
        }
    }
    MonitorRecorder(const MonitorRecorder&) = delete;
    MonitorRecorder& operator=(const MonitorRecorder&) = delete;

    bool recording() const { return m_simple != nullptr; }

    std::size_t frames() const
    {
        const std::lock_guard lock(m_mutex);
        return m_samples.size() / 2;
    }
    // Waits until the recording holds at least count frames; false if the
    // recording ended or the time ran out first.
    bool waitFrames(std::size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(10))
    {
        std::unique_lock lock(m_mutex);
        return m_grown.wait_for(lock, timeout, [&] { return m_samples.size() / 2 >= count || m_ended; }) &&
               m_samples.size() / 2 >= count;
    }
    // Waits for that much more sound to be recorded.
    bool waitMs(int ms) { return waitFrames(frames() + static_cast<std::size_t>(ms) * rate / 1000); }

    // Peak of each 5 ms block from frame from on.
    std::vector<float> blockPeaks(std::size_t from = 0) const
    {
        const std::lock_guard lock(m_mutex);
        std::vector<float> peaks;
        for (std::size_t i = 2 * from; i + 2 * blockFrames <= m_samples.size(); i += 2 * blockFrames) {
            float peak = 0;
            for (std::size_t j = i; j < i + 2 * blockFrames; ++j) {
                peak = std::max(peak, std::abs(m_samples[j]));
            }
            peaks.push_back(peak);
        }
        return peaks;
    }

private:
    void run()
    {
        std::vector<float> block(2 * blockFrames);
        while (!m_stop) {
            int error = 0;
            if (pa_simple_read(m_simple, block.data(), block.size() * sizeof(float), &error) < 0) {
                break;
            }
            {
                const std::lock_guard lock(m_mutex);
                m_samples.insert(m_samples.end(), block.begin(), block.end());
            }
            m_grown.notify_all();
        }
        {
            const std::lock_guard lock(m_mutex);
            m_ended = true;
        }
        m_grown.notify_all();
    }

    pa_simple* m_simple = nullptr;
    mutable std::mutex m_mutex;
    std::condition_variable m_grown;
    std::vector<float> m_samples;
    bool m_ended = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

}  // namespace testing_support
